#pragma once
// frmSorter: "Data File Sorter". Start sorts the active year's ledger once
// (SortMainFile), showing the pass in ProgressBar1 and handling pending events
// once per pass; "Stop!" sets the stop flag and closes the window, which the
// sort notices before its next pass (the ledger is then left as it was). The
// window is opened with OpenOwnedWindow, which disables the main window while
// it is open and gives it back however the window closes.
#include <QWidget>

#include "core/SharedState.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;

namespace tessamo {

class StoppableRun;

class frmSorter : public QWidget {
    Q_OBJECT
public:
    explicit frmSorter(SharedState& state, QWidget* parent = nullptr);

    void StartSort_Click();
    void StopSort_Click();

    QPushButton* StartSort = nullptr;
    QLabel* SorterLabel = nullptr;
    QPushButton* StopSort = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

signals:
    // The ledger is in order (it may have been rewritten).
    void Sorted();

private:
    void ShowLabel(const QString& caption);

    SharedState& state_;
    StoppableRun* run_;
    QStackedWidget* startPlace_;
};

}  // namespace tessamo
