#include "quickentry/NoteCompletion.h"

#include <algorithm>
#include <cstdlib>

#include "core/LedgerBytes.h"

namespace tessamo {
namespace {

struct CodeUse {
    std::uint16_t code = 0;
    int count = 0;
    long latest = 0;
};

// A note's uses while the ledgers are read.
struct Uses {
    std::string_view note;
    int count = 0;
    long latest = -1;
    std::uint16_t latestCode = 0;
    std::int64_t latestAmount = 0;
    std::vector<CodeUse> codes;
};

int TwoDigits(std::string_view text, std::size_t at) {
    const char a = text[at], b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return 0;
    return (a - '0') * 10 + (b - '0');
}

long DateKey(int year, std::string_view date, bool dayFirst) {
    const int first = TwoDigits(date, 0), second = TwoDigits(date, 3);
    return year * 10000L + (dayFirst ? second * 100 + first : first * 100 + second);
}

std::string_view TrimRight(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string CodeText(std::uint16_t code) {
    return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

void Count(Uses& uses, const LedgerBytesRecord& line, long key) {
    const std::uint16_t code = CodeKey(line.Code());
    ++uses.count;
    // Lines of equal dates: the file holds the newest first, so the first seen wins.
    if (key > uses.latest) {
        uses.latest = key;
        uses.latestCode = code;
        uses.latestAmount = line.Amount();
    }
    auto found = std::find_if(uses.codes.begin(), uses.codes.end(), [code](const CodeUse& c) { return c.code == code; });
    if (found == uses.codes.end()) found = uses.codes.insert(uses.codes.end(), CodeUse{code, 0, key});
    ++found->count;
    found->latest = std::max(found->latest, key);
}

NoteHistory Summary(const Uses& uses) {
    const CodeUse& usual = *std::max_element(uses.codes.begin(), uses.codes.end(), [](const CodeUse& a, const CodeUse& b) {
        return a.count != b.count ? a.count < b.count : a.latest < b.latest;
    });
    return NoteHistory{std::string(uses.note), uses.count, uses.latest, CodeText(uses.latestCode), uses.latestAmount,
                       CodeText(usual.code)};
}

}  // namespace

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) c = static_cast<char>(u + 0x20);
    }
    return folded;
}

NoteCompletion::NoteCompletion(const std::vector<YearLedger>& ledgers, const std::string& style) {
    std::vector<Uses> uses;
    std::unordered_map<std::string_view, std::size_t> seen;
    for (const YearLedger& ledger : ledgers) {
        const LedgerBytesView view(ledger.bytes);
        for (std::size_t i = 0; i < view.size(); ++i) {
            const LedgerBytesRecord line = view[i];
            const std::string_view note = TrimRight(line.Note());
            if (note.empty()) continue;
            auto [at, added] = seen.try_emplace(note, uses.size());
            if (added) uses.push_back(Uses{note, 0, -1, 0, 0, {}});
            Count(uses[at->second], line, DateKey(ledger.year, line.Date(), style == "E"));
        }
    }
    notes_.reserve(uses.size());
    for (const Uses& u : uses) notes_.push_back(Summary(u));
    std::stable_sort(notes_.begin(), notes_.end(), [](const NoteHistory& a, const NoteHistory& b) {
        return a.count != b.count ? a.count > b.count : a.latest > b.latest;
    });
    folded_.reserve(notes_.size());
    for (std::size_t i = 0; i < notes_.size(); ++i) {
        folded_.push_back(FoldCase(notes_[i].note));
        index_.emplace(notes_[i].note, i);
    }
}

std::vector<const NoteHistory*> NoteCompletion::Matches(std::string_view typed, std::size_t limit) const {
    std::vector<const NoteHistory*> found;
    const std::string prefix = FoldCase(TrimRight(typed));
    if (prefix.empty()) return found;
    for (std::size_t i = 0; i < folded_.size() && found.size() < limit; ++i)
        if (folded_[i].size() > prefix.size() && folded_[i].compare(0, prefix.size(), prefix) == 0)
            found.push_back(&notes_[i]);
    return found;
}

const NoteHistory* NoteCompletion::Find(std::string_view note) const {
    const auto found = index_.find(std::string(TrimRight(note)));
    return found == index_.end() ? nullptr : &notes_[found->second];
}

Status ReadCompletionLedgers(const SharedState& state, std::vector<YearLedger>& ledgers) {
    ledgers.clear();
    const int year = std::atoi(state.CurYear.c_str());
    for (const int y : {year, year - 1}) {
        YearLedger ledger{y, {}};
        const std::string name = y == year ? state.LedgerFileName : std::to_string(y) + "TSM.DAT";
        if (y < 1 || !state.env.files.Exists(name)) continue;
        if (Status s = state.env.files.ReadAll(name, ledger.bytes); !s.ok()) return s;
        ledgers.push_back(std::move(ledger));
    }
    return Status::Ok();
}

}  // namespace tessamo
