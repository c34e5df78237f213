#include "core/FirstStart.h"

#include "core/CategoryEditor.h"
#include "core/CategoryFile.h"
#include "core/FixedText.h"
#include "core/Options.h"

namespace tessamo {

const std::vector<CategoryRecord>& StarterCategories() {
    static const std::vector<CategoryRecord> starters = {
        CategoryRecord::Make("FD", "Food"),      CategoryRecord::Make("HS", "Housing"),
        CategoryRecord::Make("SA", "Salary"),    CategoryRecord::Make("CA", "Car"),
        CategoryRecord::Make("UT", "Utilities"), CategoryRecord::Make("HE", "Health"),
        CategoryRecord::Make("CL", "Clothing"),  CategoryRecord::Make("EN", "Entertainment"),
    };
    return starters;
}

std::vector<CategoryRecord> StarterCategoriesToOffer(const SharedState& state) {
    std::vector<CategoryRecord> offered;
    for (const CategoryRecord& starter : StarterCategories()) {
        std::string code = starter.Code;
        if (!CategoryExists(state, code)) offered.push_back(starter);
    }
    return offered;
}

bool ApplyWelcome(SharedState& state, const WelcomeChoice& choice) {
    if (!TrimBlanks(choice.userName).empty() && !StoreUserName(state, choice.userName)) return false;
    if ((choice.dateStyle == "A" || choice.dateStyle == "E") && choice.dateStyle != state.DateStyle &&
        !StoreDateStyle(state, choice.dateStyle))
        return false;
    bool all = true;
    for (const CategoryRecord& category : choice.categories)
        all = SaveNewCategory(state, category.Code, category.Name).ok() && all;
    return all;
}

}  // namespace tessamo
