#pragma once
// How much work one statement may cause. A statement beyond a limit is
// refused with a message naming the limit before anything is planned or
// written, so a hostile or broken file cannot hold the program (and the data
// folder's lock) for long or fill the memory.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tessamo {

struct StatementLimits {
    std::uint64_t maxBytes = 64u << 20;  // the whole file
    std::size_t maxLine = 1u << 20;      // one line of the file, or one CSV field
    int maxDepth = 256;                  // OFX aggregates inside each other
};

// "" when a file of `length` bytes is within the limit, else the refusal.
std::string CheckStatementLength(std::uint64_t length, const StatementLimits& limits);

// "" when no line of `bytes` is longer than the limit, else the refusal
// naming the first such line.
std::string CheckStatementLines(const std::string& bytes, const StatementLimits& limits);

// The refusal of OFX nested deeper than the limit.
std::string OfxTooDeepText(const StatementLimits& limits);

// "1 MiB", "64 MiB", "1500 bytes": a limit as the messages name it.
std::string LimitText(std::uint64_t bytes);

}  // namespace tessamo
