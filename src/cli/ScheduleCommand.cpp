// schedule set|list|clear: when each macro file comes due.
#include <ostream>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "core/Dates.h"
#include "due/ScheduleFile.h"
#include "macros/MacroFileName.h"

namespace tessamo {

std::string ScheduleCommandHelp() {
    return "  schedule set MACRO --monthly DAY | --weekly WEEKDAY | --every-months N --day DAY |\n"
           "               --yearly MM-DD [--from YYYY-MM-DD] [--until YYYY-MM-DD]\n"
           "  schedule list\n"
           "  schedule clear MACRO\n"
           "      When the macro file MACRO comes due (see due): every month on day DAY (the\n"
           "      month's last day when DAY is past it), every week on WEEKDAY (mon ... sun,\n"
           "      the full name, or 1 ... 7 with Monday 1), every N months counted from the\n"
           "      month of --from, or every year on MM-DD (02-29 falls on 02-28 in other\n"
           "      years); from --from (default today) until --until, both included. Setting\n"
           "      a macro's schedule again keeps the dates already entered or skipped.\n"
           "      list prints each schedule: macro, rule, first date, last date (\"-\" for\n"
           "      none) and the first date not yet done, separated by tabs.\n";
}

namespace {

// "--monthly 31", "--every-months 3 --day 15": the rule as it is given here.
std::string RuleArguments(const Schedule& schedule) {
    std::string text = "--" + schedule.RuleText();
    if (const auto at = text.find(" day "); at != std::string::npos) text.replace(at, 5, " --day ");
    return text;
}

bool ReadWholeNumber(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    value = std::stoi(text);
    return value >= low && value <= high;
}

// The rule of `set` from its options; the reason when they do not make one.
std::optional<std::string> ReadRuleOptions(const CommandArgs& args, Schedule& schedule) {
    int rules = 0;
    for (const char* option : {"--monthly", "--weekly", "--every-months", "--yearly"}) rules += args.Value(option) ? 1 : 0;
    if (rules != 1) return "give one of --monthly, --weekly, --every-months and --yearly";
    if (args.Value("--day").has_value() != args.Value("--every-months").has_value())
        return "--day goes with --every-months, and --every-months wants --day";
    if (const auto day = args.Value("--monthly")) {
        schedule.kind = ScheduleKind::Monthly;
        if (!ReadWholeNumber(*day, 1, 31, schedule.day)) return "--monthly wants a day 1 ... 31";
    } else if (const auto weekday = args.Value("--weekly")) {
        schedule.kind = ScheduleKind::Weekly;
        const std::optional<int> number = ParseWeekday(*weekday);
        if (!number) return "--weekly wants mon ... sun, the full name or 1 ... 7";
        schedule.weekday = *number;
    } else if (const auto months = args.Value("--every-months")) {
        schedule.kind = ScheduleKind::EveryMonths;
        if (!ReadWholeNumber(*months, 1, 120, schedule.months)) return "--every-months wants 1 ... 120";
        if (!ReadWholeNumber(*args.Value("--day"), 1, 31, schedule.day)) return "--day wants a day 1 ... 31";
    } else {
        const std::string date = *args.Value("--yearly");
        schedule.kind = ScheduleKind::Yearly;
        if (date.size() != 5 || date[2] != '-' || !ReadWholeNumber(date.substr(0, 2), 1, 12, schedule.month) ||
            !ReadWholeNumber(date.substr(3), 1, 31, schedule.day))
            return "--yearly wants MM-DD, such as 02-29";
    }
    return std::nullopt;
}

std::optional<std::string> ReadDateOptions(const CommandArgs& args, const Clock& clock, Schedule& schedule) {
    const CalendarDate today = clock.Today();
    schedule.from = today;
    if (const auto from = args.Value("--from")) {
        const std::optional<CalendarDate> date = ParseIsoDate(*from);
        if (!date) return "--from wants a date YYYY-MM-DD";
        schedule.from = *date;
    }
    if (const auto until = args.Value("--until")) {
        schedule.until = ParseIsoDate(*until);
        if (!schedule.until) return "--until wants a date YYYY-MM-DD";
    }
    return schedule.Problem();
}

int Failed(CliContext& context, const std::string& text) {
    context.err << "tessamo-cli: " << text << "\n";
    return kExitFailed;
}

int ReadAll(CliContext& context, std::vector<Schedule>& schedules) {
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    if (Status s = ReadSchedules(context.state().env.files, schedules); !s.ok()) return Failed(context, s.ToString());
    return kExitOk;
}

int Write(CliContext& context, const std::vector<Schedule>& schedules) {
    if (Status s = WriteSchedules(context.state().env.files, schedules); !s.ok())
        return Failed(context, s.ToString() + " (the schedules were left as they were)");
    return kExitOk;
}

int SetSchedule(CliContext& context, const std::vector<std::string>& words) {
    CommandArgs args;
    if (Status s = ParseCommandArgs(words, {"--monthly", "--weekly", "--every-months", "--day", "--yearly", "--from", "--until"},
                          {}, args); !s.ok())
        return BadArguments(context, "schedule set", s);
    if (args.positional.size() != 1) return BadArguments(context, "schedule set wants one macro file name");
    Schedule wanted;
    wanted.macro = args.positional[0];
    std::optional<std::string> problem = MacroArgumentProblem(wanted.macro);
    if (!problem) problem = MacroNameProblem(wanted.macro);
    if (!problem) problem = ReadRuleOptions(args, wanted);
    SystemClock clock;
    if (!problem) problem = ReadDateOptions(args, clock, wanted);
    if (problem) return BadArguments(context, "schedule set: " + *problem);

    std::vector<Schedule> schedules;
    if (int rc = ReadAll(context, schedules); rc != kExitOk) return rc;
    FileSystem& files = context.state().env.files;
    if (!files.Exists(wanted.macro)) return Failed(context, "there is no macro file " + wanted.macro + " in the data folder");
    wanted.macro = files.Resolve(wanted.macro);
    PutSchedule(schedules, wanted);
    return Write(context, schedules);
}

int ListSchedules(CliContext& context, const std::vector<std::string>& words) {
    if (!words.empty()) return BadArguments(context, "schedule list takes no arguments");
    std::vector<Schedule> schedules;
    if (int rc = ReadAll(context, schedules); rc != kExitOk) return rc;
    for (const Schedule& s : schedules) {
        // The last possible date of the longest rule lies within eleven years.
        const CalendarDate from = s.doneThrough ? *s.doneThrough : s.from;
        const std::vector<CalendarDate> open = s.OpenDatesThrough({from.month, 1, std::min(from.year + 11, 9999)});
        context.out << s.macro << "\t" << RuleArguments(s) << "\t" << IsoDateText(s.from) << "\t"
                    << (s.until ? IsoDateText(*s.until) : "-") << "\t" << (open.empty() ? "-" : IsoDateText(open[0]))
                    << "\n";
    }
    return kExitOk;
}

int ClearSchedule(CliContext& context, const std::vector<std::string>& words) {
    if (words.size() != 1) return BadArguments(context, "schedule clear wants one macro file name");
    std::vector<Schedule> schedules;
    if (int rc = ReadAll(context, schedules); rc != kExitOk) return rc;
    if (!RemoveSchedule(schedules, words[0])) return Failed(context, words[0] + " has no schedule");
    return Write(context, schedules);
}

}  // namespace

int RunScheduleCommand(CliContext& context, const std::vector<std::string>& args) {
    const std::string action = args.empty() ? "" : args[0];
    const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (action == "set") return SetSchedule(context, rest);
    if (action == "list") return ListSchedules(context, rest);
    if (action == "clear") return ClearSchedule(context, rest);
    return BadArguments(context, "schedule wants set, list or clear");
}

}  // namespace tessamo
