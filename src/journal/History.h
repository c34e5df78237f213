#pragma once
// History: the changes the journal keeps, as the user sees them, and their
// undo and redo. The changes done form one list (newest first), the changes
// undone another (the next to redo first); a new change empties the second.
// Undo and redo are transactions of their own, ask nothing, and turn every
// file of a change back (or forward) as a whole. They refuse, writing
// nothing, when a file no longer holds the bytes the change left there (it
// was changed outside the program since): that change, and every one before
// it, can then no longer be turned.
#include <cstdint>
#include <string>
#include <vector>

#include "journal/JournaledFileSystem.h"

namespace tessamo {

struct HistoryEntry {
    std::uint64_t id = 0;
    std::string time;         // "YYYY-MM-DD HH:MM:SS"
    std::string years;        // comma-separated; empty for a change of no year's files
    std::string description;
    std::string files;        // the files it changed, comma-separated
};

struct ChangeHistory {
    std::vector<HistoryEntry> done;    // newest first
    std::vector<HistoryEntry> undone;  // the next to redo first
};

Status ReadHistory(Journal& journal, ChangeHistory& history);

// The entry of one journaled transaction.
HistoryEntry HistoryEntryOf(const JournalTransaction& tx);
// Brings `history` up to date with a transaction just committed (a change, an
// undo or a redo), as reading the journal again would, without reading it.
void NoteCommitted(ChangeHistory& history, const JournalTransaction& tx);

enum class TurnOutcome { Turned, NothingToTurn, Refused, Failed };

struct TurnResult {
    TurnOutcome outcome = TurnOutcome::NothingToTurn;
    std::vector<HistoryEntry> turned;  // in the order turned
    std::string message;               // why nothing was turned; CR LF between lines
    std::vector<std::string> years;    // the years whose files changed
};

// Undoes the newest `count` changes, or redoes the next `count` undone ones.
TurnResult UndoChanges(JournaledFileSystem& files, std::size_t count);
TurnResult RedoChanges(JournaledFileSystem& files, std::size_t count);

}  // namespace tessamo
