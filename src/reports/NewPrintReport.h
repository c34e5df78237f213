#pragma once
// NewPrintReport: prints the report text as the report window holds it,
// edits included: in "Courier New" 10 pt, two empty lines first, then every
// line of the text, a new page whenever a page is full. Line breaks are CR LF
// (as the report writes them), LF or CR. A Tab moves to the next multiple of
// 8 columns, so the notes after the line items' amounts line up; a line wider
// than the page goes on in the next line rather than off the paper.
#include <string>
#include <string_view>
#include <vector>

#include "platform/Printer.h"

namespace tessamo {

inline constexpr int kPrintTopLines = 2;
inline constexpr int kTabColumns = 8;

// The font the report is printed in.
PrintFont ReportPrintFont();

// The printed lines of `text` (UTF-8) on lines of `columns` characters, the
// two empty top lines first. An empty text is one empty line.
std::vector<std::string> PrintedLines(std::string_view text, int columns);

// `line` with every Tab replaced by the blanks up to the next multiple of 8.
std::string ExpandTabs(std::string_view line);

// The number of pages `lines` lines fill, at least one.
int PageCount(std::size_t lines, int linesPerPage);

// Ok when every page was printed, Declined when the user stopped the job
// from its progress dialog, the printer's failure otherwise.
Status NewPrintReport(Printer& printer, std::string_view text, PrintProgress& progress);

}  // namespace tessamo
