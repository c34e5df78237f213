// report [CATEGORY...] [--from M] [--to M] [--full] [--crlf]: the cash-flow
// report as the report window's View builds it.
#include <unistd.h>

#include <ostream>
#include <string_view>
#include <utility>

#include "cli/BlockOutput.h"
#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "cli/ReportArguments.h"
#include "platform/CodePage.h"
#include "reports/MakeReport.h"

namespace tessamo {

std::string ReportCommandHelp() {
    return std::string(
               "  report [CATEGORY...] [--from MONTH] [--to MONTH] [--full] [--crlf]\n"
               "      The year's cash-flow report on standard output: summary, or with --full the\n"
               "      line items too; the income, expense and balance texts on standard error.\n") +
           kReportArgumentsHelp +
           "      Lines end in a line feed; --crlf writes the text exactly as the report\n"
           "      window holds it (CR LF between lines, none after the last).\n";
}

namespace {

// The report's lines (CR LF between them) in UTF-8, each ended by a line
// feed. For a terminal every control character but Tab is escaped, so a
// note's own CR, LF or ESC shows.
void WriteLines(std::ostream& out, std::string_view text, bool terminal) {
    BlockOutput lines(out);
    for (std::size_t from = 0;;) {
        const std::size_t end = text.find("\r\n", from);
        const std::string_view line = text.substr(from, end - from);
        if (terminal) AppendCp1252AsVisibleUtf8(lines.Block(), line, "\t");
        else AppendCp1252AsUtf8(lines.Block(), line);
        lines.Block() += '\n';
        lines.WriteIfFull();
        if (end == std::string::npos) return;
        from = end + 2;
    }
}

}  // namespace

int RunReportCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    ReportArguments choice;
    Status read = ParseCommandArgs(args, {"--from", "--to"}, {"--full", "--summary", "--crlf"}, parsed);
    if (read.ok()) read = ReadReportArguments(parsed, parsed.positional, choice);
    if (!read.ok()) return BadArguments(context, "report", read);
    if (parsed.Has("--full") && parsed.Has("--summary"))
        return BadArguments(context, "report: choose --full or --summary, not both");

    std::vector<CategoryRecord> chosen;
    if (int rc = ApplyReportArguments(context, choice, "report", chosen); rc != kExitOk) return rc;
    const SharedState& state = context.state();
    // The text goes out a piece at a time as it is laid out. --crlf keeps the
    // bytes exactly as the window holds them; a terminal gets every control
    // character but the report's own Tab and line breaks as an escape.
    const bool crlf = parsed.Has("--crlf");
    const bool terminal = ::isatty(STDOUT_FILENO);
    bool first = true;
    const ReportPieceSink sink = [&](std::string_view piece) {
        if (!crlf) return WriteLines(context.out, piece, terminal);
        if (!std::exchange(first, false)) context.out << "\r\n";
        std::string utf8;
        AppendCp1252AsUtf8(utf8, piece);
        context.out << utf8;
    };
    const Result<ReportText> outcome =
        MakeReport(state, chosen, state.RepStartMonth, state.RepEndMonth, parsed.Has("--full") ? "F" : "S", &sink,
                   choice.Scope());
    if (!outcome.ok()) return kExitFailed;
    context.err << outcome.value().status.income << "\n" << outcome.value().status.expense << "\n";
    if (outcome.value().status.balance) context.err << *outcome.value().status.balance << "\n";
    return kExitOk;
}

}  // namespace tessamo
