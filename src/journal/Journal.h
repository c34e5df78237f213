#pragma once
// Journal: the file "tessamo.journal" in the data folder (a name the
// system's own file patterns do not match), holding the transactions of the
// last changes as JournalRecords describe. It is only ever appended to, each
// append synced before it returns, except when it is cut back to its limits
// or set up afresh; those rewrites are atomic (temp file, fsync, rename).
//
// Its size is bounded: after a commit that takes it past `changes`
// transactions or `bytes` bytes, the oldest transactions are dropped, whole,
// until it holds nine tenths of either.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "journal/JournalRecords.h"
#include "platform/FileSystem.h"

namespace tessamo {

inline constexpr const char* kJournalFileName = "tessamo.journal";
inline constexpr const char* kJournalTempName = "tessamo.journal.$$$";

struct JournalLimits {
    std::uint64_t changes = 1000;
    std::uint64_t bytes = 64ull << 20;
};

class Journal {
public:
    // `files` is the data folder itself, not a journaled view of it.
    Journal(FileSystem& files, JournalLimits limits);

    // The fast start-up look at the journal's last record: true when it is
    // missing, empty, or ends with a finished transaction of this folder (the
    // folder's identity and the last id are then known without reading more).
    bool EndsClean();
    // Every transaction kept, read whole.
    Status Load(JournalContents& contents);
    // The id the next transaction gets.
    Status NextId(std::uint64_t& id);
    // Tells the journal a transaction of this id was begun.
    void NoteId(std::uint64_t id) { lastId_ = std::max(id, lastId_.value_or(0)); }
    // Appends records (synced). A missing or empty journal gets its first record first.
    Status Append(const std::string& records);
    // Makes `contents` the whole journal (atomically).
    Status Rewrite(const JournalContents& contents);
    // Drops the oldest transactions when the limits are passed.
    Status KeepWithinLimits();
    // This data folder's identity as the journal's first record holds it.
    std::string FolderIdentity() const;
    FileSystem& Files() { return files_; }

private:
    Status ReadHead();

    FileSystem& files_;
    JournalLimits limits_;
    std::optional<std::uint64_t> lastId_;   // the last transaction id written, once known
    std::optional<std::uint64_t> firstId_;  // the first id kept, once known
};

}  // namespace tessamo
