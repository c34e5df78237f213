#include "import/ImportPlan.h"

#include <algorithm>
#include <cstdio>
#include <map>
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

// A ledger line's date, amount and note, the fields duplicates are told by.
std::string ContentKey(const LedgerRecord& record) {
    std::string key = record.Date + record.Note;
    key.append(reinterpret_cast<const char*>(&record.Amount), sizeof record.Amount);
    return key;
}

// What the planner knows of one year's files.
struct YearFiles {
    std::unordered_map<std::string, std::size_t> contents;  // content key -> lines not yet matched
    std::set<std::string> codes;
    std::string categoryFile;
    bool newYear = false;  // no categories yet: they would be copied from the active year
};

Status ReadYear(const SharedState& state, const std::string& year, const std::set<std::string>* activeCodes,
                YearFiles& files) {
    std::vector<LedgerRecord> ledger;
    std::vector<CategoryRecord> categories;
    files.categoryFile = year + "CATS.DAT";
    Status s = ReadRecords(state.env.files, year + "TSM.DAT", ledger);
    if (s.ok()) s = ReadRecords(state.env.files, files.categoryFile, categories);
    if (!s.ok()) return s;
    files.contents.reserve(ledger.size());
    for (const LedgerRecord& record : ledger) ++files.contents[ContentKey(record)];
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
    auto content = year.contents.find(ContentKey(line.record));
    if (hasId && (ids.Contains(source.account, source.fitid) || !seenIds.insert(source.account + '\t' + source.fitid).second)) {
        line.state = LineState::Duplicate;
        AddReason(line, "imported before (FITID " + source.fitid + ")");
    } else if (content != year.contents.end() && content->second > 0) {
        --content->second;
        line.state = LineState::Duplicate;
        AddReason(line, "the ledger holds this line");
    } else if (line.year != activeYear) {
        line.state = LineState::OtherYear;
        AddReason(line, year.newYear ? "year " + line.year + " is new: its categories would be copied"
                                     : "dated in " + line.year);
    }
    line.checked = line.state == LineState::New || (line.state == LineState::OtherYear && choices.otherYears);
    if (TrimBlanks(line.record.Code).empty()) {
        line.checked = false;
        AddReason(line, "no rule matches: choose a code");
    } else if (!year.codes.count(line.record.Code)) {
        line.checked = false;
        AddReason(line, "no category \"" + Cp1252ToUtf8(TrimRightBlanks(line.record.Code)) + "\" in " +
                            year.categoryFile);
    }
    if (line.substituted) AddReason(line, "a character the ledger cannot hold became \"?\"");
}

}  // namespace

Status PlanImport(const SharedState& state, const Statement& statement, const ImportRules& rules,
                  const ImportedIds& ids, const ImportChoices& choices, ImportPlan& plan) {
    plan.lines.clear();
    plan.lines.reserve(statement.lines.size());
    std::map<std::string, YearFiles> years;
    if (Status s = ReadYear(state, state.CurYear, nullptr, years[state.CurYear]); !s.ok()) return s;
    std::set<std::string> seenIds;
    for (const StatementLine& source : statement.lines) {
        PlannedLine line;
        line.source = source;
        if (!source.error.empty()) {
            line.state = LineState::Bad;
            line.reason = source.error;
            plan.lines.push_back(std::move(line));
            continue;
        }
        line.year = std::to_string(source.date.year);
        const ImportRule* rule = rules.Match(source.payee, source.memo, source.amount);
        line.record = LedgerRecord::Make(StoredStatementDate(source.date, state.DateStyle),
                                         rule ? rule->code : choices.defaultCode, source.amount,
                                         StatementNote(source.payee, source.memo, line.substituted));
        if (source.date.year < 1900 || source.date.year > 9999) {
            line.state = LineState::Bad;
            line.reason = "the year " + line.year + " has no year file";
            plan.lines.push_back(std::move(line));
            continue;
        }
        auto [at, added] = years.try_emplace(line.year);
        if (added) {
            if (Status s = ReadYear(state, line.year, &years[state.CurYear].codes, at->second); !s.ok()) return s;
        }
        Classify(line, at->second, ids, seenIds, state.CurYear, choices);
        plan.lines.push_back(std::move(line));
    }
    return Status::Ok();
}

}  // namespace tessamo
