#pragma once
// ImportRulesEditor: the rules file as plain text, one rule a line, shown
// over the import window. Save checks every line first: a line that is no
// rule is named with its number and the cursor put on it, and nothing is
// written; a good text replaces the file atomically and the preview files
// its lines by the new rules at once. Cancel (Escape) keeps the file as it was.
//
// Plain text rather than a list of rules: the file is the user's own, with
// comments and blank lines kept as written, and its order (first match wins)
// is the order of the lines, which a text editor moves as any text.
#include <QDialog>

#include "import/ImportSession.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tessamo {

class ImportRulesEditor : public QDialog {
    Q_OBJECT
public:
    ImportRulesEditor(ImportSession& session, Dialogs& dialogs, QWidget* parent);

    void Save_Click();
    // The cursor at the start of line `number` (1-based), the line selected.
    void GoToLine(int number);

    QLabel* RulesHelp = nullptr;
    QPlainTextEdit* RulesText = nullptr;
    QLabel* CursorLine = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void ShowCursorLine();
    ImportSession& session_;
    Dialogs& dialogs_;
};

}  // namespace tessamo
