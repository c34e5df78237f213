#include "core/WordSearch.h"

#include <algorithm>
#include <optional>

#include "core/FixedText.h"
#include "platform/CodePage.h"

namespace tessamo {

namespace {

char UpperCp1252Char(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
    if (b >= 0xE0 && b != 0xF7 && b != 0xFF) return static_cast<char>(b - 0x20);  // à..þ except ÷
    switch (b) {
        case 0x9A: return static_cast<char>(0x8A);  // š
        case 0x9C: return static_cast<char>(0x8C);  // œ
        case 0x9E: return static_cast<char>(0x8E);  // ž
        case 0xFF: return static_cast<char>(0x9F);  // ÿ
        default: return c;
    }
}

Message FindNextQuestion() {
    return Message{"Find next?", "Searching...", MessageIcon::Question, MessageButtons::YesNo, Answer::Yes};
}

Message ThatsAll() {
    return Message{"That's all!", "Done searching", MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

}  // namespace

std::string UpperCp1252(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = UpperCp1252Char(c);
    return out;
}

bool NoteHasWord(const std::string& note, const std::string& word) {
    if (word.empty()) return false;
    // The run of characters since the last blank; a word that starts with the
    // search word equals it at some point, or one character later.
    std::string run;
    for (char c : UpperCp1252(TrimBlanks(note))) {
        if (c == ' ') {
            run.clear();
        } else {
            run.push_back(c);
        }
        if (run == word) return true;
        if (run.size() >= 2 && run.compare(0, run.size() - 1, word) == 0) return true;
    }
    return false;
}

void WordSearch::Run(Dialogs& dialogs, const std::vector<std::string>& notes,
                     const std::function<void(std::size_t row)>& showRow) {
    std::optional<std::string> answer = dialogs.Input("Find what?", "Search for a word", Cp1252ToUtf8(searchWord_));
    searchWord_ = UpperCp1252(TrimBlanks(Utf8ToCp1252(answer.value_or(""))));
    if (searchWord_.empty() || notes.empty()) return;
    std::size_t next = 0;  // the first row the next scan looks at
    for (;;) {
        std::size_t row = next;
        for (; row < notes.size(); ++row) {
            ++next;
            if (NoteHasWord(notes[row], searchWord_)) break;
        }
        showRow(std::min(row, notes.size() - 1));
        if (next >= notes.size()) {
            dialogs.Show(ThatsAll());
            return;
        }
        if (dialogs.Show(FindNextQuestion()) != Answer::Yes) return;
    }
}

}  // namespace tessamo
