#include "export/ExportRange.h"

#include "core/Dates.h"
#include "core/RecordFile.h"
#include "core/Records.h"

namespace tessamo {

std::string ExportRangeText(int startMonth, int endMonth, const std::string& ledgerFileName, std::size_t listRecords) {
    const std::size_t categories = listRecords > 0 ? listRecords - 1 : 0;
    return MonthName(startMonth) + " through " + MonthName(endMonth) + ", " + ledgerFileName.substr(0, 4) + "; " +
           std::to_string(categories) + " categories.";
}

std::string ExportRangeText(const SharedState& state, const std::vector<CategoryRecord>& chosen, CategoryScope scope) {
    std::string ledger;
    if (scope == CategoryScope::All) (void)state.env.files.ReadAll(state.LedgerFileName, ledger);
    return ExportRangeText(state.RepStartMonth, state.RepEndMonth, state.LedgerFileName,
                           ReportCategoryRecords(chosen, scope, ledger).size());
}

Status ExportRangeText(const FileSystem& files, const std::string& catfile, int startMonth, int endMonth,
                       const std::string& ledgerFileName, std::string& text) {
    std::size_t records = 0;
    Status s = CountRecords<CategoryRecord>(files, catfile, records);
    if (s.ok()) text = ExportRangeText(startMonth, endMonth, ledgerFileName, records);
    return s;
}

}  // namespace tessamo
