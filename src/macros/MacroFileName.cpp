#include "macros/MacroFileName.h"

#include <algorithm>

#include "core/FileListing.h"

namespace tessamo {
namespace {

// The longest file name the usual Linux file systems hold, in bytes.
constexpr std::size_t kLongestFileName = 255;

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

}  // namespace

std::optional<std::string> MacroNameProblem(const std::string& fileName) {
    const bool leadsElsewhere = fileName.find_first_of("/\\") != std::string::npos ||
                                fileName.find("..") != std::string::npos;
    if (leadsElsewhere || std::any_of(fileName.begin(), fileName.end(), IsControl))
        return "A macro file lives in the data folder, so its name may not hold \"/\", \"\\\", \"..\" or "
               "control characters. Please type a plain name such as PAY.";
    if (fileName.size() > kLongestFileName)
        return "The macro file name is too long: a file name may have at most " + std::to_string(kLongestFileName) +
               " characters.";
    return std::nullopt;
}

std::vector<std::string> MacroFileList(const FileSystem& folder) {
    return FilesInListOrder(folder, [](const std::string& name) { return HasExtensionIgnoringCase(name, ".MCR"); });
}

}  // namespace tessamo
