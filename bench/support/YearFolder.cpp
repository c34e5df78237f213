#include "support/YearFolder.h"

#include <cstdio>

#include "core/RecordFile.h"
#include "support/LedgerGenerator.h"
#include "support/RequireOk.h"

namespace tessamo::bench {

void WriteTenYears(FileSystem& files) {
    const std::string categories = EncodeRecords(GenerateCategories());
    for (int year = 1990; year < 1990 + kFolderYears; ++year) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02d", year % 100);
        const std::string y = std::to_string(year);
        RequireOk(files.ReplaceWhole(y + "CATS.DAT", "tempkeys.$$$", categories));
        RequireOk(files.ReplaceWhole(y + "TSM.DAT", "temp.$$$",
                                     EncodeRecords(GenerateLedger(kLinesPerYear, digits, 30, static_cast<unsigned>(year)))));
    }
}

}  // namespace tessamo::bench
