#pragma once
// RequireOk: for the steps of a test or benchmark that build or read back its
// folder and must not fail. A failure ends the program with the status, so
// nothing goes on measuring or asserting against a half-built folder.
#include <cstdio>
#include <cstdlib>

#include "platform/Status.h"

namespace tessamo {

inline void RequireOk(const Status& status) {
    if (status.ok()) return;
    std::fprintf(stderr, "a set-up step failed: %s\n", status.ToString().c_str());
    std::abort();
}

}  // namespace tessamo
