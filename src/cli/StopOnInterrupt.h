#pragma once
// Ctrl+C during a long command (sort, backup, play) sets the stop flag those
// routines check between steps, instead of killing the program mid-write.
#include <atomic>

namespace tessamo {

// Installs the handler for SIGINT and SIGTERM and returns the flag it sets.
const std::atomic<bool>& StopOnInterrupt();

}  // namespace tessamo
