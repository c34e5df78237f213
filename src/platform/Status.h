#pragma once
// Status: the outcome of an operation that can fail. Errors are returned,
// never thrown across layers; a failed Status carries a code, the file name
// and the system's reason so that the caller can show both to the user and
// tell the kinds of failure apart. A Status must be looked at: dropping one
// is a compile warning, and a deliberate drop is written as a (void) cast
// with a comment saying why nothing follows from it.
#include <string>
#include <utility>

namespace tessamo {

class [[nodiscard]] Status {
public:
    enum class Code {
        kOk,
        kIOError,          // the system refused (permissions, full disk, failed rename …)
        kNotFound,         // the named file or folder does not exist
        kInvalidArgument,  // the caller asked for something that cannot be done
        kCorruption,       // a file's bytes do not hold what they must
        kUnfinished,       // a change stopped half-way and could not be taken back yet
        kDeclined,         // the user said no (a question answered No or Cancel)
        kAlreadyTold,      // refused, and the user was already told why: say nothing more
    };

    Status() = default;  // success
    static Status Ok() { return Status(); }
    static Status IOError(std::string fileName, std::string reason) {
        return Status(Code::kIOError, std::move(fileName), std::move(reason));
    }
    static Status NotFound(std::string fileName, std::string reason) {
        return Status(Code::kNotFound, std::move(fileName), std::move(reason));
    }
    static Status InvalidArgument(std::string fileName, std::string reason) {
        return Status(Code::kInvalidArgument, std::move(fileName), std::move(reason));
    }
    static Status Corruption(std::string fileName, std::string reason) {
        return Status(Code::kCorruption, std::move(fileName), std::move(reason));
    }

    static Status Unfinished(std::string fileName, std::string reason) {
        return Status(Code::kUnfinished, std::move(fileName), std::move(reason));
    }

    static Status Declined() { return Status(Code::kDeclined, {}, {}); }
    static Status AlreadyTold() { return Status(Code::kAlreadyTold, {}, {}); }

    bool ok() const { return code_ == Code::kOk; }
    Code code() const { return code_; }
    bool IsIOError() const { return code_ == Code::kIOError; }
    bool IsNotFound() const { return code_ == Code::kNotFound; }
    bool IsInvalidArgument() const { return code_ == Code::kInvalidArgument; }
    bool IsCorruption() const { return code_ == Code::kCorruption; }
    bool IsUnfinished() const { return code_ == Code::kUnfinished; }
    bool IsDeclined() const { return code_ == Code::kDeclined; }
    bool IsAlreadyTold() const { return code_ == Code::kAlreadyTold; }
    const std::string& fileName() const { return fileName_; }
    const std::string& reason() const { return reason_; }
    // "<file>: <reason>" (the reason alone when no file is concerned, as for
    // a word of the command line), for messages and the command line. The
    // code is not part of the text: the reason already says it in the
    // system's words.
    std::string ToString() const {
        if (ok()) return "OK";
        return fileName_.empty() ? reason_ : fileName_ + ": " + reason_;
    }

private:
    Status(Code code, std::string fileName, std::string reason)
        : code_(code), fileName_(std::move(fileName)), reason_(std::move(reason)) {}
    Code code_ = Code::kOk;
    std::string fileName_;
    std::string reason_;
};

}  // namespace tessamo
