#pragma once
// DueEntriesWindow: "Due entries". The entries of the scheduled macro files
// that have come due (at start) or come due within the next 30 days (from the
// Macros menu), by date: date, macro, number of lines and total; the chosen
// entry's lines below. Per entry: Enter plays the macro on its date into that
// year's ledger (the window is the question), Skip marks it done without
// entering, Later leaves it due and goes on to the next. Enter is the default
// button, so a month's entries go in by pressing Enter; the window closes
// when no entry is left. The routines are the due logic's (DueEntries.h).
#include <QWidget>
#include <memory>
#include <vector>

#include "core/SharedState.h"
#include "due/DueEntries.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tessamo {

class DueEntriesWindow : public QWidget {
    Q_OBJECT
public:
    explicit DueEntriesWindow(SharedState& state, QWidget* parent = nullptr);

    // Settles what a stopped run left, reads the schedules and lists the
    // entries due through `through`; false after a failure was shown.
    bool OpenDue(const CalendarDate& through);
    std::size_t EntryCount() const { return entries_.size(); }

    void DueList_Change();
    void Enter_Click();
    void Skip_Click();
    void Later_Click();

    QLabel* DueListLabel = nullptr;
    QTableWidget* DueList = nullptr;
    QLabel* MacroLinesLabel = nullptr;
    QTableWidget* MacroLines = nullptr;
    QPushButton* EnterButton = nullptr;
    QPushButton* SkipButton = nullptr;
    QPushButton* LaterButton = nullptr;
    QPushButton* CloseButton = nullptr;

signals:
    // Lines were entered: the main window rebuilds its lists.
    void Entered();

private:
    void createControls();
    void createLayout();
    void createTabOrder();
    void createConnections();
    void FillList(int row);
    void ShowLines(const DueMacro* macro);
    // Takes the current entry off the list and goes on to the next; closes
    // the window when none is left.
    void DropCurrent();
    const DueEntry* Current() const;
    const DueMacro& MacroOf(const DueEntry& entry);

    SharedState& state_;
    std::vector<Schedule> schedules_;
    std::vector<DueEntry> entries_;
    std::unique_ptr<DueMacroCache> macros_;
};

}  // namespace tessamo
