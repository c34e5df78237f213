#pragma once
// QuietState: a SharedState for routines that may show a message but touch
// no file: dialogs that answer with the default, a fixed clock, and a file
// system over a folder that does not exist.
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/PosixFileSystem.h"

namespace tessamo {

class DefaultAnswers : public Dialogs {
public:
    Answer Show(const Message& message) override { return message.defaultButton; }
    std::optional<std::string> Input(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

struct QuietState {
    explicit QuietState(const MoneyFormat& money) : env{files, dialogs, clock, money}, state(env) {
        state.SetActiveYear("1999");
    }
    PosixFileSystem files{"/nonexistent/tessamo-fuzz"};
    DefaultAnswers dialogs;
    FixedClock clock{{3, 15, 1999}};
    Env env;
    SharedState state;
};

}  // namespace tessamo
