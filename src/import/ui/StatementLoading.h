#pragma once
// Reading a statement for the import window without freezing it: the file is
// read and its lines parsed on a worker thread; when that takes longer than a
// moment, a progress dialog with Cancel stands over `parent`. The work is
// bounded by the statement limits, so a cancelled reading ends on its own
// soon after and its result is dropped.
#include <string>

#include "import/StatementFile.h"

class QWidget;

namespace tessamo {

// False when the user cancelled; else true with `status` (the reading's own
// outcome) and, when it is ok, `loaded`.
bool LoadStatementWithProgress(QWidget* parent, const FileSystem& files, const std::string& path,
                               const StatementLimits& limits, LoadedStatement& loaded, Status& status);

}  // namespace tessamo
