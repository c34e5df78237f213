// report [CATEGORY...] [--from M] [--to M] [--full] [--crlf]: the cash-flow
// report as the report window's View builds it.
#include <ostream>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ReportChoice.h"
#include "reports/MakeReport.h"
#include "core/ReportCategoryList.h"

namespace tessamo {

std::string ReportCommandHelp() {
    return std::string(
               "  report [CATEGORY...] [--from MONTH] [--to MONTH] [--full] [--crlf]\n"
               "      The year's cash-flow report on standard output: summary, or with --full the\n"
               "      line items too; the income, expense and balance texts on standard error.\n") +
           kReportChoiceHelp +
           "      Lines end in a line feed; --crlf writes the text exactly as the report\n"
           "      window holds it (CR LF between lines, none after the last).\n";
}

int RunReportCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    std::string error;
    ReportChoice choice;
    if (!ParseCommandArgs(args, {"--from", "--to"}, {"--full", "--summary", "--crlf"}, parsed, error) ||
        !ReadReportChoice(parsed, parsed.positional, choice, error))
        return BadArguments(context, "report: " + error);
    if (parsed.Has("--full") && parsed.Has("--summary"))
        return BadArguments(context, "report: choose --full or --summary, not both");

    if (int rc = ApplyReportChoice(context, choice, "report"); rc != kExitOk) return rc;
    SharedState& state = context.state();
    const ReportOutcome outcome = MakeReport(state, kReportCategoryFile, state.RepStartMonth, state.RepEndMonth,
                                             parsed.Has("--full") ? "F" : "S");
    if (!outcome.ok) return kExitFailed;

    const std::string text = ToConsole(outcome.report.text);
    context.out << (parsed.Has("--crlf") ? text : ConsoleLines(text) + "\n");
    context.err << outcome.report.status.income << "\n" << outcome.report.status.expense << "\n";
    if (outcome.report.status.balance) context.err << *outcome.report.status.balance << "\n";
    return kExitOk;
}

}  // namespace tessamo
