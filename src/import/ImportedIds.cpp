#include "import/ImportedIds.h"

#include <sstream>

namespace tessamo {

Status ImportedIds::Load(const FileSystem& files) {
    order_.clear();
    keys_.clear();
    std::string text;
    Status s = files.ReadAll(kImportedIdsFileName, text);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.find('\t') != std::string::npos && keys_.insert(line).second) order_.push_back(line);
    return s;
}

bool ImportedIds::Contains(const std::string& account, const std::string& fitid) const {
    return keys_.count(Key(account, fitid)) > 0;
}

std::string ImportedIds::Key(const std::string& account, const std::string& fitid) {
    std::string key = account + '\t' + fitid;
    for (std::size_t i = 0; i < key.size(); ++i)
        if (key[i] == '\n' || key[i] == '\r' || (key[i] == '\t' && i != account.size())) key[i] = ' ';
    return key;
}

void ImportedIds::Add(const std::string& account, const std::string& fitid) {
    std::string key = Key(account, fitid);
    if (keys_.insert(key).second) order_.push_back(std::move(key));
}

Status ImportedIds::Save(FileSystem& files) const {
    std::string text;
    for (const std::string& key : order_) text += key + "\n";
    return files.ReplaceWhole(kImportedIdsFileName, kImportedIdsTempName, text);
}

}  // namespace tessamo
