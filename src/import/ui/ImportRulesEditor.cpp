#include "import/ui/ImportRulesEditor.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include "platform/FileErrors.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {

ImportRulesEditor::ImportRulesEditor(ImportSession& session, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), session_(session), dialogs_(dialogs) {
    setObjectName(QStringLiteral("ImportRulesEditor"));
    setWindowTitle(QStringLiteral("Import rules - ") + QString::fromLatin1(kImportRulesFileName));
    RulesHelp = MakeLabel(this, "RulesHelp",
                          "One rule a line: the code, then + for money in or - for money out if wanted, then the text "
                          "to find in the payee or memo (* any run of characters, ? one). The first rule that "
                          "matches wins. Lines starting with # are comments.");
    RulesHelp->setWordWrap(true);
    RulesText = Named(new QPlainTextEdit(this), "RulesText", QStringLiteral("Rules"));
    RulesText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    RulesText->setLineWrapMode(QPlainTextEdit::NoWrap);
    RulesText->setTabChangesFocus(true);
    RulesText->setPlainText(QString::fromStdString(session.RulesText()));
    CursorLine = MakeReadout(this, "CursorLine", "Cursor line");
    SaveButton = MakeButton(this, "SaveButton", "&Save", "Check the rules and save them");
    CancelButton = MakeButton(this, "CancelButton", "Cancel", "Close without saving");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CursorLine, 1);
    buttons->addWidget(SaveButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RulesHelp);
    layout->addWidget(RulesText, 1);
    layout->addLayout(buttons);
    resize(620, 440);

    connect(RulesText, &QPlainTextEdit::cursorPositionChanged, this, &ImportRulesEditor::ShowCursorLine);
    connect(SaveButton, &QPushButton::clicked, this, &ImportRulesEditor::Save_Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    OnKeys(this, {QKeySequence::Save}, [this] { Save_Click(); });
    ShowCursorLine();
}

void ImportRulesEditor::ShowCursorLine() {
    CursorLine->setText(QStringLiteral("Line %1 of %2")
                            .arg(RulesText->textCursor().blockNumber() + 1)
                            .arg(RulesText->document()->blockCount()));
}

void ImportRulesEditor::GoToLine(int number) {
    QTextCursor cursor(RulesText->document()->findBlockByNumber(number - 1));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    RulesText->setTextCursor(cursor);
    RulesText->setFocus();
}

void ImportRulesEditor::Save_Click() {
    // The text as the file holds it: each line ended, as a text file's lines are.
    std::string text = RulesText->toPlainText().toStdString();
    if (!text.empty() && text.back() != '\n') text += '\n';
    const ImportRules checked = ParseImportRules(text);
    if (!checked.errors.empty()) {
        dialogs_.Show(Message{std::string(kImportRulesFileName) + ", " + checked.errors.front().Text(),
                              "Import rules", MessageIcon::Exclamation});
        activateWindow();  // back from the message, on the line it named
        GoToLine(checked.errors.front().lineNumber);
        return;
    }
    if (!ReportIfFailed(dialogs_, session_.SaveRules(text))) return;
    accept();
}

}  // namespace tessamo
