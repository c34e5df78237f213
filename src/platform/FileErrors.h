#pragma once
// How a file-system failure reaches the user: one message box naming the file
// and the system's reason. Routines that change data report through this and
// leave the data file as it was.
#include "platform/Dialogs.h"
#include "platform/Status.h"

namespace tessamo {

Message FileErrorMessage(const Status& status);
// Shows the message when `status` failed; returns status.ok().
bool ReportIfFailed(Dialogs& dialogs, const Status& status);

}  // namespace tessamo
