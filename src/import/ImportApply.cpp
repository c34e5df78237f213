#include "import/ImportApply.h"

#include <map>
#include <set>

#include "core/CategoryEditor.h"
#include "core/CategoryFile.h"
#include "core/LedgerEntry.h"
#include "core/RecordFile.h"
#include "core/YearSelection.h"
#include "platform/FileErrors.h"

namespace tessamo {
namespace {

// The lines going to one year file, in statement order.
struct YearLines {
    std::vector<LedgerRecord> records;
    std::vector<const PlannedLine*> lines;
};

// The year's own state over the same services; false when it was left
// without categories (declined or failed, `failed` telling which).
bool OpenYear(const SharedState& state, const std::string& year, SharedState& yearState, bool& failed) {
    yearState.DateStyle = state.DateStyle;
    yearState.SetActiveYear(state.CurYear);
    std::size_t categories = 0;
    if (!ReportIfFailed(state.env.dialogs, CountRecords<CategoryRecord>(state.env.files, year + "CATS.DAT", categories))) {
        failed = true;
        return false;
    }
    if (categories > 0) {
        yearState.SetActiveYear(year);
        return true;
    }
    const YearOutcome outcome = SelectYear(yearState, year);
    failed = outcome == YearOutcome::Failed;
    return outcome == YearOutcome::CategoriesCopied || outcome == YearOutcome::Selected;
}

// Adds the plan's new categories that the year's ticked lines use, as the
// category editor adds them; false after a refusal or failure was shown.
bool AddNewCategories(SharedState& year, const ImportPlan& plan, const YearLines& lines) {
    std::set<std::string> codes;
    for (const PlannedLine* line : lines.lines)
        if (line->createsCategory) codes.insert(line->record.Code);
    for (const CategoryRecord& category : plan.newCategories) {
        // A year set up just now may have copied it from the active year.
        std::string code = category.Code;
        if (!codes.count(code) || CategoryExists(year, code)) continue;
        if (!SaveNewCategory(year, category.Code, category.Name).ok()) return false;
    }
    return true;
}

}  // namespace

ImportOutcome ApplyImport(SharedState& state, const ImportPlan& plan, ImportedIds ids, ImportCounts& counts) {
    counts = ImportCounts{};
    std::map<std::string, YearLines> byYear;
    for (const PlannedLine& line : plan.lines) {
        if (line.state == LineState::Bad) ++counts.refused;
        else if (!line.checked) ++counts.skipped;
        if (line.state == LineState::Bad || !line.checked) continue;
        YearLines& year = byYear[line.year];
        year.records.push_back(line.record);
        year.lines.push_back(&line);
    }
    // The active year first; the map keeps the others in order.
    std::vector<std::string> order;
    if (byYear.count(state.CurYear)) order.push_back(state.CurYear);
    for (const auto& [year, lines] : byYear)
        if (year != state.CurYear) order.push_back(year);

    bool idsAdded = false;
    for (const std::string& year : order) {
        const YearLines& lines = byYear[year];
        SharedState other(state.env);
        bool failed = false;
        if (year != state.CurYear && !OpenYear(state, year, other, failed)) {
            if (failed) return ImportOutcome::Failed;
            counts.refused += lines.records.size();
            continue;
        }
        SharedState& target = year == state.CurYear ? state : other;
        if (!AddNewCategories(target, plan, lines)) return ImportOutcome::Failed;
        if (InsertValidatedRecords(target, lines.records) != EntryOutcome::Written) return ImportOutcome::Failed;
        counts.entered += lines.records.size();
        for (const PlannedLine* line : lines.lines)
            if (!line->source.fitid.empty()) ids.Add(line->source.account, line->source.fitid), idsAdded = true;
    }
    if (idsAdded && !ReportIfFailed(state.env.dialogs, ids.Save(state.env.files)))
        return ImportOutcome::Failed;
    return ImportOutcome::Done;
}

std::string ImportCountsText(const ImportCounts& counts) {
    return std::to_string(counts.entered) + " entered, " + std::to_string(counts.skipped) + " skipped, " +
           std::to_string(counts.refused) + " refused.";
}

}  // namespace tessamo
