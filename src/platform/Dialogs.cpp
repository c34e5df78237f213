#include "platform/Dialogs.h"

namespace tessamo {

Message EntryAborted(const std::string& text) {
    return Message{text, "Entry Aborted", MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

Message ConfirmYesNo(const std::string& text, MessageIcon icon) {
    return Message{text, "Confirm", icon, MessageButtons::YesNo, Answer::No};
}

}  // namespace tessamo
