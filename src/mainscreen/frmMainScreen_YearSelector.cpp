// The year selector of frmMainScreen (YearEdFrame): the user spins to a year
// and makes it active with "OK!"; the lists and the toolbar wait meanwhile.
// The file names, the empty-category question and the copy are the logic's
// (SelectYear). "Cancel" shows the active year again, so that CurYear always
// names the year whose files are active once the selector is closed.
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/Dates.h"
#include "core/LedgerListing.h"
#include "core/YearSelection.h"
#include "mainscreen/frmMainScreen.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {

void frmMainScreen::createYearSelector() {
    YearEdFrame = MakeCaptionFrame(ledgerArea_, "YearEdFrame", " Select Year ");
    const QString today = QString::fromStdString(TodayYear(state_.env.clock));

    DataYear = Named(new QSpinBox(YearEdFrame), "DataYear", QStringLiteral("Year"));
    DataYear->setRange(kFirstSelectableYear, kLastSelectableYear);
    DataYear->setValue(today.toInt());
    CurYear = MakeReadout(YearEdFrame, "CurYear", "Chosen year", today);
    QFont big = CurYear->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    CurYear->setFont(big);
    SetYear = MakeButton(YearEdFrame, "SetYear", "OK!", "");
    YearOff = MakeButton(YearEdFrame, "YearOff", "Cancel", "");

    auto* top = new QHBoxLayout;
    top->addWidget(CurYear);
    top->addWidget(DataYear);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SetYear);
    buttons->addWidget(YearOff);
    auto* layout = new QVBoxLayout(YearEdFrame);
    layout->addLayout(top);
    layout->addLayout(buttons);
    YearEdFrame->adjustSize();
    AddPanel(YearEdFrame);
    YearEdFrame->setEnabled(false);

    connect(DataYear, &QSpinBox::valueChanged, this, &frmMainScreen::DataYear_Change);
    connect(SetYear, &QPushButton::clicked, this, &frmMainScreen::SetYear_Click);
    connect(YearOff, &QPushButton::clicked, this, &frmMainScreen::YearOff_Click);
    OnEnter(YearEdFrame, [this] { SetYear->click(); });
    OnEscape(YearEdFrame, [this] { YearOff->click(); });
    connect(mnuYear, &QAction::triggered, this, &frmMainScreen::mnuYear_Click);
    mnuYear->setEnabled(true);
}

void frmMainScreen::SetListsEnabled(bool enabled) {
    CatList->setEnabled(enabled);
    ItemList->setEnabled(enabled);
    ToolbarTSM->setEnabled(enabled);
}

// Label and spinner both show the active year as the selector opens, so the
// first click goes on from the year the user is in.
void frmMainScreen::mnuYear_Click() {
    CentrePanel(YearEdFrame);
    YearEdFrame->setEnabled(true);
    YearEdFrame->show();
    YearEdFrame->raise();
    const QString active = QString::fromStdString(ActiveYear(state_));
    DataYear->setValue(active.toInt());
    CurYear->setText(active);
    SetListsEnabled(false);
    DataYear->setFocus();
}

void frmMainScreen::DataYear_Change() { CurYear->setText(QString::number(DataYear->value())); }

void frmMainScreen::SetYear_Click() {
    const std::string year = CurYear->text().toStdString();
    SelectYear(state_, year);
    YearEdFrame->hide();
    YearEdFrame->setEnabled(false);
    SetListsEnabled(true);
    PopItemList(kAllCategories);
    PopCatList();
    ItemList->setFocus();
    SmYr->setText(QString::fromStdString(year));
    stbYear->setText(QString::fromStdString(ActiveYearPanelText(year)));
}

void frmMainScreen::YearOff_Click() {
    YearEdFrame->hide();
    YearEdFrame->setEnabled(false);
    SetListsEnabled(true);
    CurYear->setText(QString::fromStdString(ActiveYear(state_)));
}

}  // namespace tessamo
