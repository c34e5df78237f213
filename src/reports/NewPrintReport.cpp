#include "reports/NewPrintReport.h"

namespace tessamo {
namespace {

// A UTF-8 byte that starts a character (not a continuation byte).
bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// Appends `line` cut into pieces of at most `columns` characters.
void AppendWrapped(const std::string& line, int columns, std::vector<std::string>& lines) {
    std::size_t pieceStart = 0;
    int count = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!StartsCharacter(line[i])) continue;
        if (count == columns) {
            lines.push_back(line.substr(pieceStart, i - pieceStart));
            pieceStart = i;
            count = 0;
        }
        ++count;
    }
    lines.push_back(line.substr(pieceStart));
}

}  // namespace

PrintFont ReportPrintFont() { return PrintFont{"Courier New", 10}; }

std::string ExpandTabs(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    std::size_t column = 0;
    for (char c : line) {
        if (c == '\t') {
            const std::size_t next = (column / kTabColumns + 1) * kTabColumns;
            out.append(next - column, ' ');
            column = next;
            continue;
        }
        out.push_back(c);
        if (StartsCharacter(c)) ++column;
    }
    return out;
}

std::vector<std::string> PrintedLines(std::string_view text, int columns) {
    std::vector<std::string> lines(kPrintTopLines);
    if (columns < 1) columns = 1;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find_first_of("\r\n", start);
        AppendWrapped(ExpandTabs(text.substr(start, end == std::string_view::npos ? end : end - start)), columns,
                      lines);
        if (end == std::string_view::npos) break;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

int PageCount(std::size_t lines, int linesPerPage) {
    const std::size_t perPage = linesPerPage < 1 ? 1 : static_cast<std::size_t>(linesPerPage);
    const std::size_t pages = (lines + perPage - 1) / perPage;
    return pages < 1 ? 1 : static_cast<int>(pages);
}

Status NewPrintReport(Printer& printer, std::string_view text, PrintProgress& progress) {
    if (Status s = printer.Start(ReportPrintFont()); !s.ok()) return s;
    const std::vector<std::string> lines = PrintedLines(text, printer.ColumnsPerLine());
    const int perPage = printer.LinesPerPage() < 1 ? 1 : printer.LinesPerPage();
    const int pages = PageCount(lines.size(), perPage);
    int onPage = 0;
    int pagesDone = 0;
    for (const std::string& line : lines) {
        if (onPage == perPage) {
            printer.EndPage();
            onPage = 0;
            if (!progress.PageDone(++pagesDone, pages)) {
                printer.Abort();
                return Status::Declined();
            }
        }
        printer.PrintLine(line);
        ++onPage;
    }
    if (Status s = printer.End(); !s.ok()) return s;
    progress.PageDone(pages, pages);
    return Status::Ok();
}

}  // namespace tessamo
