#include "cli/StopOnInterrupt.h"

#include <csignal>

namespace tessamo {
namespace {

// A signal handler can reach nothing but a static lock-free flag.
std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int) { interrupted.store(true); }

}  // namespace

const std::atomic<bool>& StopOnInterrupt() {
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
    return interrupted;
}

}  // namespace tessamo
