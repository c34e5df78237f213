#pragma once
// The transaction ids (FITID) of the OFX lines imported so far, per account,
// so that a statement read twice enters nothing the second time. A file of
// ours in the data folder, one "ACCOUNT<TAB>FITID" a line.
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace tessamo {

inline constexpr const char* kImportedIdsFileName = "import-ids.txt";
inline constexpr const char* kImportedIdsTempName = "tempids.$$$";

class ImportedIds {
public:
    // A missing file holds no ids.
    Status Load(const FileSystem& files);
    bool Contains(const std::string& account, const std::string& fitid) const;
    void Add(const std::string& account, const std::string& fitid);
    // Writes every id, old and new, in one atomic rewrite.
    Status Save(FileSystem& files) const;

private:
    // One line of the file; tabs and line breaks inside either part become blanks.
    static std::string Key(const std::string& account, const std::string& fitid);
    std::vector<std::string> order_;  // as read, then as added
    std::set<std::string> keys_;
};

}  // namespace tessamo
