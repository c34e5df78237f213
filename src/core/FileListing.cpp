#include "core/FileListing.h"

#include <algorithm>

#include "core/FixedText.h"

namespace tessamo {

bool HasExtensionIgnoringCase(std::string_view name, std::string_view extension) {
    return name.size() >= extension.size() &&
           ToUpperAscii(name.substr(name.size() - extension.size())) == ToUpperAscii(extension);
}

std::vector<std::string> FilesInListOrder(const FileSystem& folder,
                                          const std::function<bool(const std::string&)>& wanted) {
    std::vector<std::string> names;
    for (const std::string& name : folder.List())
        if (wanted(name)) names.push_back(name);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string ua = ToUpperAscii(a), ub = ToUpperAscii(b);
        return ua != ub ? ua < ub : a < b;
    });
    return names;
}

}  // namespace tessamo
