#include "journal/Transaction.h"

#include "platform/FileErrors.h"

namespace tessamo {

Transaction::Transaction(FileSystem& files, Dialogs& dialogs, const std::string& description)
    : journaled_(dynamic_cast<JournaledFileSystem*>(&files)), dialogs_(dialogs) {
    if (journaled_) journaled_->Begin(description);
}

Transaction::Transaction(SharedState& state, const std::string& description)
    : Transaction(state.env.files, state.env.dialogs, description) {}

Transaction::~Transaction() { RollBack(); }

void Transaction::Report(const Status& status) {
    // A failed write was reported by the routine that made it; what is left
    // to say is a failure of the journal's own end, or a rollback that failed.
    if (!status.ok()) (void)ReportIfFailed(dialogs_, status);
}

bool Transaction::Commit(const std::string& description) {
    if (!open_) return false;
    open_ = false;
    if (!journaled_) return true;
    const bool failedBefore = journaled_->Failed();
    failure_ = journaled_->Commit(description);
    if (!failedBefore && !failure_.ok()) Report(failure_);
    return failure_.ok();
}

void Transaction::RollBack() {
    if (!open_) return;
    open_ = false;
    if (journaled_) Report(journaled_->RollBack());
}

Status RunAsTransaction(FileSystem& files, const std::string& description, const std::function<Status()>& write) {
    auto* journaled = dynamic_cast<JournaledFileSystem*>(&files);
    if (!journaled) return write();
    journaled->Begin(description);
    if (Status s = write(); !s.ok()) {
        const Status undone = journaled->RollBack();
        return undone.ok() ? s : undone;
    }
    return journaled->Commit();
}

}  // namespace tessamo
