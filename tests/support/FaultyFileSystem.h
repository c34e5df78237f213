#pragma once
// FaultyFileSystem: wraps a real FileSystem and fails the operations a test
// names, the way a full disk, a read-only folder or a failed rename would:
// a failing ReplaceWhole leaves the data file untouched, as the real one does.
// A folder reached through OtherFolder() (an export's or a backup's target)
// is wrapped too and fails the same operations.
//
// FailAt() fails a step inside every writing operation instead, with a system
// error number, and leaves the files as the real one does when that step
// fails: a rewrite (ReplaceWhole) leaves the data file as it was at every
// step, naming its temp file, or the data file when the rename fails; an
// in-place write (WriteAt, Append) fails before its first byte at open and
// write, but has changed the file when only its fsync fails.
#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace tessamo {

class FaultyFileSystem : public FileSystem {
public:
    // Replace covers the atomic rewrites: ReplaceWhole and WriteOutputPieces.
    enum class Op { Read, Write, Replace, Rename, Remove, Create };
    explicit FaultyFileSystem(FileSystem& real) : real_(real), faults_(std::make_shared<Faults>()) {}

    void Fail(Op op, std::string reason = "Read-only file system") {
        faults_->failing.insert(op);
        faults_->reason = std::move(reason);
    }
    void Heal() {
        faults_->failing.clear();
        faults_->step.reset();
    }

    enum class Step { Open, Write, Sync, Rename };
    void FailAt(Step step, int error) { faults_->step = StepFault{step, error}; }
    // The same, sparing the first `skip` writing operations; with `once`,
    // only the operation after them fails (a passing fault: a rollback that
    // follows succeeds), else every one from it on (the disk is gone).
    void FailAt(Step step, int error, int skip, bool once) {
        faults_->step = StepFault{step, error, skip, once};
        faults_->ops = 0;
    }
    // The names of the files a step fault failed, in order (this folder and
    // those reached through it).
    const std::vector<std::string>& FailedFiles() const { return faults_->failedFiles; }

    const std::string& Folder() const override { return real_.Folder(); }
    std::string Resolve(const std::string& name) const override { return real_.Resolve(name); }
    std::string PathOf(const std::string& name) const override { return real_.PathOf(name); }
    bool Exists(const std::string& name) const override { return real_.Exists(name); }
    Status FileLength(const std::string& name, std::uint64_t& length) const override {
        return Fails(Op::Read) ? Failure(name) : real_.FileLength(name, length);
    }
    Status ReadAll(const std::string& name, std::string& bytes) const override {
        return Fails(Op::Read) ? Failure(name) : real_.ReadAll(name, bytes);
    }
    Status CreateIfMissing(const std::string& name) override {
        if (!real_.Exists(name) && NextOp() && StepFails({Step::Open})) return StepFailure(name);
        return Fails(Op::Create) ? Failure(name) : real_.CreateIfMissing(name);
    }
    Status WriteAt(const std::string& name, std::uint64_t offset, const std::string& bytes) override {
        NextOp();
        if (StepFails({Step::Open, Step::Write})) return StepFailure(name);
        if (StepFails({Step::Sync})) {
            (void)real_.WriteAt(name, offset, bytes);  // the bytes land; only the fsync fails
            return StepFailure(name);
        }
        return Fails(Op::Write) ? Failure(name) : real_.WriteAt(name, offset, bytes);
    }
    Status Append(const std::string& name, const std::string& bytes) override {
        NextOp();
        if (StepFails({Step::Open, Step::Write})) return StepFailure(name);
        if (StepFails({Step::Sync})) {
            (void)real_.Append(name, bytes);  // the bytes land; only the fsync fails
            return StepFailure(name);
        }
        return Fails(Op::Write) ? Failure(name) : real_.Append(name, bytes);
    }
    Status ReplaceWhole(const std::string& name, const std::string& tempName, const std::string& bytes) override {
        NextOp();
        if (StepFails({Step::Open, Step::Write, Step::Sync})) return StepFailure(tempName);
        if (StepFails({Step::Rename})) return StepFailure(name);
        return Fails(Op::Replace) ? Failure(name) : real_.ReplaceWhole(name, tempName, bytes);
    }
    Status Remove(const std::string& name) override {
        return Fails(Op::Remove) ? Failure(name) : real_.Remove(name);
    }
    Status Rename(const std::string& from, const std::string& to) override {
        if (NextOp() && StepFails({Step::Rename})) return StepFailure(from);
        return Fails(Op::Rename) ? Failure(from) : real_.Rename(from, to);
    }
    std::vector<std::string> List() const override { return real_.List(); }
    std::vector<std::string> Folders() const override { return real_.Folders(); }
    Status MakeFolder(const std::string& name) override {
        if (NextOp() && StepFails({Step::Open})) return StepFailure(name);
        return Fails(Op::Create) ? Failure(name) : real_.MakeFolder(name);
    }
    Status RemoveFolder(const std::string& name) override {
        return Fails(Op::Remove) ? Failure(name) : real_.RemoveFolder(name);
    }
    Status Inspect(const std::string& name, FileInfo& info) const override {
        return Fails(Op::Read) ? Failure(name) : real_.Inspect(name, info);
    }
    std::unique_ptr<FileSystem> OtherFolder(const std::string& folder) const override {
        return std::unique_ptr<FileSystem>(new FaultyFileSystem(real_.OtherFolder(folder), faults_));
    }
    Status WriteOutputPieces(const std::string& name, const std::string& tempName, const OutputPieces& pieces,
                             bool keepContent, const OutputCheck& check) override {
        NextOp();
        if (StepFails({Step::Open, Step::Write, Step::Sync})) return StepFailure(tempName);
        if (StepFails({Step::Rename})) return StepFailure(name);
        return Fails(Op::Replace) ? Failure(name) : real_.WriteOutputPieces(name, tempName, pieces, keepContent, check);
    }

private:
    struct StepFault {
        Step step;
        int error;
        int skip = 0;
        bool once = false;
    };
    struct Faults {
        std::set<Op> failing;
        std::string reason;
        std::optional<StepFault> step;
        std::vector<std::string> failedFiles;
        int ops = 0;  // writing operations begun since FailAt()
    };
    FaultyFileSystem(std::unique_ptr<FileSystem> owned, std::shared_ptr<Faults> faults)
        : owned_(std::move(owned)), real_(*owned_), faults_(std::move(faults)) {}

    bool NextOp() const {
        ++faults_->ops;
        return true;
    }
    bool StepFails(std::initializer_list<Step> steps) const {
        if (!faults_->step || std::find(steps.begin(), steps.end(), faults_->step->step) == steps.end()) return false;
        const int op = faults_->ops - 1 - faults_->step->skip;  // this operation among those that may fail
        return op >= 0 && (!faults_->step->once || op == 0);
    }
    Status StepFailure(const std::string& name) const {
        faults_->failedFiles.push_back(real_.Resolve(name));
        return Status::IOError(faults_->failedFiles.back(), std::strerror(faults_->step->error));
    }

    bool Fails(Op op) const { return faults_->failing.count(op) > 0; }
    Status Failure(const std::string& name) const { return Status::IOError(real_.Resolve(name), faults_->reason); }

    std::unique_ptr<FileSystem> owned_;  // set for a folder reached through OtherFolder()
    FileSystem& real_;
    std::shared_ptr<Faults> faults_;
};

}  // namespace tessamo
