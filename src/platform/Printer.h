#pragma once
// Printer: a print job on a printer or into a PDF, as the report prints it.
// A job is: Start (with the font), then lines and page ends, then End —
// or Abort, which throws the job away. The page's size in lines and columns
// of the font is known once the job has started, so the caller lays out the
// pages itself and every output (paper, preview, PDF) gets the same pages.
// Texts are UTF-8; a column is one character of the fixed-pitch font.
// The Qt implementation (QtPrinter) paints on a printer, a preview or a PDF.
#include <string>

#include "platform/Status.h"

namespace tessamo {

struct PrintFont {
    std::string family;
    int points = 10;
};

class Printer {
public:
    virtual ~Printer() = default;
    // The printer's name, for messages.
    virtual std::string Name() const = 0;
    // Starts the job; a failure names the printer and the reason.
    virtual Status Start(const PrintFont& font) = 0;
    // Lines of the font on one page, and characters on one line (at least 1).
    virtual int LinesPerPage() const = 0;
    virtual int ColumnsPerLine() const = 0;
    // One line (no line break in it) below the previous one on the page.
    virtual void PrintLine(const std::string& line) = 0;
    // Ends the page; the next line starts a new one.
    virtual void EndPage() = 0;
    // Ends the last page and the job, handing it to the printer.
    virtual Status End() = 0;
    virtual void Abort() = 0;
};

// Told after each printed page; returns false to cancel the job.
class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    virtual bool PageDone(int pagesDone, int pages) = 0;
};

}  // namespace tessamo
