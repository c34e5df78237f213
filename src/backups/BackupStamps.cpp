#include "backups/BackupStamps.h"

#include <sstream>

namespace tessamo {

std::string StampsText(const std::vector<FileStamps>& stamps) {
    std::string text;
    for (const FileStamps& s : stamps)
        text += std::to_string(s.data.size) + " " + std::to_string(s.data.mtime) + " " + std::to_string(s.data.inode) +
                " " + std::to_string(s.copy.mtime) + " " + std::to_string(s.copy.inode) + " " + s.name + "\n";
    return text;
}

bool ParseStamps(const std::string& text, std::vector<FileStamps>& stamps) {
    stamps.clear();
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream in(line);
        FileStamps s;
        if (!(in >> s.data.size >> s.data.mtime >> s.data.inode >> s.copy.mtime >> s.copy.inode)) return false;
        std::getline(in >> std::ws, s.name);
        s.copy.size = s.data.size;
        stamps.push_back(s);
    }
    return true;
}

bool TakeStamps(const FolderHandle& folder, const std::vector<std::string>& names, std::vector<FileStamp>& stamps) {
    stamps.assign(names.size(), FileStamp{});
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!folder.Stamp(names[i], stamps[i]).ok()) return false;
    return true;
}

bool StampsAgree(const FolderHandle& backup, const std::vector<std::string>& names, const std::vector<FileStamp>& now) {
    std::string text;
    std::vector<FileStamps> recorded;
    if (!backup.Read(kStampsName, text).ok() || !ParseStamps(text, recorded) || recorded.size() != names.size())
        return false;
    for (std::size_t i = 0; i < names.size(); ++i) {
        FileStamp copy;
        if (recorded[i].name != names[i] || !(recorded[i].data == now[i])) return false;
        if (!backup.Stamp(names[i], copy).ok() || !(copy == recorded[i].copy)) return false;
    }
    return true;
}

}  // namespace tessamo
