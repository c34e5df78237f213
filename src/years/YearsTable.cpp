#include "years/YearsTable.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "core/LedgerBytes.h"
#include "core/RecordFile.h"
#include "platform/FolderHandle.h"

namespace tessamo {
namespace {

constexpr std::string_view kLedgerSuffix = "TSM.DAT";

bool IsLedgerFileName(const std::string& name) {
    if (name.size() != 4 + kLedgerSuffix.size()) return false;
    for (std::size_t i = 0; i < 4; ++i)
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return false;
    for (std::size_t i = 0; i < kLedgerSuffix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(name[4 + i])) != kLedgerSuffix[i]) return false;
    return true;
}

// Income and expense of every code of the ledger, by CodeKey.
std::unordered_map<std::uint16_t, YearCategoryTotals> TotalsByCode(std::string_view ledger) {
    std::unordered_map<std::uint16_t, YearCategoryTotals> totals;
    const LedgerBytesView view(ledger);
    for (std::size_t i = 0; i < view.size(); ++i) {
        const std::int64_t amount = view[i].Amount();
        YearCategoryTotals& code = totals[CodeKey(view[i].Code())];
        if (amount > 0) code.income += amount;
        else code.expense += MagnitudeOf(amount);
    }
    return totals;
}

void Add(YearCategoryTotals& to, const YearCategoryTotals& more) {
    to.income += more.income;
    to.expense += more.expense;
}

// The row of one read year: only the codes of its category file count.
YearRow RowOf(const std::string& year, const std::vector<CategoryRecord>& listed, std::string_view ledger,
              const std::vector<CategoryRecord>& codes) {
    YearRow row{year, {}, std::vector<YearCategoryTotals>(codes.size()), {}};
    const auto totals = TotalsByCode(ledger);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const auto same = [&](const CategoryRecord& c) { return c.Code == codes[i].Code; };
        if (std::none_of(listed.begin(), listed.end(), same)) continue;
        if (auto found = totals.find(CodeKey(codes[i].Code)); found != totals.end()) row.categories[i] = found->second;
        Add(row.all, row.categories[i]);
    }
    return row;
}

// The chosen codes (or every code of the years' files, in order of first
// appearance), each with its name in the latest year that lists it.
std::vector<CategoryRecord> TableCategories(const std::vector<std::vector<CategoryRecord>>& years,
                                            const std::vector<std::string>& codes) {
    std::vector<CategoryRecord> table;
    for (const std::string& code : codes) table.push_back(CategoryRecord::Make(code, ""));
    const auto at = [&](const std::string& code) {
        return std::find_if(table.begin(), table.end(), [&](const CategoryRecord& c) { return c.Code == code; });
    };
    for (const std::vector<CategoryRecord>& year : years)
        for (const CategoryRecord& category : year) {
            auto found = at(category.Code);
            if (found != table.end()) found->Name = category.Name;
            else if (codes.empty()) table.push_back(category);
        }
    return table;
}

// Ledger names under which no file can be read (a folder, a link that leads
// nowhere or in a loop): years named with the reason, not left out.
std::vector<YearRow> UnreadableYears(const FileSystem& folder, const YearsChoice& choice) {
    std::vector<YearRow> rows;
    FolderHandle handle;
    if (!FolderHandle::Open(folder.Folder(), handle).ok()) return rows;
    for (const std::string& name : handle.NotFiles()) {
        FileInfo info;
        if (!IsLedgerFileName(name) || (folder.Inspect(name, info).ok() && info.kind == FileKind::Regular)) continue;
        const int year = std::stoi(name.substr(0, 4));
        if (year >= choice.fromYear && year <= choice.toYear)
            rows.push_back(YearRow{name.substr(0, 4), folder.PathOf(name) + ": not a file that can be read", {}, {}});
    }
    return rows;
}

}  // namespace

std::vector<std::string> YearsInFolder(const FileSystem& folder) {
    std::vector<std::string> years;
    for (const std::string& name : folder.List())
        if (IsLedgerFileName(name)) years.push_back(name.substr(0, 4));
    std::sort(years.begin(), years.end());
    years.erase(std::unique(years.begin(), years.end()), years.end());
    return years;
}

YearsTable BuildYearsTable(const FileSystem& folder, const YearsChoice& choice) {
    std::vector<std::string> years;
    for (const std::string& year : YearsInFolder(folder))
        if (std::stoi(year) >= choice.fromYear && std::stoi(year) <= choice.toYear) years.push_back(year);
    // The category files first (they are small), so the table's codes are
    // known before the ledgers are read one at a time.
    std::vector<std::vector<CategoryRecord>> listed(years.size());
    std::vector<Status> failures(years.size());
    for (std::size_t i = 0; i < years.size(); ++i)
        failures[i] = ReadRecords(folder, years[i] + "CATS.DAT", listed[i]);
    YearsTable table;
    table.categories = TableCategories(listed, choice.codes);
    for (std::size_t i = 0; i < years.size(); ++i) {
        std::string ledger;
        Status s = failures[i].ok() ? folder.ReadAll(years[i] + std::string(kLedgerSuffix), ledger) : failures[i];
        if (!s.ok()) {
            table.years.push_back(YearRow{years[i], s.ToString(), {}, {}});
            continue;
        }
        table.years.push_back(RowOf(years[i], listed[i], ledger, table.categories));
        Add(table.all, table.years.back().all);
    }
    for (YearRow& row : UnreadableYears(folder, choice)) table.years.push_back(std::move(row));
    std::stable_sort(table.years.begin(), table.years.end(), [](const YearRow& a, const YearRow& b) { return a.year < b.year; });
    return table;
}

}  // namespace tessamo
