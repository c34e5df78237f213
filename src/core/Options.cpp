#include "core/Options.h"

#include <algorithm>

#include "journal/Transaction.h"
#include "platform/FileErrors.h"
#include "core/FixedText.h"
#include "core/Settings.h"
#include "core/YearSelection.h"
#include "platform/CodePage.h"

namespace tessamo {

namespace {

constexpr std::size_t kUserNameWidth = 28;

// Stores one field through `change`; on success the state takes over the
// record as written (and with it the date style and user name).
bool StoreSetting(SharedState& state, const std::string& description,
                  const std::function<void(SettingsRecord&)>& change) {
    SettingsRecord written;
    Transaction setting(state, description);
    if (!ReportIfFailed(state.env.dialogs, ChangeSettings(state.env.files, state.env.clock, change, written)) ||
        !setting.Commit())
        return false;
    state.ApplySettings(written);
    return true;
}

Message DateFormatQuestion(const std::string& current, const std::string& proposed) {
    return Message{"Current date format is " + current + "\r\nChange to " + proposed + " ?", "Change Date Format",
                   MessageIcon::Question, MessageButtons::YesNo, Answer::No};
}

// How the dialogs name a date style.
const char* DateFormatText(const std::string& style) { return style == "E" ? "DD-MM-YY" : "MM-DD-YY"; }

}  // namespace

bool ChangeDateFormat(SharedState& state) {
    if (state.DateStyle != "A" && state.DateStyle != "E") return false;
    const std::string style = state.DateStyle == "E" ? "A" : "E";
    const std::string shown = DateFormatText(style);
    if (state.env.dialogs.Show(DateFormatQuestion(DateFormatText(state.DateStyle), shown)) != Answer::Yes)
        return false;
    if (!StoreDateStyle(state, style)) return false;
    state.env.dialogs.Show(Message{"Date format set to " + shown + " (" + style + ")"});
    return true;
}

bool ChangeUserName(SharedState& state) {
    SettingsRecord stored;
    if (!ReportIfFailed(state.env.dialogs, ReadOrCreateSettings(state.env.files, state.env.clock, stored)))
        return false;
    std::optional<std::string> answer =
        state.env.dialogs.Input("Enter name to show on reports", "Your Name?", Cp1252ToUtf8(stored.UserName()));
    if (!answer || answer->empty()) return false;
    return StoreUserName(state, Utf8ToCp1252(*answer));
}

bool StoreUserName(SharedState& state, const std::string& name) {
    const std::string stored = FixedWidth(name, kUserNameWidth);
    return StoreSetting(state, "Change of the user name", [&](SettingsRecord& r) { r.SetUserName(stored); });
}

bool StoreDateStyle(SharedState& state, const std::string& style) {
    return StoreSetting(state, "Change of the date format", [&](SettingsRecord& r) { r.SetDateStyle(style); });
}

bool ChangePassCode(SharedState& state) {
    std::optional<std::string> answer =
        state.env.dialogs.SecretInput(std::string("Enter passcode - 4 characters, numbers ONLY\r\n") + kPassCodeNote,
                                      "Passcode entry", "");
    if (!answer || answer->empty()) return false;
    const std::string code = TrimBlanks(ToUpperAscii(Utf8ToCp1252(*answer).substr(0, 4)));
    if (!std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        state.env.dialogs.Show(Message{"Bad Code! Try again..."});
        return false;
    }
    const int number = code.empty() ? 0 : std::stoi(code);
    if (!StoreSetting(state, "Change of the passcode",
                      [&](SettingsRecord& r) { r.SetPassCode(static_cast<std::int16_t>(number)); }))
        return false;
    // 0 means no passcode: saying "set to: 0" would make it sound like a code.
    if (number == 0)
        state.env.dialogs.Show(Message{"The start-up passcode is turned off: no passcode will be asked at start."});
    else
        state.env.dialogs.Show(Message{"Your passcode is set to: " + std::to_string(number) + "\r\nDont't forget!"});
    return true;
}

std::string NotesFileName(const SharedState& state) { return ActiveYear(state) + "_tsm.nts"; }

}  // namespace tessamo
