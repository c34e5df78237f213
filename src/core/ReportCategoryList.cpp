#include "core/ReportCategoryList.h"

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
