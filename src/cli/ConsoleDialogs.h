#pragma once
// ConsoleDialogs: the Dialogs interface on a terminal. Messages are written to
// standard error as "Title: text". A question (any box with more than an OK
// button) is answered Yes (or OK) only when the user gave --yes. Without it
// the question gets the answer of a user who presses No (Cancel when the box
// has one; an input box is always cancelled), and Declined() turns true so
// the command ends with exit code 2 afterwards.
//
// An answer is returned rather than an exception thrown: the logic then
// takes its own declined path, the one a window user who presses No gets,
// and no routine is cut off between two steps of a change. Every question
// the commands can meet comes before anything is written, so a declined
// command has written nothing.
#include <iosfwd>
#include <map>
#include <string>

#include "platform/Dialogs.h"

namespace tessamo {

class ConsoleDialogs : public Dialogs {
public:
    ConsoleDialogs(std::ostream& err, bool assumeYes) : err_(err), assumeYes_(assumeYes) {}
    Answer Show(const Message& message) override;
    std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override;
    // True once a question was declined for want of --yes.
    bool Declined() const { return declined_; }
    // Answers the question of exactly this text with `answer`, given by an
    // option of the command (as "delete --lines" answers the records question).
    void Preset(const std::string& question, Answer answer, const std::string& why) {
        preset_[question] = {answer, why};
    }

private:
    Answer Decline(Answer answer);
    std::ostream& err_;
    bool assumeYes_;
    std::map<std::string, std::pair<Answer, std::string>> preset_;
    bool declined_ = false;
};

// Message texts use CR LF between lines; a terminal wants LF alone.
std::string ConsoleLines(const std::string& text);

}  // namespace tessamo
