#pragma once
// ConsoleDialogs: the Dialogs interface on a terminal. Messages are written to
// standard error as "Title: text". A question (any box with more than an OK
// button) is answered Yes only when the user gave --yes; otherwise it is
// refused by throwing QuestionRefused, which ends the command with exit code 2
// before it acts on an answer. Input boxes are always refused.
#include <iosfwd>
#include <stdexcept>

#include "platform/Dialogs.h"

namespace tessamo {

class QuestionRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ConsoleDialogs : public Dialogs {
public:
    ConsoleDialogs(std::ostream& err, bool assumeYes) : err_(err), assumeYes_(assumeYes) {}
    Answer Show(const Message& message) override;
    std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override;

private:
    std::ostream& err_;
    bool assumeYes_;
};

// Message texts use CR LF between lines; a terminal wants LF alone.
std::string ConsoleLines(const std::string& text);

}  // namespace tessamo
