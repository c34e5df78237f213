#include "help/HelpTopics.h"

namespace tessamo {

const std::vector<WindowTopic>& WindowTopics() {
    static const std::vector<WindowTopic> topics = {
        {"frmMainScreen", "main-window"},  {"EntryEdFrame", "entry-editor"},
        {"CatEdFrame", "category-editor"}, {"YearEdFrame", "year-selector"},
        {"MacroFrame", "macros"},          {"frmReports", "reports"},
        {"frmCatSel", "reports"},          {"frmExport", "export"},
        {"frmSorter", "sorter"},           {"frmBackup", "backup"},
        {"TinyCalc", "calculator"},        {"NotepadWindow", "notes"},
        {"HelpViewer", "using-help"},      {"ImportWindow", "import"},
        {"ImportRulesEditor", "import"},   {"RestoreWindow", "restore"},
        {"BackupSettingsDialog", "automatic-backups"},
        {"BudgetWindow", "budgets"},
        {"frmChart", "charts"},          {"frmYears", "charts"},
        {"frmBudgetChart", "charts"},
        {"frmFindAllYears", "find-all-years"},
        {"HistoryWindow", "history"},
    };
    return topics;
}

std::string TopicOfWindow(const std::string& objectName) {
    for (const WindowTopic& entry : WindowTopics())
        if (objectName == entry.objectName) return entry.topic;
    return std::string();
}

}  // namespace tessamo
