#include "backups/BackupSummary.h"

#include <cstdio>

#include "core/Amounts.h"
#include "platform/CodePage.h"

namespace tessamo {

std::string BackupDateText(const BackupTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.date.year, t.date.month, t.date.day, t.time.hour,
                  t.time.minute, t.time.second);
    return text;
}

std::string BackupStateText(const BackupEntry& entry) {
    const std::string pinned =
        entry.manifest.pinned.empty() ? "" : ", before restoring " + Cp1252ToVisibleUtf8(entry.manifest.pinned);
    return (entry.good ? "good" : "bad: " + Cp1252ToVisibleUtf8(entry.problem)) + pinned;
}

std::string BackupFilesText(const BackupEntry& entry) {
    std::string text;
    for (const ManifestFile& f : entry.manifest.files) text += (text.empty() ? "" : ", ") + Cp1252ToVisibleUtf8(f.name);
    return text;
}

std::string BackupYearsText(const BackupEntry& entry, const MoneyFormat& money) {
    std::string text;
    for (const ManifestFile& f : entry.manifest.files) {
        std::string year;
        if (YearFileOf(f.name, year) != YearFileKind::Ledger || !f.records) continue;
        text += (text.empty() ? "" : "; ") + year + ": " + std::to_string(*f.records) +
                (*f.records == 1 ? " line" : " lines") + ", income " + CurrencyText(f.income.value_or(0), money) +
                ", expenses " + CurrencyText(f.expense.value_or(0), money);
    }
    return text;
}

std::string BackupListingText(const std::vector<BackupEntry>& entries, const MoneyFormat& money) {
    std::string own, others;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        (it->ours ? own : others) += it->name + "\t" + BackupDateText(it->time) + "\t" + BackupStateText(*it) + "\t" +
                                     std::to_string(it->manifest.files.size()) +
                                     (it->manifest.files.size() == 1 ? " file" : " files") + "\t" +
                                     BackupYearsText(*it, money) + "\n";
    return others.empty() ? own : own + kOthersHeading + "\n" + others;
}

}  // namespace tessamo
