// The macro controls of frmMainScreen (MacroFrame): the play date, the active
// macro file's name and the list of the data folder's macro files, with New
// (the template, opened in the text editor), Edit, Play and Cancel. The
// checks, the template and the playback are the logic's (MacroPlayback).
#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Dates.h"
#include "platform/FileErrors.h"
#include "core/LedgerListing.h"
#include "macros/MacroFileName.h"
#include "macros/MacroPlayback.h"
#include "mainscreen/frmMainScreen.h"
#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {

void frmMainScreen::createMacroControls() {
    MacroFrame = MakeCaptionFrame(ledgerArea_, "MacroFrame", " Macro Functions ");
    MacDate = MakeMaskedBox(MacroFrame, "MacDate", QStringLiteral("Play date"), QStringLiteral("99-99;_"));
    MacDate->setToolTip(QStringLiteral("Date here"));
    MacToday = MakeButton(MacroFrame, "MacToday", "!", "Make Date = Today");
    MacToday->setAccessibleName(QStringLiteral("Make Date = Today"));
    MacToday->setFixedWidth(MacToday->fontMetrics().horizontalAdvance(QStringLiteral("!")) * 6 + 12);
    MacSmYr = MakeReadout(MacroFrame, "MacSmYr", "Active year");
    MacroEd = Named(new QLineEdit(MacroFrame), "MacroEd", QStringLiteral("Macro file name"));
    MacroEd->setToolTip(QStringLiteral("Active macro file name must be here"));
    MacroSelect = Named(new QListWidget(MacroFrame), "MacroSelect", QStringLiteral("Macro files"));
    MacroSelect->setToolTip(QStringLiteral("Double-click to select active macro"));
    MacroSelect->setMinimumSize(CharacterWidth(MacroSelect, 24), 120);
    MacroNew = MakeButton(MacroFrame, "MacroNew", "New", "Click to create new macro");
    MacroEdit = MakeButton(MacroFrame, "MacroEdit", "Edit", "Click to edit active macro");
    MacroPlay = MakeButton(MacroFrame, "MacroPlay", "Play", "Click to play active macro");
    MacroCancel = MakeButton(MacroFrame, "MacroCancel", "Cancel", "");
    MacroEdit->setEnabled(false);
    MacroPlay->setEnabled(false);

    auto* date = new QHBoxLayout;
    date->addWidget(MacDate);
    date->addWidget(MacToday);
    date->addWidget(MacSmYr);
    date->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {MacroNew, MacroEdit, MacroPlay, MacroCancel}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(MacroFrame);
    layout->addLayout(date);
    layout->addWidget(MacroEd);
    layout->addWidget(MacroSelect);
    layout->addLayout(buttons);
    MacroFrame->adjustSize();
    AddPanel(MacroFrame);

    connect(MacToday, &QPushButton::clicked, this, &frmMainScreen::MacToday_Click);
    // A double-click, or Enter on the chosen file.
    connect(MacroSelect, &QListWidget::itemActivated, this, &frmMainScreen::MacroSelect_DblClick);
    connect(MacroNew, &QPushButton::clicked, this, &frmMainScreen::MacroNew_Click);
    connect(MacroEdit, &QPushButton::clicked, this, &frmMainScreen::MacroEdit_Click);
    connect(MacroPlay, &QPushButton::clicked, this, &frmMainScreen::MacroPlay_Click);
    connect(MacroCancel, &QPushButton::clicked, this, &frmMainScreen::MacroCancel_Click);
    OnEscape(MacroFrame, [this] { MacroCancel_Click(); });
    connect(mnuShowMacro, &QAction::triggered, this, &frmMainScreen::mnuShowMacro_Click);
    mnuShowMacro->setEnabled(true);
}

void frmMainScreen::FillMacroSelect() {
    MacroSelect->clear();
    for (const std::string& name : MacroFileList(state_.env.files)) MacroSelect->addItem(QString::fromStdString(name));
}

void frmMainScreen::mnuShowMacro_Click() {
    FillMacroSelect();
    MacSmYr->setText(QString::fromStdString(state_.CurYear));
    CentrePanel(MacroFrame);
    MacroFrame->show();
    MacroFrame->raise();
    MacroEd->clear();
    MacToday_Click();
    MacroPlay->setEnabled(false);
    MacroEdit->setEnabled(false);
    MacroEd->setFocus();
}

void frmMainScreen::MacToday_Click() {
    if (state_.DateStyle == "A" || state_.DateStyle == "E")
        MacDate->setText(QString::fromStdString(TodayInStyle(state_.env.clock, state_.DateStyle)));
}

void frmMainScreen::MacroSelect_DblClick() {
    QListWidgetItem* item = MacroSelect->currentItem();
    if (!item) return;
    MacroEd->setText(item->text());
    MacroPlay->setEnabled(true);
    MacroEdit->setEnabled(true);
}

void frmMainScreen::HideMacroFrame() {
    MacroFrame->hide();
    FocusItemList();
}

void frmMainScreen::OpenMacroInEditor(const std::string& fileName) {
    ReportIfFailed(state_.env.dialogs, textEditor_->Open(state_.env.files.PathOf(fileName)));
}

void frmMainScreen::MacroNew_Click() {
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

void frmMainScreen::MacroEdit_Click() {
    std::string editorFile;
    const MacroEditOutcome outcome = EditActiveMacro(state_, MacroEd->text().toStdString(), editorFile);
    if (outcome == MacroEditOutcome::Refused) return MacroEd->setFocus();
    HideMacroFrame();
    if (outcome == MacroEditOutcome::Open) OpenMacroInEditor(editorFile);
}

void frmMainScreen::MacroPlay_Click() {
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
            PopItemList(state_.CurrentCategory);
            return;
        case MacroPlayOutcome::NothingToDo:
        case MacroPlayOutcome::Declined:
            return HideMacroFrame();
    }
}

void frmMainScreen::MacroCancel_Click() { HideMacroFrame(); }

}  // namespace tessamo
