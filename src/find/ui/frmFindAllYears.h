#pragma once
// frmFindAllYears: "Find in all years…", a window of its own beside the main
// window. The criteria at the top (words of the note, codes, an amount range
// with income / expense / open items, a range of days, the years); the lines
// found in every chosen year below, searched anew as the criteria are typed;
// the count and the income, expense and balance totals in the status bar.
// Enter (or a double-click) on a line asks the main window to open it in its
// year; the window stays open. Down in a criteria box goes to the lines.
// When the data under it changes (a line written, deleted, undone, another
// year chosen), the owner calls SearchAgain and the lines are found anew.
// File menu: the lines for spreadsheets, a print preview and a PDF as the
// report prints them.
#include <QMainWindow>
#include <array>

#include "core/SharedState.h"
#include "find/FindAllYears.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QStatusBar;
class QTableView;
class QTimer;

namespace tessamo {

class FoundLinesModel;

class frmFindAllYears : public QMainWindow {
    Q_OBJECT
public:
    explicit frmFindAllYears(SharedState& state, QWidget* parent = nullptr);

    // Searches with what the criteria boxes hold now (typing starts it after a
    // short pause, so fast typing searches once).
    void RunSearch();
    // The data changed: runs the search once more when the owner has settled
    // (several changes in a row search once), keeping the current line
    // current where it is still found.
    void SearchAgain();
    void ExportForSpreadsheets();
    void PrintPreview();
    void SaveAsPdf();

    FoundLinesModel* Results() const { return model_; }

    QLineEdit* FindWords = nullptr;
    QLineEdit* FindCodes = nullptr;
    QLineEdit* FindMinAmount = nullptr;
    QLineEdit* FindMaxAmount = nullptr;
    QComboBox* FindKind = nullptr;
    QLineEdit* FindFromDate = nullptr;
    QLineEdit* FindToDate = nullptr;
    QLineEdit* FindYears = nullptr;
    QTableView* FoundLines = nullptr;
    QStatusBar* FindStatusBar = nullptr;

signals:
    // The line at `row` of the results was chosen to be opened in its year.
    void lineChosen(const tessamo::FoundLine& line);

protected:
    // Down in a criteria box goes to the found lines.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows a print job's failure; nothing for a job printed or stopped by the user.
    void TellPrintFailure(const Status& printed);
    void createMenus();
    void createCriteria();
    void createResults();
    void createStatusBar();
    // False, with the reason in the status bar, when a box holds what cannot be read.
    bool ReadCriteria(FindCriteria& criteria);
    void ShowTotals(const FindTotals& totals);
    QString PrintText() const;
    void RunSearchKeepingCurrentLine();

    SharedState& state_;
    FoundLinesModel* model_ = nullptr;
    QTimer* typing_ = nullptr;
    QTimer* changed_ = nullptr;
    FindTotals totals_;
    std::array<QLabel*, 5> panels_{};  // count, income, expense, balance, note
};

}  // namespace tessamo
