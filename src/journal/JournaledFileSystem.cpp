#include "journal/JournaledFileSystem.h"

#include <cstdio>
#include <utility>

#include "journal/FileImages.h"

namespace tessamo {
namespace {

std::string TimeText(const Clock& clock) {
    const CalendarDate d = clock.Today();
    const TimeOfDay t = clock.TimeNow();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, t.hour, t.minute,
                  t.second);
    return text;
}

bool EndsWithWorkingSuffix(const std::string& name) {
    return name.size() >= 4 && name.compare(name.size() - 4, 4, ".$$$") == 0;
}

}  // namespace

JournaledFileSystem::JournaledFileSystem(FileSystem& folder, const Clock& clock, JournalLimits limits)
    : folder_(folder), clock_(clock), journal_(folder, limits) {}

bool JournaledFileSystem::Journaled(const std::string& name) const {
    return depth_ > 0 && !EndsWithWorkingSuffix(name) && folder_.Resolve(name) != kJournalFileName;
}

void JournaledFileSystem::Begin(const std::string& description, TransactionKind kind,
                                std::vector<std::uint64_t> targets) {
    if (depth_++ > 0) return;
    open_ = JournalTransaction{};
    open_.kind = kind;
    open_.targets = std::move(targets);
    open_.description = description;
    failure_ = Status::Ok();
}

Status JournaledFileSystem::Fail(const Status& failure) {
    Status undone = RollBackChanges(folder_, open_.changes);
    // Without its end the journal still holds the transaction; the next start
    // rolls it back (a second time, harmlessly, when this one succeeded).
    if (undone.ok() && open_.id != 0) (void)journal_.Append(EncodeEnd(open_.id, TransactionEnd::RolledBack));
    open_.changes.clear();
    open_.id = 0;
    failure_ = undone.ok() ? failure : Status::Unfinished(failure.fileName(), failure.reason() + "; " + undone.ToString());
    return failure_;
}

Status JournaledFileSystem::CommitFailed(const Status& failure) {
    // The commit mark may have reached the journal all the same. Taking the
    // change back is safe only once the journal says it is to be taken back;
    // when it cannot even say that, every file keeps its new bytes, and the
    // next start keeps the change or takes it back whole, as the journal reads.
    if (!journal_.Append(EncodeEnd(open_.id, TransactionEnd::Abandoned)).ok()) {
        open_ = JournalTransaction{};
        failure_ = Status::Unfinished(failure.fileName(), failure.reason() + "; the change was made, but the journal "
                                                                               "could not mark it finished");
        return failure_;
    }
    return Fail(failure);
}

Status JournaledFileSystem::Guarded(FileChange change, const std::function<Status()>& write) {
    if (Failed()) return failure_;
    // A write of the bytes a file already holds needs no journal record, but
    // its failure still ends the transaction at once: the routine that sees it
    // may say the data was left as it was only once the earlier files are back.
    if (change.Empty()) {
        if (Status s = write(); !s.ok()) return Fail(s);
        return Status::Ok();
    }
    std::string records;
    if (open_.id == 0) {
        std::uint64_t id = 0;
        if (Status s = journal_.NextId(id); !s.ok()) return Fail(s);
        open_.id = id;
        open_.time = TimeText(clock_);
        records = EncodeBegin(open_);
    }
    records += EncodeChange(open_.id, change);
    if (Status s = journal_.Append(records); !s.ok()) {
        if (open_.changes.empty()) open_.id = 0;  // nothing of it reached the journal, or a torn record
        return Fail(s);
    }
    journal_.NoteId(open_.id);
    open_.changes.push_back(std::move(change));
    if (Status s = write(); !s.ok()) return Fail(s);
    return Status::Ok();
}

Status JournaledFileSystem::Commit(const std::string& description) {
    if (depth_ == 0 || --depth_ > 0) return failure_;
    if (Failed()) return failure_;
    if (open_.id == 0) return Status::Ok();  // nothing was written
    const std::string renamed = description == open_.description ? std::string() : description;
    if (Status s = journal_.Append(EncodeEnd(open_.id, TransactionEnd::Committed, renamed)); !s.ok())
        return CommitFailed(s);
    JournalTransaction done = std::exchange(open_, JournalTransaction{});
    if (!renamed.empty()) done.description = renamed;
    (void)journal_.KeepWithinLimits();  // a journal left long is no harm; the next commit tries again
    if (committed) committed(done);
    return Status::Ok();
}

Status JournaledFileSystem::RollBack() {
    if (depth_ == 0) return Status::Ok();
    --depth_;
    if (Failed()) return failure_.IsUnfinished() ? failure_ : Status::Ok();
    // Later writes of an outer transaction are refused from here on.
    const Status s = Fail(Status::Corruption(kJournalFileName, "the change was rolled back"));
    if (depth_ == 0 && !s.IsUnfinished()) failure_ = Status::Ok();
    return s.IsUnfinished() ? s : Status::Ok();
}

Status JournaledFileSystem::CreateIfMissing(const std::string& name) {
    if (!Journaled(name) || folder_.Exists(name)) return folder_.CreateIfMissing(name);
    const std::string empty;
    return Guarded(ChangeBetween(name, nullptr, &empty), [&] { return folder_.CreateIfMissing(name); });
}

Status JournaledFileSystem::WriteAt(const std::string& name, std::uint64_t offset, const std::string& bytes) {
    if (!Journaled(name)) return folder_.WriteAt(name, offset, bytes);
    FileChange change;
    change.name = name;
    change.existedBefore = folder_.Exists(name);
    if (Status s = folder_.FileLength(name, change.lengthBefore); !s.ok()) return Fail(s);
    // A write past the end fills the gap with zero bytes, as the file would.
    change.offset = std::min(offset, change.lengthBefore);
    change.after = std::string(offset - change.offset, '\0') + bytes;
    if (Status s = folder_.ReadRange(name, change.offset, change.after.size(), change.before); !s.ok()) return Fail(s);
    TrimCommonBytes(change);
    return Guarded(std::move(change), [&] { return folder_.WriteAt(name, offset, bytes); });
}

Status JournaledFileSystem::Append(const std::string& name, const std::string& bytes) {
    if (!Journaled(name)) return folder_.Append(name, bytes);
    FileChange change;
    change.name = name;
    change.existedBefore = folder_.Exists(name);
    if (Status s = folder_.FileLength(name, change.lengthBefore); !s.ok()) return Fail(s);
    change.offset = change.lengthBefore;
    change.after = bytes;
    return Guarded(std::move(change), [&] { return folder_.Append(name, bytes); });
}

Status JournaledFileSystem::ReplaceWhole(const std::string& name, const std::string& tempName,
                                         const std::string& bytes) {
    if (!Journaled(name)) return folder_.ReplaceWhole(name, tempName, bytes);
    FileImage old;
    if (Status s = ReadImage(folder_, name, old); !s.ok()) return Fail(s);
    return Guarded(ChangeBetween(name, old.exists ? &old.bytes : nullptr, &bytes),
                   [&] { return folder_.ReplaceWhole(name, tempName, bytes); });
}

Status JournaledFileSystem::Remove(const std::string& name) {
    if (!Journaled(name) || !folder_.Exists(name)) return folder_.Remove(name);
    FileImage old;
    if (Status s = ReadImage(folder_, name, old); !s.ok()) return Fail(s);
    return Guarded(ChangeBetween(name, &old.bytes, nullptr), [&] { return folder_.Remove(name); });
}

}  // namespace tessamo
