#pragma once
// ImportWindow: "Import bank statement". Shows the chosen file's format
// settings with a live preview of its first rows, the default code and the
// other-years choice, and a preview table of every line with its state and
// reason; lines are ticked or unticked in the table (Space). "Rule from
// line" files the selected line's payee under a code for good (the rules
// file); "Edit rules" opens the rules file in an editor over the window.
// Import first offers to create the categories that lines await (a code
// their year lacks), then enters the ticked lines and says how many were
// entered, skipped and refused; Cancel leaves every file as it was (the
// rules aside, which are saved when the user saves them). The window works
// through an ImportSession, which holds the decisions.
#include <QWidget>
#include <memory>

#include "import/ImportSession.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace tessamo {

class ImportPreviewModel;

class ImportWindow : public QWidget {
    Q_OBJECT
public:
    explicit ImportWindow(SharedState& state, QWidget* parent = nullptr);
    ~ImportWindow() override;

    // Reads the statement; false after the failure was shown.
    bool OpenStatement(const QString& path);

    void Settings_Change();
    void Choices_Change();
    void RuleFromLine_Click();
    void EditRules_Click();
    void Import_Click();
    void Cancel_Click();

    QLabel* StatementFile = nullptr;
    QComboBox* FormatChoice = nullptr;
    QComboBox* SeparatorChoice = nullptr;
    QCheckBox* HeaderRow = nullptr;
    QComboBox* DateOrderChoice = nullptr;
    QComboBox* DecimalChoice = nullptr;
    QComboBox* DateColumnChoice = nullptr;
    QComboBox* AmountColumnChoice = nullptr;
    QComboBox* DebitColumnChoice = nullptr;
    QComboBox* CreditColumnChoice = nullptr;
    QComboBox* PayeeColumnChoice = nullptr;
    QComboBox* MemoColumnChoice = nullptr;
    QTableWidget* FirstRows = nullptr;
    QComboBox* DefaultCode = nullptr;
    QCheckBox* OtherYears = nullptr;
    QTableView* PreviewTable = nullptr;
    QLabel* PreviewSummary = nullptr;
    QPushButton* RuleFromLine = nullptr;
    QPushButton* EditRules = nullptr;
    QPushButton* ImportButton = nullptr;
    QPushButton* CancelButton = nullptr;

signals:
    // Lines were entered: the ledger views are to be rebuilt.
    void Imported();

private:
    // Built in this order, which is also the order Tab takes.
    void createChoices();
    void createPreview();
    void createButtons();
    void createLayout();
    void createConnections();
    QWidget* MakeSettings();
    void layOutSettings(QWidget* frame);
    void ShowSettings();
    void ShowFirstRows();
    void ShowPlan();
    CsvLayout LayoutChosen() const;
    void FillCodes();
    bool Report(const Status& status);

    SharedState& state_;
    ImportSession session_;
    ImportPreviewModel* model_ = nullptr;
    bool showing_ = false;  // settings being filled in, not changed by the user
};

}  // namespace tessamo
