#include "import/StatementLimits.h"

#include <cstring>

namespace tessamo {

std::string LimitText(std::uint64_t bytes) {
    constexpr std::uint64_t kMiB = 1u << 20;
    if (bytes >= kMiB && bytes % kMiB == 0) return std::to_string(bytes / kMiB) + " MiB";
    return std::to_string(bytes) + " bytes";
}

std::string CheckStatementLength(std::uint64_t length, const StatementLimits& limits) {
    if (length <= limits.maxBytes) return "";
    return "the statement is larger than " + LimitText(limits.maxBytes) + ", the import's limit; nothing was read";
}

std::string CheckStatementLines(const std::string& bytes, const StatementLimits& limits) {
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    int line = 1;
    for (const char* at = begin; at < end; ++line) {
        const char* next = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
        if (!next) next = end;
        if (static_cast<std::size_t>(next - at) > limits.maxLine)
            return "line " + std::to_string(line) + " is longer than " + LimitText(limits.maxLine) +
                   ", the import's limit; nothing was read";
        at = next + 1;
    }
    return "";
}

std::string OfxTooDeepText(const StatementLimits& limits) {
    return "the OFX is nested deeper than " + std::to_string(limits.maxDepth) +
           " levels, the import's limit; nothing was read";
}

}  // namespace tessamo
