#include "import/NewCategoryOffer.h"

#include "core/CategoryEditor.h"
#include "core/FixedText.h"
#include "platform/CodePage.h"

namespace tessamo {

std::string NewCategoryQuestion(const MissingCategory& missing) {
    const std::string lines = std::to_string(missing.lines) + (missing.lines == 1 ? " line goes" : " lines go");
    return lines + " under the code \"" + Cp1252ToUtf8(TrimRightBlanks(missing.code)) + "\", which " + missing.CategoryFiles() +
           " does not have.\r\nName of the new category (Cancel leaves those lines out):";
}

void AskNewCategories(Dialogs& dialogs, const ImportPlan& plan, ImportChoices& choices) {
    for (const MissingCategory& missing : plan.MissingCategories()) {
        // Asked again after a refused name, until a good one or Cancel.
        while (const auto typed = dialogs.Input(NewCategoryQuestion(missing), "New category", "")) {
            const std::string name = Utf8ToCp1252(*typed);
            if (!CheckTypedCategory(dialogs, missing.code, name).ok()) continue;
            choices.newCategories.push_back(CategoryRecord::Make(missing.code, TrimBlanks(name)));
            break;
        }
    }
}

}  // namespace tessamo
