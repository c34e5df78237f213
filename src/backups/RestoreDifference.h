#pragma once
// RestoreDifference: what restoring a backup would change against today's
// files, as text (UTF-8) for the restore window and the command line. Per
// year of the backup, the ledger's lines that would come back ("+") and go
// ("-"), compared as whole records and counted as often as they occur, and
// the categories that would be added or removed; then the other files, and
// the files of today that the backup does not hold (they are kept). The
// records' control characters are shown as escapes, as nothing in a backup
// is trusted to be fit for a terminal.
#include <string>
#include <vector>

#include "backups/AutoBackup.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

std::string RestoreDifferenceText(const std::vector<DataFile>& today, const std::vector<DataFile>& backup,
                                  const MoneyFormat& money);

}  // namespace tessamo
