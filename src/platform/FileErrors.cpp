#include "platform/FileErrors.h"

namespace tessamo {

Message FileErrorMessage(const Status& status, const std::string& consequence) {
    return Message{"The file " + status.fileName() + " could not be used:\r\n" + status.reason() + "\r\n" +
                       (status.IsUnfinished() ? std::string(kUnfinishedChange) : consequence),
                   "File Error", MessageIcon::Critical, MessageButtons::Ok, Answer::Ok};
}

bool ReportIfFailed(Dialogs& dialogs, const Status& status, const std::string& consequence) {
    if (status.ok()) return true;
    dialogs.Show(FileErrorMessage(status, consequence));
    return false;
}

Status TellIfFailed(Dialogs& dialogs, const Status& status, const std::string& consequence) {
    return ReportIfFailed(dialogs, status, consequence) ? Status::Ok() : Status::AlreadyTold();
}

Message PrintFailedMessage(const std::string& what, const Status& status) {
    return Message{"The " + what + " could not be printed on " + status.fileName() + ":\r\n" + status.reason(),
                   kProgramTitle, MessageIcon::Exclamation};
}

}  // namespace tessamo
