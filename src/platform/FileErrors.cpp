#include "platform/FileErrors.h"

namespace tessamo {

Message FileErrorMessage(const Status& status) {
    return Message{"The file " + status.fileName() + " could not be used:\r\n" + status.reason() +
                       "\r\nThe stored data was left as it was.",
                   "File Error", MessageIcon::Critical, MessageButtons::Ok, Answer::Ok};
}

bool ReportIfFailed(Dialogs& dialogs, const Status& status) {
    if (status.ok()) return true;
    dialogs.Show(FileErrorMessage(status));
    return false;
}

}  // namespace tessamo
