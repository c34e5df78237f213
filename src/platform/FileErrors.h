#pragma once
// How a file-system failure reaches the user: one message box naming the file
// and the system's reason, and what became of the stored data. Routines that
// change data report through this and leave the data file as it was.
#include <string>

#include "platform/Dialogs.h"
#include "platform/Status.h"

namespace tessamo {

inline constexpr const char* kDataLeftAsItWas = "The stored data was left as it was.";

// Said instead of the consequence when a change could neither be finished nor
// taken back (Status::Unfinished): the next start takes it back.
inline constexpr const char* kUnfinishedChange =
    "The change could not be taken back in full; the journal keeps what is needed to finish it at the next start.";

// `consequence` is the message's last line.
Message FileErrorMessage(const Status& status, const std::string& consequence = kDataLeftAsItWas);
// Shows the message when `status` failed; returns status.ok().
bool ReportIfFailed(Dialogs& dialogs, const Status& status, const std::string& consequence = kDataLeftAsItWas);
// The same for a routine that returns a Status: Ok, or AlreadyTold once the
// message was shown.
Status TellIfFailed(Dialogs& dialogs, const Status& status, const std::string& consequence = kDataLeftAsItWas);

// A print job's failure, naming the printer (the status's file name):
// "The <what> could not be printed on <printer>:" and the reason.
Message PrintFailedMessage(const std::string& what, const Status& status);

}  // namespace tessamo
