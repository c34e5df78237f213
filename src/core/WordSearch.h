#pragma once
// The word search over the notes of the listed lines. A note matches when one
// of its blank-separated words begins with the search word, letter case
// ignored ("rent" finds "Paid rent" and "RENTAL car"). The search runs over the
// item list's note column from its header row ("Note") down, stopping at each
// match to ask "Find next?", and says "That's all!" when it reaches the end.
// Texts are Windows-1252 bytes, as in the records.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace tessamo {

// Upper case of a Windows-1252 text, accented letters included.
std::string UpperCp1252(std::string_view text);

// True when a blank-separated word of `note` begins with `word`; `word` is
// upper case and trimmed, and an empty word matches nothing.
bool NoteHasWord(const std::string& note, const std::string& word);

class WordSearch {
public:
    // Asks "Find what?" (offering the last word) and searches `notes`, row 0
    // being the header. `showRow` gets the row each scan stopped on: the match,
    // or the last row when none was found further down. An empty word does not
    // search.
    void Run(Dialogs& dialogs, const std::vector<std::string>& notes,
             const std::function<void(std::size_t row)>& showRow);

    // The last word asked for, upper case and trimmed (Windows-1252).
    const std::string& SearchWord() const { return searchWord_; }

private:
    std::string searchWord_;
};

}  // namespace tessamo
