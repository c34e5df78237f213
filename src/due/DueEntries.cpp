#include "due/DueEntries.h"

#include <algorithm>
#include <optional>

#include "core/FixedText.h"
#include "due/ScheduleFile.h"
#include "journal/Transaction.h"
#include "macros/MacroPlayback.h"
#include "platform/FileErrors.h"

namespace tessamo {
namespace {

std::string YearText(int year) { return std::to_string(year); }

// The active state, or one for the year of `date` when that is another:
// its ledger and category files are made when missing, as a start-up does.
bool StateForYear(const SharedState& state, int year, SharedState& yearState) {
    if (state.CurYear == YearText(year)) return true;
    yearState.SetActiveYear(YearText(year));
    FileSystem& files = state.env.files;
    Status s = files.CreateIfMissing(yearState.LedgerFileName);
    if (s.ok()) s = files.CreateIfMissing(yearState.CategoryFileName);
    return ReportIfFailed(state.env.dialogs, s);
}

std::string DueEntryText(const char* verb, const DueEntry& entry) {
    return std::string(verb) + " due entry " + entry.macro + " of " + IsoDateText(entry.date);
}

Status WriteAndReport(SharedState& state, const std::vector<Schedule>& schedules, const std::string& description) {
    Status s = WriteSchedules(state.env.files, schedules, description);
    (void)ReportIfFailed(state.env.dialogs, s);
    return s;
}

}  // namespace

std::vector<DueEntry> DueEntriesThrough(const std::vector<Schedule>& schedules, const CalendarDate& through) {
    std::vector<DueEntry> entries;
    for (const Schedule& schedule : schedules)
        for (const CalendarDate& date : schedule.OpenDatesThrough(through)) entries.push_back({date, schedule.macro});
    std::sort(entries.begin(), entries.end(), [](const DueEntry& a, const DueEntry& b) {
        if (!(a.date == b.date)) return a.date < b.date;
        return a.macro < b.macro;
    });
    return entries;
}

const DueMacro& DueMacroCache::Get(const std::string& macro) {
    const std::string key = ToUpperAscii(macro);
    auto found = read_.find(key);
    if (found == read_.end()) found = read_.emplace(key, ReadDueMacro(files_, macro)).first;
    return found->second;
}

std::string LeftDueText(const DueEntry& entry, const std::string& problem) {
    return problem + "; " + IsoDateText(entry.date) + " is left due";
}

std::string DueListingText(const std::vector<Schedule>& schedules, const CalendarDate& through,
                           const FileSystem& files, std::vector<std::string>& leftDue) {
    DueMacroCache macros(files);
    std::string out;
    for (const DueEntry& entry : DueEntriesThrough(schedules, through)) {
        const DueMacro& macro = macros.Get(entry.macro);
        if (macro.problem) {
            leftDue.push_back(LeftDueText(entry, *macro.problem));
            continue;
        }
        out += IsoDateText(entry.date) + "\t" + entry.macro + "\t" + std::to_string(macro.lines.size()) + "\t" +
               PlainTotalText(macro.total) + "\n";
    }
    return out;
}

DueResult EnterDueEntry(SharedState& state, std::vector<Schedule>& schedules, const DueEntry& entry) {
    DueResult failed;
    Schedule* schedule = FindSchedule(schedules, entry.macro);
    if (!schedule || schedule->IsDone(entry.date)) return {DueOutcome::Skipped, 0, {}};
    const DueMacro macro = ReadDueMacro(state.env.files, schedule->macro);
    if (macro.problem) return {DueOutcome::MacroProblem, 0, *macro.problem};

    // The year's files, the ledger's lines and the date marked done are one
    // transaction: a crash or a failed write leaves the entry due, whole.
    Transaction change(state, DueEntryText("Enter", entry));
    SharedState yearState(state);
    const bool activeYear = state.CurYear == YearText(entry.date.year);
    if (!activeYear && !StateForYear(state, entry.date.year, yearState)) return failed;
    SharedState& target = activeYear ? state : yearState;
    FileSystem& files = state.env.files;
    // Without a journal the pending mark tells a later run what was written.
    const bool marked = !change.Journaled();
    PendingDueEntry pending;
    if (marked) {
        Status s = MakePendingEntry(files, schedule->macro, entry.date, target.LedgerFileName,
                                    static_cast<int>(macro.lines.size()), pending);
        if (s.ok()) s = WritePendingEntry(files, pending);
        if (!ReportIfFailed(state.env.dialogs, s)) return failed;
    }

    const MacroPlayResult played =
        PlayMacroFile(target, schedule->macro, StoredDateInStyle(entry.date, state.DateStyle));
    if (played.failed || played.stopped) {
        // The ledger was left as it was: the entry is due again.
        if (marked) ReportIfFailed(state.env.dialogs, files.Remove(kDuePendingFileName));
        return failed;
    }
    const std::vector<Schedule> before = schedules;
    schedule->MarkDone(entry.date);
    if (!WriteAndReport(state, schedules, DueEntryText("Enter", entry)).ok() || !change.Commit()) {
        // Journaled, the ledger's lines were taken back with it; without a
        // journal the mark stays behind and the next run settles it as entered.
        schedules = before;
        return failed;
    }
    if (marked) ReportIfFailed(state.env.dialogs, files.Remove(kDuePendingFileName));
    return {DueOutcome::Entered, played.entered, {}};
}

DueResult SkipDueEntry(SharedState& state, std::vector<Schedule>& schedules, const DueEntry& entry) {
    Schedule* schedule = FindSchedule(schedules, entry.macro);
    if (!schedule || schedule->IsDone(entry.date)) return {DueOutcome::Skipped, 0, {}};
    const std::vector<Schedule> before = schedules;
    schedule->MarkDone(entry.date);
    if (!WriteAndReport(state, schedules, DueEntryText("Skip", entry)).ok()) {
        schedules = before;
        return {};
    }
    return {DueOutcome::Skipped, 0, {}};
}

Status SettlePendingEntry(FileSystem& files, std::vector<Schedule>& schedules, bool write, std::string& notice) {
    std::optional<PendingDueEntry> pending;
    if (Status s = ReadPendingEntry(files, pending); !s.ok() || !pending) return s;
    PendingJudgement judgement = PendingJudgement::NotEntered;
    if (Status s = JudgePendingEntry(files, *pending, judgement); !s.ok()) return s;
    Schedule* schedule = FindSchedule(schedules, pending->macro);
    if (judgement == PendingJudgement::Unclear)
        notice = "The program stopped while it was entering " + pending->macro + " due on " +
                 IsoDateText(pending->date) + ", and " + pending->ledger +
                 " has changed since in another way. It is not entered again: please look whether its lines "
                 "are in the ledger.";
    std::vector<Schedule> settled = schedules;
    if (Schedule* s = FindSchedule(settled, pending->macro); s && judgement != PendingJudgement::NotEntered)
        s->MarkDone(pending->date);
    if (write) {
        if (schedule && judgement != PendingJudgement::NotEntered)
            if (Status s = WriteSchedules(files, settled, "Settle the due entry " + pending->macro + " of " + IsoDateText(pending->date)); !s.ok())
                return s;
        if (Status s = files.Remove(kDuePendingFileName); !s.ok()) return s;
    }
    schedules = std::move(settled);
    return Status::Ok();
}

}  // namespace tessamo
