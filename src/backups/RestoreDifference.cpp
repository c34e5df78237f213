#include "backups/RestoreDifference.h"

#include <map>
#include <set>

#include "backups/Manifest.h"
#include "core/Amounts.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"
#include "core/Records.h"
#include "platform/CodePage.h"

namespace tessamo {
namespace {

// The whole records of `from` that `against` does not hold as often, in
// the order of `from`.
template <class Record>
std::vector<Record> Missing(const std::string& from, const std::string& against) {
    std::map<std::string, int> counts;
    for (std::size_t i = 0; i + Record::kSize <= against.size(); i += Record::kSize) ++counts[against.substr(i, Record::kSize)];
    std::vector<Record> missing;
    for (std::size_t i = 0; i + Record::kSize <= from.size(); i += Record::kSize)
        if (int& n = counts[from.substr(i, Record::kSize)]; n > 0) --n;
        else missing.push_back(Record::Decode(from.data() + i));
    return missing;
}

std::string Counted(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string LineText(const LedgerRecord& r, const MoneyFormat& money) {
    return Cp1252ToVisibleUtf8(r.Date) + "  " + Cp1252ToVisibleUtf8(r.Code) + "  " + CurrencyText(r.Amount, money) +
           "  " + Cp1252ToVisibleUtf8(TrimBlanks(r.Note));
}

std::string CategoryText(const CategoryRecord& r) {
    return Cp1252ToVisibleUtf8(r.Code) + "  " + Cp1252ToVisibleUtf8(TrimRightBlanks(r.Name));
}

struct YearFiles {
    const DataFile* ledger = nullptr;
    const DataFile* categories = nullptr;
};

std::string Bytes(const std::vector<DataFile>& files, const DataFile* backupFile) {
    if (!backupFile) return {};
    const DataFile* today = FindDataFile(files, backupFile->name);
    return today ? today->bytes : std::string();
}

std::string YearText(const std::string& year, const YearFiles& files, const std::vector<DataFile>& today,
                     const MoneyFormat& money) {
    const std::string nowLedger = Bytes(today, files.ledger), nowCats = Bytes(today, files.categories);
    const std::string oldLedger = files.ledger ? files.ledger->bytes : nowLedger;
    const std::string oldCats = files.categories ? files.categories->bytes : nowCats;
    const auto back = Missing<LedgerRecord>(oldLedger, nowLedger), gone = Missing<LedgerRecord>(nowLedger, oldLedger);
    const auto added = Missing<CategoryRecord>(oldCats, nowCats), removed = Missing<CategoryRecord>(nowCats, oldCats);
    std::vector<std::string> parts;
    if (!back.empty()) parts.push_back(Counted(back.size(), "line comes back", "lines come back"));
    if (!gone.empty()) parts.push_back(Counted(gone.size(), "line goes", "lines go"));
    if (!added.empty()) parts.push_back(Counted(added.size(), "category added", "categories added"));
    if (!removed.empty()) parts.push_back(Counted(removed.size(), "category removed", "categories removed"));
    if (parts.empty()) parts.push_back(oldLedger == nowLedger && oldCats == nowCats ? "no change" : "the same lines in another order");
    std::string text = year + ":";
    for (std::size_t i = 0; i < parts.size(); ++i) text += (i ? ", " : " ") + parts[i];
    text += "\n";
    for (const auto& r : back) text += "  + " + LineText(r, money) + "\n";
    for (const auto& r : gone) text += "  - " + LineText(r, money) + "\n";
    for (const auto& r : added) text += "  + category " + CategoryText(r) + "\n";
    for (const auto& r : removed) text += "  - category " + CategoryText(r) + "\n";
    return text;
}

std::string OtherFileText(const DataFile& file, const std::vector<DataFile>& today) {
    const DataFile* now = FindDataFile(today, file.name);
    const char* what = !now ? "comes back" : now->bytes == file.bytes ? "unchanged" : "replaced";
    return Cp1252ToUtf8(file.name) + " " + what;
}

std::string JoinedLine(const std::string& lead, const std::vector<std::string>& items) {
    if (items.empty()) return {};
    std::string text = lead;
    for (std::size_t i = 0; i < items.size(); ++i) text += (i ? ", " : " ") + items[i];
    return text + "\n";
}

}  // namespace

std::string RestoreDifferenceText(const std::vector<DataFile>& today, const std::vector<DataFile>& backup,
                                  const MoneyFormat& money) {
    std::map<std::string, YearFiles> years;
    std::vector<std::string> others, kept;
    for (const DataFile& file : backup) {
        std::string year;
        switch (YearFileOf(file.name, year)) {
            case YearFileKind::Ledger: years[year].ledger = &file; break;
            case YearFileKind::Categories: years[year].categories = &file; break;
            case YearFileKind::None: others.push_back(OtherFileText(file, today)); break;
        }
    }
    for (const DataFile& file : today)
        if (!FindDataFile(backup, file.name)) kept.push_back(Cp1252ToUtf8(file.name));
    std::string text;
    for (const auto& [year, files] : years) text += YearText(year, files, today, money);
    text += JoinedLine("Other files:", others);
    text += JoinedLine("Not in the backup, kept as they are:", kept);
    return text;
}

}  // namespace tessamo
