#include "core/LoadSettings.h"

#include <cmath>
#include <cstdio>

#include "core/Dates.h"
#include "platform/FileErrors.h"
#include "core/FixedText.h"
#include "core/LeadingNumber.h"
#include "core/Settings.h"

namespace tessamo {
namespace {

constexpr int kAllowedFailures = 3;

Status RecordStartDate(SharedState& state, SettingsRecord& settings) {
    settings.SetLastStartDate(TodayText(state.env.clock));
    return TellIfFailed(state.env.dialogs, state.env.files.WriteAt(kSettingsFileName, 0, settings.Bytes()));
}

// Asks until the answer matches; AlreadyTold after the third wrong answer.
Status AskPasscode(SharedState& state, SettingsRecord& settings) {
    std::string previous;
    for (int failures = 0;;) {
        std::optional<std::string> answer = state.env.dialogs.SecretInput("Passcode?", "Passcode entry", previous);
        const double number = ReadPasscodeAnswer(answer.value_or(""));
        previous = NumberWithSignSpace(number);
        if (number == settings.PassCode()) return Status::Ok();
        if (++failures >= kAllowedFailures) {
            state.env.dialogs.Show(Message{"Sorry, three strikes and yer out!"});
            return Status::AlreadyTold();
        }
        state.env.dialogs.Show(Message{"Incorrect code. Try again."});
        // A failed start still records its date, before every new prompt.
        if (Status s = RecordStartDate(state, settings); !s.ok()) return s;
    }
}

}  // namespace

std::string StartDateStyle(const SettingsRecord& settings, Dialogs& dialogs) {
    const std::string style = settings.DateStyle();
    if (style == "A" || style == "E") return style;
    dialogs.Show(Message{"PERSONAL.DAT holds an unknown date style; dates are read month first (style \"A\") "
                         "until a date format is chosen under Options.",
                         kProgramTitle, MessageIcon::Exclamation});
    return "A";
}

double ReadPasscodeAnswer(const std::string& answer) { return LeadingNumber(TrimBlanks(ToUpperAscii(answer))); }

std::string NumberWithSignSpace(double value) {
    char text[40];
    if (std::fabs(value) < 1e15 && value == std::floor(value))
        std::snprintf(text, sizeof text, "%.0f", value);
    else
        std::snprintf(text, sizeof text, "%.15g", value);
    return value < 0 ? std::string(text) : " " + std::string(text);
}

Status LoadSettings(SharedState& state) {
    SettingsRecord settings;
    Status s = TellIfFailed(state.env.dialogs, ReadOrCreateSettings(state.env.files, state.env.clock, settings));
    if (s.ok()) s = RecordStartDate(state, settings);
    if (s.ok() && settings.PassCode() != 0) s = AskPasscode(state, settings);
    if (!s.ok()) return s;
    state.ApplySettings(settings);
    state.DateStyle = StartDateStyle(settings, state.env.dialogs);
    return Status::Ok();
}

}  // namespace tessamo
