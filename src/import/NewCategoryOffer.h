#pragma once
// The import window's offer of the categories its lines await: for each
// code that lines would be entered under but their year lacks, the user is
// asked for the new category's name, checked as the category editor checks
// it. The named ones join the choices and are created on Import.
#include "import/ImportPlan.h"
#include "platform/Dialogs.h"

namespace tessamo {

// The question for `missing` ("There is no category ... Name of the new category").
std::string NewCategoryQuestion(const MissingCategory& missing);

// Asks for each of the plan's missing categories; a Cancel leaves its lines out.
void AskNewCategories(Dialogs& dialogs, const ImportPlan& plan, ImportChoices& choices);

}  // namespace tessamo
