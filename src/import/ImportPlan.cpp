#include "import/ImportPlan.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string_view>
#include <set>
#include <unordered_map>

#include "core/FixedText.h"
#include "core/RecordFile.h"
#include "platform/CodePage.h"

namespace tessamo {

const char* LineStateName(LineState state) {
    switch (state) {
        case LineState::New:
            return "new";
        case LineState::Duplicate:
            return "duplicate";
        case LineState::OtherYear:
            return "other year";
        case LineState::Bad:
            break;
    }
    return "bad";
}

std::size_t ImportPlan::Count(LineState state) const {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [state](const PlannedLine& l) { return l.state == state; }));
}

std::size_t ImportPlan::CheckedCount() const {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [](const PlannedLine& l) { return l.checked; }));
}

std::size_t ImportPlan::AwaitingCount() const {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [](const PlannedLine& l) { return l.awaitsCategory; }));
}

std::string MissingCategory::CategoryFiles() const {
    std::string files;
    for (const std::string& year : years) files += (files.empty() ? "" : ", ") + year + "CATS.DAT";
    return files;
}

std::vector<MissingCategory> ImportPlan::MissingCategories() const {
    std::map<std::string, std::map<std::string, std::size_t>> byCode;
    for (const PlannedLine& line : lines)
        if (line.awaitsCategory) ++byCode[line.record.Code][line.year];
    std::vector<MissingCategory> missing;
    for (const auto& [code, years] : byCode) {
        MissingCategory& m = missing.emplace_back(MissingCategory{code, {}, 0});
        for (const auto& [year, count] : years) m.years.push_back(year), m.lines += count;
    }
    return missing;
}

std::string StatementNote(const std::string& payee, const std::string& memo, bool& substituted) {
    std::string joined = TrimBlanks(payee);
    const std::string extra = TrimBlanks(memo);
    if (!extra.empty() && joined.find(extra) == std::string::npos) joined += joined.empty() ? extra : " / " + extra;
    std::string folded;
    for (char c : joined) {
        const bool blank = static_cast<unsigned char>(c) < 0x20 || c == ' ' || c == 0x7F;
        if (!blank) folded += c;
        else if (!folded.empty() && folded.back() != ' ') folded += ' ';
    }
    substituted = false;
    return FixedWidth(TrimRightBlanks(Utf8ToCp1252(TrimRightBlanks(folded), &substituted)), 40);
}

std::string StoredStatementDate(const CalendarDate& date, const std::string& style) {
    char text[16];
    const int first = style == "E" ? date.day : date.month, second = style == "E" ? date.month : date.day;
    std::snprintf(text, sizeof text, "%02d-%02d-%02d", first % 100, second % 100, date.year % 100);
    return text;
}

namespace {

// A ledger line's date, amount and note, the fields duplicates are told by,
// viewed where they are stored (a planned line's record, a ledger file's bytes).
struct ContentKey {
    std::string_view date;
    std::string_view note;
    std::int64_t amount = 0;
    bool operator==(const ContentKey&) const = default;
};

struct ContentHash {
    std::size_t operator()(const ContentKey& key) const {
        const std::hash<std::string_view> text;
        return text(key.date) ^ (text(key.note) * 31) ^ (std::hash<std::int64_t>()(key.amount) * 1000003);
    }
};

ContentKey KeyOf(const LedgerRecord& record) { return {record.Date, record.Note, record.Amount}; }

// What the planner knows of one year's files: for each content key of the
// statement's lines in that year, how many ledger lines hold it and are not
// yet matched.
struct YearFiles {
    std::unordered_map<ContentKey, std::size_t, ContentHash> contents;
    std::set<std::string> codes;
    std::string categoryFile;
    bool newYear = false;  // no categories yet: they would be copied from the active year
};

// Counts the ledger lines equal to one of `lines`; the ledger's bytes are
// read in place, as there may be many of them.
Status ReadYear(const SharedState& state, const std::string& year, const std::vector<const PlannedLine*>& lines,
                const std::set<std::string>* activeCodes, YearFiles& files) {
    std::string ledger;
    std::vector<CategoryRecord> categories;
    files.categoryFile = year + "CATS.DAT";
    Status s = state.env.files.ReadAll(year + "TSM.DAT", ledger);
    if (s.ok()) s = ReadRecords(state.env.files, files.categoryFile, categories);
    if (!s.ok()) return s;
    files.contents.reserve(lines.size());
    for (const PlannedLine* line : lines) files.contents.emplace(KeyOf(line->record), 0);
    const std::string_view bytes(ledger);
    for (std::size_t at = 0; at + LedgerRecord::kSize <= bytes.size(); at += LedgerRecord::kSize) {
        const ContentKey key{bytes.substr(at, 8), bytes.substr(at + 18, 40),
                             DecodeInt64(bytes.data() + at + LedgerRecord::kAmountOffset)};
        if (auto found = files.contents.find(key); found != files.contents.end()) ++found->second;
    }
    for (const CategoryRecord& category : categories) files.codes.insert(category.Code);
    files.newYear = categories.empty() && activeCodes != nullptr;
    if (files.newYear) files.codes = *activeCodes;
    return Status::Ok();
}

void AddReason(PlannedLine& line, const std::string& reason) {
    line.reason += (line.reason.empty() ? "" : "; ") + reason;
}

// The state and tick of a readable line in its year.
void Classify(PlannedLine& line, YearFiles& year, const ImportedIds& ids, std::set<std::string>& seenIds,
              const std::string& activeYear, const ImportChoices& choices) {
    const StatementLine& source = line.source;
    const bool hasId = !source.fitid.empty();
    std::size_t& unmatched = year.contents[KeyOf(line.record)];
    if (hasId && (ids.Contains(source.account, source.fitid) || !seenIds.insert(source.account + '\t' + source.fitid).second)) {
        line.state = LineState::Duplicate;
        AddReason(line, "imported before (FITID " + source.fitid + ")");
    } else if (unmatched > 0) {
        --unmatched;
        line.state = LineState::Duplicate;
        AddReason(line, "the ledger holds this line");
    } else if (line.year != activeYear) {
        line.state = LineState::OtherYear;
        AddReason(line, year.newYear ? "year " + line.year + " is new: its categories would be copied"
                                     : "dated in " + line.year);
    }
    line.checked = line.state == LineState::New || (line.state == LineState::OtherYear && choices.otherYears);
    const std::string code = Cp1252ToUtf8(TrimRightBlanks(line.record.Code));
    const auto created = std::find_if(choices.newCategories.begin(), choices.newCategories.end(),
                                      [&](const CategoryRecord& c) { return c.Code == line.record.Code; });
    if (code.empty()) {
        line.codeMissing = true;
        AddReason(line, "no rule matches: choose a code");
    } else if (!year.codes.count(line.record.Code) && created != choices.newCategories.end()) {
        line.createsCategory = true;
        AddReason(line, "category \"" + code + " " + Cp1252ToUtf8(TrimRightBlanks(created->Name)) +
                            "\" is added to " + year.categoryFile);
    } else if (!year.codes.count(line.record.Code)) {
        line.codeMissing = true;
        line.awaitsCategory = line.checked;
        AddReason(line, "no category \"" + code + "\" in " + year.categoryFile);
    }
    if (line.codeMissing) line.checked = false;
    if (line.substituted) AddReason(line, "a character the ledger cannot hold became \"?\"");
}

// The ledger line a readable statement line would become; false for a bad line.
bool PlanLine(const SharedState& state, const StatementLine& source, const ImportRules& rules,
              const ImportChoices& choices, PlannedLine& line) {
    line.source = source;
    if (!source.error.empty()) {
        line.state = LineState::Bad;
        line.reason = source.error;
        return false;
    }
    line.year = std::to_string(source.date.year);
    const ImportRule* rule = rules.Match(source.payee, source.memo, source.amount);
    line.record = LedgerRecord::Make(StoredStatementDate(source.date, state.DateStyle),
                                     rule ? rule->code : choices.defaultCode, source.amount,
                                     StatementNote(source.payee, source.memo, line.substituted));
    if (source.date.year >= 1900 && source.date.year <= 9999) return true;
    line.state = LineState::Bad;
    line.reason = "the year " + line.year + " has no year file";
    return false;
}

}  // namespace

Status PlanImport(const SharedState& state, const Statement& statement, const ImportRules& rules,
                  const ImportedIds& ids, const ImportChoices& choices, ImportPlan& plan) {
    plan.lines.clear();
    plan.lines.resize(statement.lines.size());
    plan.newCategories = choices.newCategories;
    // Lines by year, the active year first; the keys view into plan.lines, which stays put from here on.
    std::map<std::string, std::vector<const PlannedLine*>> byYear{{state.CurYear, {}}};
    for (std::size_t i = 0; i < statement.lines.size(); ++i)
        if (PlanLine(state, statement.lines[i], rules, choices, plan.lines[i]))
            byYear[plan.lines[i].year].push_back(&plan.lines[i]);
    std::map<std::string, YearFiles> years;
    YearFiles& active = years[state.CurYear];
    if (Status s = ReadYear(state, state.CurYear, byYear[state.CurYear], nullptr, active); !s.ok()) return s;
    for (const auto& [year, lines] : byYear)
        if (year != state.CurYear)
            if (Status s = ReadYear(state, year, lines, &active.codes, years[year]); !s.ok()) return s;
    std::set<std::string> seenIds;
    for (PlannedLine& line : plan.lines)
        if (line.state != LineState::Bad) Classify(line, years[line.year], ids, seenIds, state.CurYear, choices);
    return Status::Ok();
}

}  // namespace tessamo
