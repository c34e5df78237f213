#pragma once
// The years side by side: for chosen category codes, each year's income and
// expense per category and in all, over the year files of the data folder
// (a year is there when its ledger file, year + "TSM.DAT", is). The files are
// read one year at a time. A code the year's category file lacks counts 0
// in that year, as the year's report would; a year whose files cannot be
// read is listed with the reason and left out of the sums.
#include <string>
#include <vector>

#include "core/Amounts.h"
#include "core/Records.h"
#include "platform/FileSystem.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

struct YearCategoryTotals {
    AmountSum income = 0;
    AmountSum expense = 0;  // positive
};

struct YearRow {
    std::string year;                            // four digits
    std::string failure;                         // why the year could not be read; empty when read
    std::vector<YearCategoryTotals> categories;  // one per code of the table, in its order
    YearCategoryTotals all;
};

struct YearsTable {
    std::vector<CategoryRecord> categories;  // the codes, with the name of the latest year holding each
    std::vector<YearRow> years;              // ascending
    YearCategoryTotals all;                  // the read years together
};

struct YearsChoice {
    std::vector<std::string> codes;  // empty: every code of the years' category files
    int fromYear = 0;                // 0: no lower bound
    int toYear = 9999;
};

// The four-digit years of the folder's ledger files, ascending.
std::vector<std::string> YearsInFolder(const FileSystem& folder);

YearsTable BuildYearsTable(const FileSystem& folder, const YearsChoice& choice);

// The table as aligned text lines (UTF-8) and as comma-separated values
// (plain numbers with two decimals, a header line first), each line ended by
// a line feed.
std::string YearsTableText(const YearsTable& table, const MoneyFormat& money);
std::string YearsTableCsv(const YearsTable& table);

}  // namespace tessamo
