// The year selector's controls and handlers (see YearSelectorPanel.h).
#include "mainscreen/YearSelectorPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/Dates.h"
#include "core/ListFiles.h"
#include "core/YearSelection.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {

YearSelectorPanel::YearSelectorPanel(SharedState& state, QWidget* area)
    : QGroupBox(QStringLiteral(" Select Year "), area), state_(state) {
    setAutoFillBackground(true);
    Named<QGroupBox>(this, "YearEdFrame", title().trimmed());
    createControls();
    adjustSize();
    hide();
    setEnabled(false);

    connect(DataYear, &QSpinBox::valueChanged, this, &YearSelectorPanel::DataYear_Change);
    connect(SetYear, &QPushButton::clicked, this, &YearSelectorPanel::SetYear_Click);
    connect(YearOff, &QPushButton::clicked, this, &YearSelectorPanel::YearOff_Click);
    OnEnter(this, [this] { SetYear->click(); });
    OnEscape(this, [this] { YearOff->click(); });
}

void YearSelectorPanel::createControls() {
    const QString today = QString::fromStdString(TodayYear(state_.env.clock));
    DataYear = Named(new QSpinBox(this), "DataYear", QStringLiteral("Year"));
    DataYear->setRange(kFirstSelectableYear, kLastSelectableYear);
    DataYear->setValue(today.toInt());
    CurYear = MakeReadout(this, "CurYear", "Chosen year", today);
    QFont big = CurYear->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    CurYear->setFont(big);
    SetYear = MakeButton(this, "SetYear", "OK!", "");
    YearOff = MakeButton(this, "YearOff", "Cancel", "");

    auto* top = new QHBoxLayout;
    top->addWidget(CurYear);
    top->addWidget(DataYear);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SetYear);
    buttons->addWidget(YearOff);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

// The label offers today's year as the selector opens; the spinner keeps its
// value (the active year, or the last year spun to), so the first click goes
// on from there.
void YearSelectorPanel::mnuYear_Click() {
    CentreInParent(this);
    setEnabled(true);
    show();
    raise();
    CurYear->setText(QString::fromStdString(TodayYear(state_.env.clock)));
    emit opened();
    DataYear->setFocus();
}

void YearSelectorPanel::DataYear_Change() { CurYear->setText(QString::number(DataYear->value())); }

void YearSelectorPanel::HideYearSelector() {
    hide();
    setEnabled(false);
}

void YearSelectorPanel::SetYear_Click() {
    const std::string year = CurYear->text().toStdString();
    (void)SelectYear(state_, year);  // a failure was told; the panels show the year now active
    HideYearSelector();
    emit yearChosen(year);
}

void YearSelectorPanel::ChooseYear(int year) {
    DataYear->setValue(year);
    DataYear_Change();
    SetYear_Click();
}

void YearSelectorPanel::YearOff_Click() {
    HideYearSelector();
    emit closed();
    CurYear->setText(QString::fromStdString(ActiveYear(state_)));
}

}  // namespace tessamo
