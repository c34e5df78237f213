#pragma once
// ReportWindowState: what the report window's controls choose for a report
// or an export — the report's category list, the month range and the report
// type — and the rules its buttons follow:
//  - Start pushes the first month up by one, wrapping from December to
//    January; when it passes the last month, the last month follows it.
//  - End pulls the last month back by one, wrapping from January to
//    December; when it falls below the first month, the first follows it.
//  - A category stands on the list once: the report and the export match
//    lines by code, so a second entry of a code would double its lines and
//    every total.
//  - Removing the list's first row (or the header row) empties the list.
// The month range lives in the shared state (RepStartMonth, RepEndMonth),
// where the export reads it.
#include <string>
#include <vector>

#include "core/Records.h"
#include "core/ReportCategoryList.h"
#include "core/SharedState.h"

namespace tessamo {

// The texts of the category panel.
inline constexpr const char* kSelectCategoriesText = "(Select Categories)";
inline constexpr const char* kSelectedCategoriesText = "Selected Categories...";
inline constexpr const char* kAllCategoriesChosenText = "All Categories!";

class ReportWindowState {
public:
    explicit ReportWindowState(SharedState& state) : state_(state) {}

    // As the window opens: months 1 to 12, an empty list, no report type.
    void Reset();

    int StartMonth() const { return state_.RepStartMonth; }
    int EndMonth() const { return state_.RepEndMonth; }
    void PushStartMonth();  // rtbStartMonth
    void PullEndMonth();    // rtbEndMonth

    // "S", "F", or empty until a type was chosen (empty gives a summary).
    const std::string& ReportType() const { return reptype_; }
    void SetReportType(const std::string& reptype) { reptype_ = reptype; }

    const std::vector<CategoryRecord>& Categories() const { return categories_; }
    // Adds the category at the end; false, and nothing added, when its code
    // is on the list already.
    bool Add(const CategoryRecord& category);
    // The categories of `all` in order, each code once (rtbAll).
    void ChooseAll(const std::vector<CategoryRecord>& all);
    // The list's grid row `row` counts the header as row 0: rows 0 and 1
    // empty the whole list, a later row removes that category alone.
    // Returns true when the list was emptied.
    bool RemoveRow(int row);
    void ClearCategories() {
        categories_.clear();
        scope_ = CategoryScope::Chosen;
    }
    // All while the list is what All Cats made it; a category added or
    // removed after that makes it a list of chosen categories.
    CategoryScope Scope() const { return scope_; }

private:
    SharedState& state_;
    std::string reptype_;
    std::vector<CategoryRecord> categories_;
    CategoryScope scope_ = CategoryScope::Chosen;
};

}  // namespace tessamo
