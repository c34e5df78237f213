#pragma once
// Due entries: the dates of the schedules that are not done yet, and entering
// or skipping them. Entering plays the macro through the system's playback
// routine under the due date, into the ledger of the date's own year (that
// year's ledger and category files are made as a start-up makes them when
// missing); no question is asked per macro.
//
// Nothing is entered twice, and a crash enters an entry once or not at all:
// through the journal, the year's files, the ledger's lines and the date
// marked done are one transaction, which the next start takes back whole when
// it was interrupted; a folder written without a journal keeps the pending
// mark of DuePending.h, and a mark left behind is settled either way.
#include <map>
#include <string>
#include <vector>

#include "core/SharedState.h"
#include "due/DueMacro.h"
#include "due/DuePending.h"
#include "due/Schedule.h"

namespace tessamo {

struct DueEntry {
    CalendarDate date;
    std::string macro;
};

// Every open date through `through`, by date, then by macro name.
std::vector<DueEntry> DueEntriesThrough(const std::vector<Schedule>& schedules, const CalendarDate& through);

// What the macros of due entries hold, each file read once.
class DueMacroCache {
public:
    explicit DueMacroCache(const FileSystem& files) : files_(files) {}
    const DueMacro& Get(const std::string& macro);
private:
    const FileSystem& files_;
    std::map<std::string, DueMacro> read_;  // by upper-case name
};

// The due listing: a line "date<TAB>macro<TAB>lines<TAB>total" for each due
// entry through `through` whose macro can be entered; for each other one,
// "<reason>; <date> is left due" in `leftDue`.
std::string DueListingText(const std::vector<Schedule>& schedules, const CalendarDate& through,
                           const FileSystem& files, std::vector<std::string>& leftDue);
std::string LeftDueText(const DueEntry& entry, const std::string& problem);

enum class DueOutcome {
    Entered,       // the ledger holds the macro's lines under the date; marked done
    Skipped,       // marked done, nothing entered
    MacroProblem,  // the macro cannot be entered (`problem` says why); still due, nothing written
    Failed,        // a file failure, shown to the user; still due unless the pending mark stayed
};

struct DueResult {
    DueOutcome outcome = DueOutcome::Failed;
    int lines = 0;        // lines entered
    std::string problem;  // MacroProblem: the reason, file name first
};

// Enters one due entry and records it in the schedule file. `schedules` is
// the file's content and is kept equal to what was written. A pending mark
// must have been settled first.
DueResult EnterDueEntry(SharedState& state, std::vector<Schedule>& schedules, const DueEntry& entry);
// Marks the entry done without entering it.
DueResult SkipDueEntry(SharedState& state, std::vector<Schedule>& schedules, const DueEntry& entry);

// Settles the mark a run that stopped while entering left behind (see
// DuePending.h): the date is marked done in `schedules` when the entry may
// be in the ledger. With `write`, the schedule file is written and the mark
// removed; without, only `schedules` changes (a listing writes nothing).
// `notice` gets the text for the user when the ledger cannot tell.
Status SettlePendingEntry(FileSystem& files, std::vector<Schedule>& schedules, bool write, std::string& notice);

}  // namespace tessamo
