#pragma once
// Transaction: one command's changes to the data folder, all or nothing.
//
//     Transaction tx(state, "Delete line 03-07-99 ($12.50) FD groceries");
//     if (DeleteRec(state, key)) tx.Commit();
//
// Every write made through the state's file system while the Transaction
// lives is journaled ahead (JournaledFileSystem); Commit() makes the change
// final, and leaving the scope without it (an early return, a refusal, a
// failed write) rolls every file back to its old bytes. A failed write has
// rolled back already when the routine sees it, so its "The stored data was
// left as it was." is true. Should a rollback fail, the user is told which
// files hold what and that the next start finishes it.
//
// The description is what history, undo and redo show; give Commit() a
// better one when the count is known only at the end ("Import of 12 lines").
// The years are those of the files changed. A command that changed nothing
// leaves no entry. Transactions nest: an inner one joins the outer one.
// Over a file system without a journal (most unit tests) it does nothing.
#include <functional>
#include <string>

#include "core/SharedState.h"
#include "journal/JournaledFileSystem.h"

namespace tessamo {

class Transaction {
public:
    Transaction(FileSystem& files, Dialogs& dialogs, const std::string& description);
    Transaction(SharedState& state, const std::string& description);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // True when the change is final (or there was nothing to journal).
    bool Commit(const std::string& description = {});
    void RollBack();
    // True when the writes are journaled (the folder has a journal).
    bool Journaled() const { return journaled_ != nullptr; }
    // Why Commit() failed; Unfinished when the files could not all be given
    // their old bytes back (the next start does it).
    const Status& Failure() const { return failure_; }

private:
    void Report(const Status& status);

    JournaledFileSystem* journaled_;
    Dialogs& dialogs_;
    bool open_ = true;
    Status failure_;
};

// Runs `write` (one or more writes of `files`) as one transaction named
// `description`, for a routine that reports through its Status: the write's
// failure (rolled back), or the commit's, comes back. Without a journal it
// only runs `write`.
Status RunAsTransaction(FileSystem& files, const std::string& description, const std::function<Status()>& write);

}  // namespace tessamo
