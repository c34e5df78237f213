#include "cli/ConsoleDialogs.h"

#include <ostream>

namespace tessamo {

std::string ConsoleLines(const std::string& text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t from = 0;;) {
        const std::size_t end = text.find("\r\n", from);
        if (end == std::string::npos) return lines.append(text, from);
        lines.append(text, from, end - from) += '\n';
        from = end + 2;
    }
}

Answer ConsoleDialogs::Decline(Answer answer) {
    declined_ = true;
    err_ << "  (answered " << (answer == Answer::No ? "No" : "Cancel") << ": no --yes)\n";
    return answer;
}

Answer ConsoleDialogs::Show(const Message& message) {
    err_ << message.title << ": " << ConsoleLines(message.text) << "\n";
    if (const auto preset = preset_.find(message.text); preset != preset_.end()) {
        err_ << "  (answered " << (preset->second.first == Answer::Yes ? "Yes: " : "No: ") << preset->second.second
             << ")\n";
        return preset->second.first;
    }
    switch (message.buttons) {
        case MessageButtons::Ok:
            return Answer::Ok;
        case MessageButtons::OkCancel:
            if (!assumeYes_) return Decline(Answer::Cancel);
            err_ << "  (answered OK: --yes)\n";
            return Answer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            if (!assumeYes_) return Decline(message.buttons == MessageButtons::YesNo ? Answer::No : Answer::Cancel);
            err_ << "  (answered Yes: --yes)\n";
            return Answer::Yes;
    }
    return Decline(Answer::Cancel);
}

std::optional<std::string> ConsoleDialogs::Input(const std::string& prompt, const std::string& title,
                                                 const std::string&) {
    // Nothing can be typed in, --yes or not: the box is cancelled.
    err_ << title << ": " << ConsoleLines(prompt) << "\n  (cancelled: the command line cannot type an answer)\n";
    declined_ = true;
    return std::nullopt;
}

}  // namespace tessamo
