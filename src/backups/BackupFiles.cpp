#include "backups/BackupFiles.h"

#include <algorithm>

#include "backups/FolderId.h"
#include "core/FixedText.h"
#include "due/ScheduleFile.h"
#include "import/ImportRules.h"
#include "import/ImportedIds.h"
#include "tools/Backup.h"

namespace tessamo {
namespace {

bool IsOwnFile(const std::string& name) {
    return std::any_of(OwnFileNames().begin(), OwnFileNames().end(),
                       [&](const std::string& own) { return ToUpperAscii(own) == ToUpperAscii(name); });
}

}  // namespace

const std::vector<std::string>& OwnFileNames() {
    static const std::vector<std::string> names{kImportRulesFileName, kImportedIdsFileName, kScheduleFileName,
                                                kFolderIdFileName};
    return names;
}

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '/' || byte < 0x20 || byte == 0x7f;
    });
}

bool IsBackedUpFileName(const std::string& name) {
    return IsPlainFileName(name) && (IsBackupFile(name) || IsOwnFile(name));
}

std::vector<std::string> FilesToBackUp(const FileSystem& data) {
    // A name a manifest could not hold (a control character in it) is no
    // file of the system's: copying it would only make every backup bad.
    std::vector<std::string> names;
    for (const std::string& name : BackupFileList(data))
        if (IsPlainFileName(name)) names.push_back(name);
    for (const std::string& own : OwnFileNames())
        if (data.Exists(own)) names.push_back(data.Resolve(own));
    return names;
}

}  // namespace tessamo
