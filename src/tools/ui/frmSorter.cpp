#include "tools/ui/frmSorter.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "tools/LedgerSorter.h"
#include "tools/ui/StoppableRun.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {

frmSorter::frmSorter(SharedState& state, QWidget* parent) : QWidget(parent, Qt::Window), state_(state) {
    setObjectName(QStringLiteral("frmSorter"));
    setWindowTitle(QStringLiteral("Data File Sorter"));
    run_ = new StoppableRun(this);

    startPlace_ = new QStackedWidget(this);
    StartSort = MakeButton(startPlace_, "StartSort", "Start", "");
    SorterLabel = MakeReadout(startPlace_, "SorterLabel", "Sort state");
    SorterLabel->setAlignment(Qt::AlignCenter);
    startPlace_->addWidget(StartSort);
    startPlace_->addWidget(SorterLabel);
    startPlace_->setFixedHeight(StartSort->sizeHint().height());
    ProgressBar1 = Named(new QProgressBar(this), "ProgressBar1", QStringLiteral("Sort progress"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    StopSort = MakeButton(this, "StopSort", "Stop!", "");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(startPlace_);
    layout->addWidget(ProgressBar1);
    layout->addWidget(StopSort);
    setMinimumWidth(320);
    StartSort->setFocus();

    connect(StartSort, &QPushButton::clicked, this, &frmSorter::StartSort_Click);
    connect(StopSort, &QPushButton::clicked, this, &frmSorter::StopSort_Click);
}

void frmSorter::ShowLabel(const QString& caption) {
    SorterLabel->setText(caption);
    startPlace_->setCurrentWidget(SorterLabel);
}

void frmSorter::StartSort_Click() {
    if (run_->Running()) return;
    ShowLabel(QStringLiteral("Working..."));
    StopSort->setFocus();
    setCursor(Qt::WaitCursor);
    run_->Begin();
    QPointer<frmSorter> self(this);
    const SortProgress progress = [this, self](std::size_t pass, std::size_t passes) {
        StoppableRun::HandlePendingEvents();
        if (!self || isHidden()) return;
        ProgressBar1->setMaximum(static_cast<int>(passes));
        ProgressBar1->setValue(static_cast<int>(pass));
    };
    const SortOutcome outcome = SortMainFile(state_, progress, run_->StopFlag());
    unsetCursor();
    if (outcome == SortOutcome::Finished) {
        ShowLabel(QStringLiteral("Finished!"));
        emit Sorted();
    } else if (outcome == SortOutcome::Failed) {
        ShowLabel(QStringLiteral("Not sorted!"));
    }
    run_->End();
}

void frmSorter::StopSort_Click() { close(); }

}  // namespace tessamo
