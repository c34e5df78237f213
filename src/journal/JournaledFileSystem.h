#pragma once
// JournaledFileSystem: the data folder as the program writes it, with every
// change of a transaction written ahead into the Journal. Outside a
// transaction it passes every call through. Inside one, each write to a file
// of the folder first has the bytes it replaces and the bytes replacing them
// appended (and synced) to the journal, then is done as the folder below does
// it; a command that writes nothing leaves nothing in the journal.
//
// When a write fails (or the journal cannot take its record) the transaction
// is rolled back at once, before the failure is returned, so a caller that
// reports "The stored data was left as it was." tells the truth. Should the
// rollback fail as well, the failure returned is Status::Unfinished, saying
// which files hold what; the journal keeps what the next start needs to end
// the rollback. Later writes of a failed transaction are refused.
//
// Working files ("*.$$$") and the journal itself are never journaled.
// Transactions nest: an inner one joins the outer one.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "journal/Journal.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace tessamo {

class JournaledFileSystem : public FileSystem {
public:
    JournaledFileSystem(FileSystem& folder, const Clock& clock, JournalLimits limits = {});

    // Opens a transaction (or joins the open one).
    void Begin(const std::string& description, TransactionKind kind = TransactionKind::Change,
               std::vector<std::uint64_t> targets = {});
    // Ends the innermost transaction. The outermost one is committed (its end
    // written and synced; `description`, when given, replaces the one it began
    // with) unless a write of it failed; then it was rolled back already and
    // that failure is returned.
    Status Commit(const std::string& description = {});
    // Ends the innermost transaction by rolling the whole transaction back.
    Status RollBack();
    bool InTransaction() const { return depth_ > 0; }
    // True once a write of the open transaction failed.
    bool Failed() const { return !failure_.ok(); }
    // Called after each committed transaction that changed something, with it.
    std::function<void(const JournalTransaction&)> committed;

    Journal& journal() { return journal_; }
    FileSystem& Below() { return folder_; }

    const std::string& Folder() const override { return folder_.Folder(); }
    std::string Resolve(const std::string& name) const override { return folder_.Resolve(name); }
    std::string PathOf(const std::string& name) const override { return folder_.PathOf(name); }
    bool Exists(const std::string& name) const override { return folder_.Exists(name); }
    Status FileLength(const std::string& name, std::uint64_t& length) const override {
        return folder_.FileLength(name, length);
    }
    Status ReadAll(const std::string& name, std::string& bytes) const override { return folder_.ReadAll(name, bytes); }
    Status ReadRange(const std::string& name, std::uint64_t offset, std::uint64_t length,
                     std::string& bytes) const override {
        return folder_.ReadRange(name, offset, length, bytes);
    }
    Status CreateIfMissing(const std::string& name) override;
    Status WriteAt(const std::string& name, std::uint64_t offset, const std::string& bytes) override;
    Status Append(const std::string& name, const std::string& bytes) override;
    Status ReplaceWhole(const std::string& name, const std::string& tempName, const std::string& bytes) override;
    Status Remove(const std::string& name) override;
    Status Rename(const std::string& from, const std::string& to) override { return folder_.Rename(from, to); }
    std::vector<std::string> List() const override { return folder_.List(); }
    std::vector<std::string> Folders() const override { return folder_.Folders(); }
    Status MakeFolder(const std::string& name) override { return folder_.MakeFolder(name); }
    Status RemoveFolder(const std::string& name) override { return folder_.RemoveFolder(name); }
    Status Inspect(const std::string& name, FileInfo& info) const override { return folder_.Inspect(name, info); }
    std::unique_ptr<FileSystem> OtherFolder(const std::string& folder) const override {
        return folder_.OtherFolder(folder);
    }
    Status WriteOutputPieces(const std::string& name, const std::string& tempName, const OutputPieces& pieces,
                             bool keepContent, const OutputCheck& check) override {
        return folder_.WriteOutputPieces(name, tempName, pieces, keepContent, check);
    }

private:
    bool Journaled(const std::string& name) const;
    // Writes `change` ahead, then runs `write`; rolls the transaction back when either fails.
    Status Guarded(FileChange change, const std::function<Status()>& write);
    Status Fail(const Status& failure);
    Status CommitFailed(const Status& failure);

    FileSystem& folder_;
    const Clock& clock_;
    Journal journal_;
    int depth_ = 0;
    JournalTransaction open_;  // the outermost transaction; its id is 0 until its Begin is written
    Status failure_;
};

}  // namespace tessamo
