// The macro controls' controls and handlers (see MacroControlsPanel.h).
#include "mainscreen/MacroControlsPanel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Dates.h"
#include "core/ListFiles.h"
#include "due/ui/ScheduleDialog.h"
#include "macros/MacroFileName.h"
#include "macros/MacroPlayback.h"
#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {

MacroControlsPanel::MacroControlsPanel(SharedState& state, QWidget* area)
    : QGroupBox(QStringLiteral(" Macro Functions "), area), state_(state) {
    setAutoFillBackground(true);
    Named<QGroupBox>(this, "MacroFrame", title().trimmed());
    createControls();
    connectButtons();
    adjustSize();
    hide();
}

void MacroControlsPanel::createControls() {
    MacDate = MakeMaskedBox(this, "MacDate", QStringLiteral("Play date"), QStringLiteral("99-99;_"));
    MacDate->setToolTip(QStringLiteral("Date here"));
    MacToday = MakeButton(this, "MacToday", "!", "Make Date = Today");
    MacToday->setAccessibleName(QStringLiteral("Make Date = Today"));
    MacToday->setFixedWidth(MacToday->fontMetrics().horizontalAdvance(QStringLiteral("!")) * 6 + 12);
    MacSmYr = MakeReadout(this, "MacSmYr", "Active year");
    MacroEd = Named(new QLineEdit(this), "MacroEd", QStringLiteral("Macro file name"));
    MacroEd->setToolTip(QStringLiteral("Active macro file name must be here"));
    MacroSelect = Named(new QListWidget(this), "MacroSelect", QStringLiteral("Macro files"));
    MacroSelect->setToolTip(QStringLiteral("Double-click to select active macro"));
    MacroSelect->setMinimumSize(CharacterWidth(MacroSelect, 24), 120);
    MacroNew = MakeButton(this, "MacroNew", "New", "Click to create new macro");
    MacroEdit = MakeButton(this, "MacroEdit", "Edit", "Click to edit active macro");
    MacroPlay = MakeButton(this, "MacroPlay", "Play", "Click to play active macro");
    MacroCancel = MakeButton(this, "MacroCancel", "Cancel", "");
    MacroSchedule = MakeButton(this, "MacroSchedule", "Schedule", "Set when the active macro comes due");
    MacroSchedule->setText(QString::fromUtf8("Schedule\u2026"));
    MacroSchedule->setAccessibleName(MacroSchedule->text());
    MacroEdit->setEnabled(false);
    MacroPlay->setEnabled(false);

    auto* date = new QHBoxLayout;
    date->addWidget(MacDate);
    date->addWidget(MacToday);
    date->addWidget(MacSmYr);
    date->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {MacroNew, MacroEdit, MacroPlay, MacroCancel, MacroSchedule}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(date);
    layout->addWidget(MacroEd);
    layout->addWidget(MacroSelect);
    layout->addLayout(buttons);
}

void MacroControlsPanel::connectButtons() {
    connect(MacToday, &QPushButton::clicked, this, &MacroControlsPanel::MacToday_Click);
    // A double-click, or Enter on the chosen file.
    connect(MacroSelect, &QListWidget::itemActivated, this, &MacroControlsPanel::MacroSelect_DblClick);
    connect(MacroNew, &QPushButton::clicked, this, &MacroControlsPanel::MacroNew_Click);
    connect(MacroEdit, &QPushButton::clicked, this, &MacroControlsPanel::MacroEdit_Click);
    connect(MacroPlay, &QPushButton::clicked, this, &MacroControlsPanel::MacroPlay_Click);
    connect(MacroCancel, &QPushButton::clicked, this, &MacroControlsPanel::MacroCancel_Click);
    connect(MacroSchedule, &QPushButton::clicked, this, &MacroControlsPanel::MacroSchedule_Click);
    OnEscape(this, [this] { MacroCancel_Click(); });
}

void MacroControlsPanel::FillMacroSelect() {
    MacroSelect->clear();
    for (const std::string& name : MacroFileList(state_.env.files)) MacroSelect->addItem(QString::fromStdString(name));
}

void MacroControlsPanel::mnuShowMacro_Click() {
    FillMacroSelect();
    MacSmYr->setText(QString::fromStdString(state_.CurYear));
    CentreInParent(this);
    show();
    raise();
    MacroEd->clear();
    MacToday_Click();
    MacroPlay->setEnabled(false);
    MacroEdit->setEnabled(false);
    MacroEd->setFocus();
}

void MacroControlsPanel::MacToday_Click() {
    if (const auto today = TodayForDateBox(state_.env.clock, state_.DateStyle))
        MacDate->setText(QString::fromStdString(*today));
}

void MacroControlsPanel::MacroSelect_DblClick() {
    QListWidgetItem* item = MacroSelect->currentItem();
    if (!item) return;
    MacroEd->setText(item->text());
    MacroPlay->setEnabled(true);
    MacroEdit->setEnabled(true);
}

void MacroControlsPanel::MacroSchedule_Click() {
    const std::string macro = MacroEd->text().trimmed().toStdString();
    std::string problem = macro.empty() ? "Please select a macro file" : MacroNameProblem(macro).value_or("");
    if (problem.empty() && !state_.env.files.Exists(macro)) problem = "There is no macro file " + macro + ".";
    if (!problem.empty()) {
        state_.env.dialogs.Show(Message{problem, "Nothing to do!", MessageIcon::Exclamation});
        MacroEd->setFocus();
        return;
    }
    ScheduleDialog dialog(state_, state_.env.files.Resolve(macro), window());
    if (dialog.OpenSchedule()) dialog.exec();
    MacroEd->setFocus();
}

void MacroControlsPanel::HideMacroFrame() {
    hide();
    emit closed();
}

void MacroControlsPanel::OpenMacroInEditor(const std::string& fileName) {
    emit editFile(QString::fromStdString(state_.env.files.PathOf(fileName)));
}

void MacroControlsPanel::MacroNew_Click() {
    std::string editorFile;
    switch (CreateMacroFile(state_, MacroEd->text().toStdString(), editorFile)) {
        case MacroNewOutcome::Created:
            HideMacroFrame();
            OpenMacroInEditor(editorFile);
            FillMacroSelect();
            break;
        case MacroNewOutcome::NothingToDo:
        case MacroNewOutcome::Refused:
        case MacroNewOutcome::Failed:
            MacroEd->setFocus();
            break;
    }
}

void MacroControlsPanel::MacroEdit_Click() {
    std::string editorFile;
    const MacroEditOutcome outcome = EditActiveMacro(state_, MacroEd->text().toStdString(), editorFile);
    if (outcome == MacroEditOutcome::Refused) return MacroEd->setFocus();
    HideMacroFrame();
    if (outcome == MacroEditOutcome::Open) OpenMacroInEditor(editorFile);
}

void MacroControlsPanel::MacroPlay_Click() {
    MacroPlayResult result;
    bool busy = false;
    const MacroPlayOutcome outcome =
        PlayActiveMacro(state_, MacroEd->text().toStdString(), MacDate->displayText().toStdString(), result, [&] {
            busy = true;
            QApplication::setOverrideCursor(Qt::WaitCursor);
        });
    if (busy) QApplication::restoreOverrideCursor();
    switch (outcome) {
        case MacroPlayOutcome::InvalidDate:
            return MacDate->setFocus();
        case MacroPlayOutcome::Refused:
            return MacroEd->setFocus();
        case MacroPlayOutcome::Played:
            HideMacroFrame();
            state_.CurrentCategory = kAllCategories;
            emit linesPlayed();
            return;
        case MacroPlayOutcome::NothingToDo:
        case MacroPlayOutcome::Declined:
            return HideMacroFrame();
    }
}

void MacroControlsPanel::MacroCancel_Click() { HideMacroFrame(); }

}  // namespace tessamo
