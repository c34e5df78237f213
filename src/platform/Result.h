#pragma once
// Result<T>: a value, or the Status saying why there is none. A routine that
// makes something and can fail returns one; the caller looks at ok() before
// value(). Built from a T (success) or from a failed Status.
#include <cassert>
#include <optional>
#include <utility>

#include "platform/Status.h"

namespace tessamo {

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Status failure) : status_(AsFailure(std::move(failure))) {}

    bool ok() const { return value_.has_value(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const Status& status() const { return status_; }

private:
    // A success Status carries no value: that is the caller's mistake, caught
    // by the assert, and never taken for a success in a release build.
    static Status AsFailure(Status status) {
        assert(!status.ok());
        return status.ok() ? Status::InvalidArgument({}, "no value was made") : status;
    }

    std::optional<T> value_;
    Status status_;
};

}  // namespace tessamo
