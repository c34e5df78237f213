#include "cli/ConsoleDialogs.h"

#include <ostream>

namespace tessamo {

std::string ConsoleLines(const std::string& text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        lines += text[i];
    }
    return lines;
}

Answer ConsoleDialogs::Show(const Message& message) {
    err_ << message.title << ": " << ConsoleLines(message.text) << "\n";
    switch (message.buttons) {
        case MessageButtons::Ok:
            return Answer::Ok;
        case MessageButtons::OkCancel:
            if (!assumeYes_) break;
            err_ << "  (answered OK: --yes)\n";
            return Answer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            if (!assumeYes_) break;
            err_ << "  (answered Yes: --yes)\n";
            return Answer::Yes;
    }
    throw QuestionRefused("the question above needs an answer; nothing was done. Run again with --yes to answer Yes.");
}

std::optional<std::string> ConsoleDialogs::Input(const std::string& prompt, const std::string& title,
                                                 const std::string&) {
    err_ << title << ": " << ConsoleLines(prompt) << "\n";
    throw QuestionRefused("the command line cannot answer this input box; nothing was done.");
}

}  // namespace tessamo
