// due [--through DATE] and --yes due --enter [--through DATE]: the entries of
// the scheduled macro files that have come due, listed or entered.
#include <ostream>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "due/DueEntries.h"
#include "due/ScheduleFile.h"

namespace tessamo {

std::string DueCommandHelp() {
    return "  due [--through YYYY-MM-DD]\n"
           "  due --enter [--through YYYY-MM-DD]  (enters: give --yes)\n"
           "      The dates of the scheduled macro files (see schedule) not yet entered or\n"
           "      skipped, up to --through (default today), by date and then macro: date,\n"
           "      macro, number of lines and their total, separated by tabs. --enter plays\n"
           "      each into the ledger of its date's year and prints date, macro and number\n"
           "      of lines; run again, it enters nothing. A macro file that is missing or\n"
           "      cannot be entered whole is named, left due, and makes the exit code 1.\n";
}

namespace {

int LeftDue(CliContext& context, const std::string& text) {
    context.err << "tessamo-cli: " << text << ".\n";
    return kExitFailed;
}

int ListDue(CliContext& context, const std::vector<Schedule>& schedules, const CalendarDate& through) {
    std::vector<std::string> leftDue;
    context.out << DueListingText(schedules, through, context.state().env.files, leftDue);
    for (const std::string& text : leftDue) LeftDue(context, text);
    return leftDue.empty() ? kExitOk : kExitFailed;
}

int EnterDue(CliContext& context, std::vector<Schedule>& schedules, const CalendarDate& through) {
    SharedState& state = context.state();
    int rc = kExitOk;
    for (const DueEntry& entry : DueEntriesThrough(schedules, through)) {
        const DueResult result = EnterDueEntry(state, schedules, entry);
        if (result.outcome == DueOutcome::Entered)
            context.out << IsoDateText(entry.date) << "\t" << entry.macro << "\t" << result.lines << std::endl;
        else if (result.outcome == DueOutcome::MacroProblem)
            rc = LeftDue(context, LeftDueText(entry, result.problem));
        else if (result.outcome == DueOutcome::Failed)
            rc = kExitFailed;  // the failure was shown
    }
    return rc;
}

}  // namespace

int RunDueCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    if (Status s = ParseCommandArgs(args, {"--through"}, {"--enter"}, parsed); !s.ok())
        return BadArguments(context, "due", s);
    if (!parsed.positional.empty()) return BadArguments(context, "due takes no words but its options");
    std::optional<CalendarDate> through;
    if (const auto text = parsed.Value("--through")) {
        through = ParseIsoDate(*text);
        if (!through) return BadArguments(context, "due: --through wants a date YYYY-MM-DD");
    }
    const bool enter = parsed.Has("--enter");
    if (enter && !context.assumeYes)
        return BadArguments(context, "due --enter writes into the ledgers without asking; give --yes to go ahead");

    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    std::vector<Schedule> schedules;
    if (Status s = ReadSchedules(context.state().env.files, schedules); !s.ok()) {
        context.err << "tessamo-cli: " << s.ToString() << "\n";
        return kExitFailed;
    }
    std::string notice;
    if (Status s = SettlePendingEntry(context.state().env.files, schedules, enter, notice); !s.ok()) {
        context.err << "tessamo-cli: " << s.ToString() << "\n";
        return kExitFailed;
    }
    if (!notice.empty()) context.err << "tessamo-cli: " << notice << "\n";
    const CalendarDate last = through.value_or(context.state().env.clock.Today());
    return enter ? EnterDue(context, schedules, last) : ListDue(context, schedules, last);
}

}  // namespace tessamo
