#pragma once
// The export window's range text: "January through December, 1999; 5 categories."
// — the report window's month range, the active year and the number of
// chosen categories (the category list file's records less the blank first).
#include <cstddef>
#include <string>
#include <vector>

#include "core/ReportCategoryList.h"
#include "core/SharedState.h"
#include "platform/FileSystem.h"

namespace tessamo {

// `listRecords` is the record count of "tempcats.$$$". An empty list file
// (nothing chosen) counts 0 categories, never -1.
std::string ExportRangeText(int startMonth, int endMonth, const std::string& ledgerFileName, std::size_t listRecords);

// The same for the report window's month range and active year and the
// categories `chosen` in `scope`: with CategoryScope::All the codes the
// year's lines carry that no category holds count too, as the export lists
// them. A ledger that cannot be read adds none (the export then tells why).
std::string ExportRangeText(const SharedState& state, const std::vector<CategoryRecord>& chosen, CategoryScope scope);

// The same, counting the records of the category list file `catfile`.
Status ExportRangeText(const FileSystem& files, const std::string& catfile, int startMonth, int endMonth,
                       const std::string& ledgerFileName, std::string& text);

}  // namespace tessamo
