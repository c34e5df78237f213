#pragma once
// Note completion: the notes of this year's and the previous year's ledger,
// ranked most used first and then most recently used, with what each note
// usually goes with (the category used most often with it, and the category
// and amount of its most recent line). Built once when the entry editor
// opens; each keystroke then looks up the notes that begin with what was
// typed, letter case ignored. Texts are Windows-1252, as the files hold them.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/SharedState.h"

namespace tessamo {

struct NoteHistory {
    std::string note;         // blanks at the right removed
    int count = 0;            // lines with this note
    long latest = 0;          // when last used: year * 10000 + month * 100 + day
    std::string latestCode;   // the most recent line's category
    std::int64_t latestAmount = 0;  // and amount, signed as stored
    std::string usualCode;    // the category most often used with it (ties: the most recent)
};

// A year's ledger bytes with its four-digit year.
struct YearLedger {
    int year = 0;
    std::string bytes;
};

class NoteCompletion {
public:
    NoteCompletion() = default;
    NoteCompletion(const std::vector<YearLedger>& ledgers, const std::string& style);

    // Up to `limit` notes beginning with `typed` (letter case ignored), in
    // rank order; none for an empty text, and none equal to the text itself.
    std::vector<const NoteHistory*> Matches(std::string_view typed, std::size_t limit) const;
    // The note exactly as typed (blanks at the right ignored), if used before.
    const NoteHistory* Find(std::string_view note) const;
    std::size_t size() const { return notes_.size(); }

private:
    std::vector<NoteHistory> notes_;  // in rank order
    std::vector<std::string> folded_; // each note in lower case, same order
    std::unordered_map<std::string, std::size_t> index_;
};

// The active year's and the previous year's ledgers as the files hold them
// (a missing file is empty; nothing is created).
Status ReadCompletionLedgers(const SharedState& state, std::vector<YearLedger>& ledgers);

// Lower case of Windows-1252 text (ASCII and the accented letters).
std::string FoldCase(std::string_view text);

}  // namespace tessamo
