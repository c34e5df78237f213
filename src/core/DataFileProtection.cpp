#include "core/DataFileProtection.h"

#include <algorithm>

#include "core/FixedText.h"
#include "platform/InstanceLock.h"

namespace tessamo {
namespace {

bool EndsWithUpper(const std::string& upper, const char* end) {
    const std::string tail(end);
    return upper.size() >= tail.size() && upper.compare(upper.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

bool HasDataFileExtension(const std::string& name) {
    const std::string upper = ToUpperAscii(name);
    return EndsWithUpper(upper, ".MCR") || EndsWithUpper(upper, ".DAT") || EndsWithUpper(upper, ".NTS");
}

bool IsDataFolderFileName(const std::string& name) {
    return HasDataFileExtension(name) || EndsWithUpper(ToUpperAscii(name), ".$$$") || name == kInstanceLockName;
}

DataFileProtection::DataFileProtection(const FileSystem& dataFolder) {
    FileInfo info;
    if (dataFolder.Inspect(".", info).ok() && info.kind == FileKind::Directory) folder_ = info.file;
    for (const std::string& name : dataFolder.List()) {
        if (IsDataFolderFileName(name) && dataFolder.Inspect(name, info).ok() && info.kind != FileKind::Missing)
            files_.push_back(info.file);
    }
}

bool DataFileProtection::Protects(const FileInfo& target) const {
    if (target.kind != FileKind::Missing && std::find(files_.begin(), files_.end(), target.file) != files_.end())
        return true;
    return target.folder == folder_ && IsDataFolderFileName(target.name);
}

OutputCheck DataFileProtection::Check(const Status& refusal, bool& refused) const {
    refused = false;
    return [this, refusal, &refused](const FileInfo& target) {
        refused = Protects(target);
        return refused ? refusal : Status::Ok();
    };
}

}  // namespace tessamo
