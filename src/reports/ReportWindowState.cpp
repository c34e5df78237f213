#include "reports/ReportWindowState.h"

#include <algorithm>

namespace tessamo {

void ReportWindowState::Reset() {
    state_.RepStartMonth = 1;
    state_.RepEndMonth = 12;
    reptype_.clear();
    ClearCategories();
}

void ReportWindowState::PushStartMonth() {
    int& start = state_.RepStartMonth;
    start = start >= 12 ? 1 : start + 1;
    if (start > state_.RepEndMonth) state_.RepEndMonth = start;
}

void ReportWindowState::PullEndMonth() {
    int& end = state_.RepEndMonth;
    end = end <= 1 ? 12 : end - 1;
    if (end < state_.RepStartMonth) state_.RepStartMonth = end;
}

bool ReportWindowState::Add(const CategoryRecord& category) {
    const bool listed = std::any_of(categories_.begin(), categories_.end(),
                                    [&](const CategoryRecord& c) { return c.Code == category.Code; });
    if (listed) return false;
    categories_.push_back(category);
    scope_ = CategoryScope::Chosen;
    return true;
}

void ReportWindowState::ChooseAll(const std::vector<CategoryRecord>& all) {
    ClearCategories();
    for (const CategoryRecord& category : all) Add(category);
    scope_ = CategoryScope::All;
}

bool ReportWindowState::RemoveRow(int row) {
    if (row < 2) {
        ClearCategories();
        return true;
    }
    const auto index = static_cast<std::size_t>(row - 1);
    if (index < categories_.size()) {
        categories_.erase(categories_.begin() + static_cast<std::ptrdiff_t>(index));
        scope_ = CategoryScope::Chosen;
    }
    return false;
}

}  // namespace tessamo
