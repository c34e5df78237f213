#pragma once
// Start-up settings: reads or creates "PERSONAL.DAT", records the date of this
// start, asks for the start-up passcode when one is set (three wrong answers
// end the program) and copies the user name and date style into the shared
// state.
#include <string>

#include "core/SharedState.h"
#include "platform/Status.h"

namespace tessamo {

// AlreadyTold when the program must end: after "Sorry, three strikes and yer
// out!", or after a file failure that was shown to the user.
Status LoadSettings(SharedState& state);

// The date style a run works with: the settings' own when it is "A" or "E";
// else "A", after telling the user once (both programs call this at start).
// The settings file is not changed for it: the style stays whatever it holds
// until the user chooses a date format.
std::string StartDateStyle(const SettingsRecord& settings, Dialogs& dialogs);

// How an answer to "Passcode?" is read: upper-cased, blanks trimmed at both
// ends, then the leading-number rule (letters alone read as 0).
double ReadPasscodeAnswer(const std::string& answer);

// A number as the passcode prompt shows it again: one leading blank for a
// value that is not negative (" 0", " 1234", "-5", " 12.5").
std::string NumberWithSignSpace(double value);

}  // namespace tessamo
