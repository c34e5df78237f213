#pragma once
// Status: the outcome of a file-system operation. Errors are returned, never
// thrown across layers; a failed Status carries the file name and the system's
// reason so that the caller can show both to the user.
#include <string>
#include <utility>

namespace tessamo {

class Status {
public:
    Status() = default;  // success
    static Status Ok() { return Status(); }
    static Status IOError(std::string fileName, std::string reason) {
        return Status(std::move(fileName), std::move(reason));
    }

    bool ok() const { return !failed_; }
    const std::string& fileName() const { return fileName_; }
    const std::string& reason() const { return reason_; }
    // "<file>: <reason>", for messages and the command line.
    std::string ToString() const { return ok() ? "OK" : fileName_ + ": " + reason_; }

private:
    Status(std::string fileName, std::string reason)
        : failed_(true), fileName_(std::move(fileName)), reason_(std::move(reason)) {}
    bool failed_ = false;
    std::string fileName_;
    std::string reason_;
};

}  // namespace tessamo
