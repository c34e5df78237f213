#include "backups/FolderId.h"

#include <random>

#include "core/FixedText.h"

namespace tessamo {
namespace {

constexpr std::size_t kIdLength = 32;

bool IsId(const std::string& text) {
    return text.size() == kIdLength && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

std::string NewId() {
    std::random_device random;  // the system's random source
    std::string id;
    while (id.size() < kIdLength) id += "0123456789abcdef"[random() % 16];
    return id;
}

}  // namespace

Status ReadFolderId(const FileSystem& data, std::string& id) {
    id.clear();
    std::string text;
    if (Status s = data.ReadAll(kFolderIdFileName, text); !s.ok()) return s.IsNotFound() ? Status::Ok() : s;
    text = TrimBlanks(text.substr(0, text.find('\n')));
    if (IsId(text)) id = text;
    return Status::Ok();
}

Status EnsureFolderId(const FileSystem& data, std::string& id) {
    if (Status s = ReadFolderId(data, id); !s.ok() || !id.empty()) return s;
    // A file of ours, not a data file: written beside the journal, not through it.
    const std::string made = NewId();
    if (Status s = data.OtherFolder(data.Folder())->ReplaceWhole(kFolderIdFileName, "data-folder-id.$$$", made + "\n"); !s.ok())
        return s;
    id = made;
    return Status::Ok();
}

}  // namespace tessamo
