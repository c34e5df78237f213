#include "reports/ReportWindowChoice.h"

#include <algorithm>

namespace tessamo {

void ReportWindowChoice::Reset() {
    state_.RepStartMonth = 1;
    state_.RepEndMonth = 12;
    reptype_.clear();
    categories_.clear();
}

void ReportWindowChoice::PushStartMonth() {
    int& start = state_.RepStartMonth;
    start = start >= 12 ? 1 : start + 1;
    if (start > state_.RepEndMonth) state_.RepEndMonth = start;
}

void ReportWindowChoice::PullEndMonth() {
    int& end = state_.RepEndMonth;
    end = end <= 1 ? 12 : end - 1;
    if (end < state_.RepStartMonth) state_.RepStartMonth = end;
}

bool ReportWindowChoice::Add(const CategoryRecord& category) {
    const bool listed = std::any_of(categories_.begin(), categories_.end(),
                                    [&](const CategoryRecord& c) { return c.Code == category.Code; });
    if (!listed) categories_.push_back(category);
    return !listed;
}

void ReportWindowChoice::ChooseAll(const std::vector<CategoryRecord>& all) {
    categories_.clear();
    for (const CategoryRecord& category : all) Add(category);
}

bool ReportWindowChoice::RemoveRow(int row) {
    if (row < 2) {
        categories_.clear();
        return true;
    }
    const auto index = static_cast<std::size_t>(row - 1);
    if (index < categories_.size()) categories_.erase(categories_.begin() + static_cast<std::ptrdiff_t>(index));
    return false;
}

}  // namespace tessamo
