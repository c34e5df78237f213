#pragma once
// BackupSummary: the texts that describe a backup in the restore window's
// list and in "tessamo-cli backups": when it was made, good or bad, its
// files, and per year the ledger's lines and totals (from its manifest).
#include <string>
#include <vector>

#include "backups/BackupList.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

// "1999-03-14 18:00:00"
std::string BackupDateText(const BackupTime& time);
// Above the backups of other data folders in a listing.
inline constexpr const char* kOthersHeading = "Of another data folder (never removed or restored here):";

// "good", or "bad: <why>"; a safety copy adds ", before restoring <name>".
// Texts from the manifest have their control characters escaped.
std::string BackupStateText(const BackupEntry& entry);
// The file names, separated by ", ".
std::string BackupFilesText(const BackupEntry& entry);
// "1999: 120 lines, income $1,234.00, expenses ($567.00)" per ledger, "; " between.
std::string BackupYearsText(const BackupEntry& entry, const MoneyFormat& money);
// One line per backup, newest first, fields separated by tabs: name, date,
// state, the number of files, the years; those of other data folders after
// a line kOthersHeading.
std::string BackupListingText(const std::vector<BackupEntry>& entries, const MoneyFormat& money);

}  // namespace tessamo
