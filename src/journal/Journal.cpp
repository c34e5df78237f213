#include "journal/Journal.h"

#include <algorithm>

namespace tessamo {

Journal::Journal(FileSystem& files, JournalLimits limits) : files_(files), limits_(limits) {}

std::string Journal::FolderIdentity() const {
    FileInfo info;
    if (!files_.Inspect(".", info).ok()) return files_.Folder();
    return std::to_string(info.file.device) + ":" + std::to_string(info.file.inode);
}

Status Journal::ReadHead() {
    std::string head;
    if (Status s = files_.ReadRange(kJournalFileName, 0, 4096, head); !s.ok()) return s;
    std::string folder;
    std::uint64_t first = 0;
    if (head.empty()) {
        firstId_ = 1;
        lastId_ = 0;
    } else if (ReadFolderRecord(head, folder, first) && folder == FolderIdentity()) {
        firstId_ = first;
    }
    return Status::Ok();
}

bool Journal::EndsClean() {
    std::uint64_t length = 0;
    if (!files_.FileLength(kJournalFileName, length).ok() || !ReadHead().ok()) return false;
    if (length == 0) return true;
    if (!firstId_) return false;  // damaged, or another folder's
    std::string tail;
    const std::uint64_t from = length > kTailReadSize ? length - kTailReadSize : 0;
    if (!files_.ReadRange(kJournalFileName, from, kTailReadSize, tail).ok()) return false;
    const std::optional<std::uint64_t> id = EndedIdOfTail(tail);
    if (id) lastId_ = id;
    else if (length < kTailReadSize) {
        // A journal of its first record alone ends clean too.
        std::string folder;
        std::uint64_t first = 0;
        if (ReadFolderRecord(tail, folder, first) && EncodeFolderRecord(folder, first).size() == length) {
            lastId_ = first - 1;
            return true;
        }
    }
    return id.has_value();
}

Status Journal::Load(JournalContents& contents) {
    std::string bytes;
    if (Status s = files_.ReadAll(kJournalFileName, bytes); !s.ok()) return s;
    contents = ParseJournal(bytes);
    std::uint64_t last = contents.firstId ? contents.firstId - 1 : 0;
    for (const JournalTransaction& tx : contents.transactions) last = std::max(last, tx.id);
    lastId_ = std::max(last, lastId_.value_or(0));
    if (!contents.transactions.empty()) firstId_ = contents.transactions.front().id;
    return Status::Ok();
}

Status Journal::NextId(std::uint64_t& id) {
    if (!lastId_ && !EndsClean()) {
        JournalContents contents;
        if (Status s = Load(contents); !s.ok()) return s;
    }
    id = lastId_.value_or(0) + 1;
    return Status::Ok();
}

Status Journal::Append(const std::string& records) {
    std::uint64_t length = 0;
    if (Status s = files_.FileLength(kJournalFileName, length); !s.ok()) return s;
    std::string bytes;
    if (length == 0) {
        std::uint64_t next = 1;
        if (Status s = NextId(next); !s.ok()) return s;
        firstId_ = next;
        bytes = EncodeFolderRecord(FolderIdentity(), next);
    }
    bytes += records;
    return files_.Append(kJournalFileName, bytes);
}

Status Journal::Rewrite(const JournalContents& contents) {
    const std::uint64_t first =
        contents.transactions.empty() ? lastId_.value_or(0) + 1 : contents.transactions.front().id;
    std::string bytes = EncodeFolderRecord(FolderIdentity(), first);
    for (const JournalTransaction& tx : contents.transactions) bytes += EncodeTransaction(tx);
    if (Status s = files_.ReplaceWhole(kJournalFileName, kJournalTempName, bytes); !s.ok()) return s;
    firstId_ = first;
    return Status::Ok();
}

Status Journal::KeepWithinLimits() {
    std::uint64_t length = 0;
    if (Status s = files_.FileLength(kJournalFileName, length); !s.ok()) return s;
    if (!firstId_ && !ReadHead().ok()) return Status::Ok();
    const std::uint64_t count = lastId_ && firstId_ && *lastId_ >= *firstId_ ? *lastId_ - *firstId_ + 1 : 0;
    if (length <= limits_.bytes && count <= limits_.changes) return Status::Ok();
    JournalContents contents;
    if (Status s = Load(contents); !s.ok()) return s;
    auto& txs = contents.transactions;
    std::uint64_t size = 0;
    for (const JournalTransaction& tx : txs) size += EncodeTransaction(tx).size();
    std::size_t drop = 0;
    const std::uint64_t keptBytes = limits_.bytes - limits_.bytes / 10, keptChanges = limits_.changes - limits_.changes / 10;
    while (drop < txs.size() && (size > keptBytes || txs.size() - drop > keptChanges))
        size -= EncodeTransaction(txs[drop++]).size();
    txs.erase(txs.begin(), txs.begin() + static_cast<std::ptrdiff_t>(drop));
    return Rewrite(contents);
}

}  // namespace tessamo
