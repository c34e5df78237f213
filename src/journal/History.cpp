#include "journal/History.h"

#include <algorithm>

#include "journal/FileImages.h"
#include "platform/FileErrors.h"

namespace tessamo {
namespace {

// The committed changes still done and those undone, by the journal's record.
struct Stacks {
    std::vector<const JournalTransaction*> done, undone;  // the top is the back
};

// Moves `targets` from the top of `from` to `to`; false when they are not there
// (older history was dropped, or the journal was damaged).
bool Move(const std::vector<std::uint64_t>& targets, std::vector<const JournalTransaction*>& from,
          std::vector<const JournalTransaction*>& to) {
    for (std::uint64_t id : targets) {
        if (from.empty() || from.back()->id != id) return false;
        to.push_back(from.back());
        from.pop_back();
    }
    return true;
}

Stacks StacksOf(const JournalContents& contents) {
    Stacks stacks;
    for (const JournalTransaction& tx : contents.transactions) {
        if (tx.end != TransactionEnd::Committed) continue;
        bool fits = true;
        switch (tx.kind) {
            case TransactionKind::Change:
                stacks.done.push_back(&tx);
                stacks.undone.clear();
                break;
            case TransactionKind::Undo: fits = Move(tx.targets, stacks.done, stacks.undone); break;
            case TransactionKind::Redo: fits = Move(tx.targets, stacks.undone, stacks.done); break;
        }
        if (!fits) stacks = Stacks{};
    }
    return stacks;
}

HistoryEntry EntryOf(const JournalTransaction& tx) {
    std::string files;
    for (const FileChange& change : tx.changes)
        if (("," + files + ",").find("," + change.name + ",") == std::string::npos)
            files += (files.empty() ? "" : ",") + change.name;
    return {tx.id, tx.time, tx.Years(), tx.description, files};
}

// Moves the entries of `targets` from the front of `from` to the front of `to`.
void MoveEntries(const std::vector<std::uint64_t>& targets, std::vector<HistoryEntry>& from,
                 std::vector<HistoryEntry>& to) {
    for (std::uint64_t id : targets) {
        if (from.empty() || from.front().id != id) return;
        to.insert(to.begin(), std::move(from.front()));
        from.erase(from.begin());
    }
}

std::vector<HistoryEntry> Newest(const std::vector<const JournalTransaction*>& stack) {
    std::vector<HistoryEntry> entries;
    for (auto tx = stack.rbegin(); tx != stack.rend(); ++tx) entries.push_back(EntryOf(**tx));
    return entries;
}

// Turns one change's files on `images`, refusing a file not on the side it is turned from.
Status TurnStrictly(const FileSystem& files, const JournalTransaction& tx, bool back, TurnedFiles& images) {
    auto turn = [&](const FileChange& change) -> Status {
        if (!images.turned.count(change.name)) {
            FileImage image;
            if (Status s = ReadImage(files, change.name, image); !s.ok()) return s;
            images.read[change.name] = image;
            images.turned[change.name] = std::move(image);
        }
        FileImage& image = images.turned[change.name];
        const bool turned = back ? TurnBack(change, image) : TurnForward(change, image);
        return turned ? Status::Ok() : Status::Corruption(change.name, "changed outside the program");
    };
    if (back) {
        for (auto c = tx.changes.rbegin(); c != tx.changes.rend(); ++c)
            if (Status s = turn(*c); !s.ok()) return s;
    } else {
        for (const FileChange& c : tx.changes)
            if (Status s = turn(c); !s.ok()) return s;
    }
    return Status::Ok();
}

TurnResult Turn(JournaledFileSystem& files, std::size_t count, bool back) {
    TurnResult result;
    JournalContents contents;
    if (Status s = files.journal().Load(contents); !s.ok()) {
        result.outcome = TurnOutcome::Failed;
        result.message = s.ToString();
        return result;
    }
    Stacks stacks = StacksOf(contents);
    std::vector<const JournalTransaction*>& from = back ? stacks.done : stacks.undone;
    const char* verb = back ? "undo" : "redo";
    if (from.empty() || count == 0) {
        result.message = std::string("There is nothing to ") + verb + ".";
        return result;
    }
    if (count > from.size()) {
        result.outcome = TurnOutcome::Refused;
        result.message = "Only " + std::to_string(from.size()) + " changes can be " + (back ? "undone" : "redone") +
                         ". Nothing was changed.";
        return result;
    }
    TurnedFiles images;
    std::vector<std::uint64_t> targets;
    for (std::size_t i = 0; i < count; ++i) {
        const JournalTransaction& tx = *from[from.size() - 1 - i];
        if (Status s = TurnStrictly(files.Below(), tx, back, images); !s.ok()) {
            result.outcome = s.IsCorruption() ? TurnOutcome::Refused : TurnOutcome::Failed;
            result.message = s.IsCorruption()
                                 ? "The file " + s.fileName() + " was changed outside the program after \"" +
                                       tx.description + "\"; that change" + (back ? " and every older one" : "") +
                                       " can no longer be " + (back ? "undone" : "redone") + ". Nothing was changed."
                                 : s.ToString();
            result.turned.clear();
            return result;
        }
        targets.push_back(tx.id);
        result.turned.push_back(EntryOf(tx));
    }
    const std::string what = std::string(back ? "Undo " : "Redo ") + result.turned.front().description;
    files.Begin(what, back ? TransactionKind::Undo : TransactionKind::Redo, targets);
    std::vector<std::string> written;
    Status s = images.Write(files, written);
    if (s.ok()) {
        s = files.Commit();
    } else if (Status undone = files.RollBack(); !undone.ok()) {
        s = undone;
    }
    if (!s.ok()) {
        result.outcome = TurnOutcome::Failed;
        result.message = s.ToString() + "\r\n" + (s.IsUnfinished() ? kUnfinishedChange : kDataLeftAsItWas);
        result.turned.clear();
        return result;
    }
    result.outcome = TurnOutcome::Turned;
    for (const std::string& name : written)
        if (std::string year = YearOfFile(name); !year.empty() && std::find(result.years.begin(), result.years.end(), year) == result.years.end())
            result.years.push_back(year);
    return result;
}

}  // namespace

Status ReadHistory(Journal& journal, ChangeHistory& history) {
    JournalContents contents;
    if (Status s = journal.Load(contents); !s.ok()) return s;
    const Stacks stacks = StacksOf(contents);
    history.done = Newest(stacks.done);
    history.undone = Newest(stacks.undone);
    return Status::Ok();
}

HistoryEntry HistoryEntryOf(const JournalTransaction& tx) { return EntryOf(tx); }

void NoteCommitted(ChangeHistory& history, const JournalTransaction& tx) {
    switch (tx.kind) {
        case TransactionKind::Change:
            history.done.insert(history.done.begin(), EntryOf(tx));
            history.undone.clear();
            break;
        case TransactionKind::Undo: MoveEntries(tx.targets, history.done, history.undone); break;
        case TransactionKind::Redo: MoveEntries(tx.targets, history.undone, history.done); break;
    }
}

TurnResult UndoChanges(JournaledFileSystem& files, std::size_t count) { return Turn(files, count, true); }
TurnResult RedoChanges(JournaledFileSystem& files, std::size_t count) { return Turn(files, count, false); }

}  // namespace tessamo
