#include "core/ReportCategoryList.h"

#include <algorithm>

#include "core/LedgerBytes.h"
#include "core/RecordFile.h"

namespace tessamo {

std::vector<CategoryRecord> ReportCategoryRecords(const std::vector<CategoryRecord>& chosen) {
    std::vector<CategoryRecord> records;
    if (chosen.empty()) return records;
    records.reserve(chosen.size() + 1);
    records.push_back(CategoryRecord{std::string(2, '\0'), std::string(16, '\0')});
    for (const CategoryRecord& c : chosen) records.push_back(CategoryRecord::Make(c.Code, c.Name));
    return records;
}

std::vector<CategoryRecord> ReportCategoryRecords(const std::vector<CategoryRecord>& chosen, CategoryScope scope,
                                                  std::string_view ledger) {
    if (scope == CategoryScope::Chosen) return ReportCategoryRecords(chosen);
    std::vector<bool> held(1u << 16, false);
    held[0] = true;  // the list's blank first record
    for (const CategoryRecord& c : chosen) held[CodeKey(c.Code)] = true;
    std::vector<std::uint16_t> unlisted;
    const LedgerBytesView lines(ledger);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::uint16_t key = CodeKey(lines[i].Code());
        if (!held[key]) unlisted.push_back(key);
        held[key] = true;
    }
    std::sort(unlisted.begin(), unlisted.end());
    std::vector<CategoryRecord> all = chosen;
    for (std::uint16_t key : unlisted) {
        const char code[2] = {static_cast<char>(key >> 8), static_cast<char>(key & 0xFF)};
        all.push_back(CategoryRecord::Make(std::string_view(code, 2), kNoCategoryName));
    }
    return ReportCategoryRecords(all);
}

Status MakeRepCatFile(FileSystem& files, const std::vector<CategoryRecord>& chosen) {
    // A working file, not a data file: removing it first means a failed write
    // can never leave an older selection behind under the same name.
    Status s = files.Remove(kReportCategoryFile);
    if (!s.ok()) return s;
    const std::string bytes = EncodeRecords(ReportCategoryRecords(chosen));
    return bytes.empty() ? files.CreateIfMissing(kReportCategoryFile) : files.Append(kReportCategoryFile, bytes);
}

Status ReadReportInputs(const FileSystem& files, const std::string& catfile, const std::string& ledgerFile,
                        std::vector<CategoryRecord>& categories, std::string& ledger) {
    Status s = ReadRecords(files, catfile, categories);
    return s.ok() ? files.ReadAll(ledgerFile, ledger) : s;
}

}  // namespace tessamo
