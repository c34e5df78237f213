#include "tools/ui/frmBackup.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "tools/Backup.h"
#include "tools/ui/StoppableRun.h"
#include "widgets/FolderButtons.h"
#include "widgets/FolderLists.h"
#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {
namespace {

// A folder or the progress, in a sunken box; a folder's text may be copied.
QLabel* MakeFolderReadout(QWidget* parent, const char* name, const char* role, const char* text) {
    QLabel* label = MakeReadout(parent, name, role, QString::fromLatin1(text));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

frmBackup::frmBackup(SharedState& state, QWidget* parent) : QWidget(parent, Qt::Window), state_(state) {
    setObjectName(QStringLiteral("frmBackup"));
    setWindowTitle(QStringLiteral("Data Backup"));
    run_ = new StoppableRun(this);
    createControls();
    createLayout();
    createTabOrder();
    showSourceAndTarget();
    createConnections();
}

void frmBackup::createControls() {
    const QString source = QString::fromStdString(state_.env.files.Folder());
    Label1 = MakeLabel(this, "Label1", "Source:");
    Backuplist = MakeFolderReadout(this, "Backuplist", "Source folder", "File list");
    BackMeUp = Named(new QListWidget(this), "BackMeUp", QStringLiteral("Source files"));
    BackMeUp->setMinimumWidth(CharacterWidth(BackMeUp, 24));
    Label2 = MakeLabel(this, "Label2", "Target:");
    BackUpTarget = MakeFolderReadout(this, "BackUpTarget", "Target folder", "target");
    BackUpDrive = Named(new DriveList(this, source), "BackUpDrive", QStringLiteral("Target drive"));
    BackUpDir = Named(new DirectoryList(this), "BackUpDir", QStringLiteral("Target folders"));
    BackUpDir->setMinimumSize(CharacterWidth(BackUpDir, 36), 220);
    BackUpProgress = MakeFolderReadout(this, "BackUpProgress", "Copy progress", "progress");
    TargetButtons = new FolderButtons(this, BackUpDir, state_.env.files, state_.env.dialogs);
    RunBackup = MakeButton(this, "RunBackup", "Copy all Source files to Target", "");
    StopBackup = MakeButton(this, "StopBackup", "Cancel", "");
    Label1->setBuddy(BackMeUp);
    Label2->setBuddy(BackUpDir);
}

void frmBackup::createLayout() {
    auto* lists = new QGridLayout;
    lists->addWidget(Label1, 0, 0);
    lists->addWidget(Backuplist, 1, 0);
    lists->addWidget(BackMeUp, 2, 0, 2, 1);
    lists->addWidget(Label2, 0, 1);
    lists->addWidget(BackUpTarget, 1, 1);
    lists->addWidget(BackUpDrive, 2, 1);
    lists->addWidget(BackUpDir, 3, 1);
    lists->addWidget(TargetButtons, 4, 1);
    lists->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(RunBackup);
    buttons->addStretch();
    buttons->addWidget(StopBackup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(BackUpProgress);
    layout->addLayout(buttons);
}

void frmBackup::createTabOrder() {
    setTabOrder(BackMeUp, BackUpDrive);
    setTabOrder(BackUpDrive, BackUpDir);
    setTabOrder(BackUpDir, TargetButtons->Browse);
    setTabOrder(TargetButtons->Browse, TargetButtons->NewFolder);
    setTabOrder(TargetButtons->NewFolder, RunBackup);
    setTabOrder(RunBackup, StopBackup);
}

// The data folder's files, and its folder marked as the first target.
void frmBackup::showSourceAndTarget() {
    FillFileList();
    BackUpDir->SetFolder(QString::fromStdString(state_.env.files.Folder()));
    Backuplist->setText(BackUpDir->Folder());
    BackUpTarget->setText(BackUpDir->Folder());
    BackUpDir->setFocus();
}

void frmBackup::createConnections() {
    connect(BackUpDrive, &QComboBox::currentIndexChanged, this, &frmBackup::BackUpDrive_Change);
    connect(BackUpDir, &DirectoryList::FolderChanged, this, &frmBackup::BackUpDir_Change);
    // The target is the folder the user sees marked, from the first click on.
    connect(BackUpDir, &DirectoryList::HighlightChanged, this,
            [this] { BackUpTarget->setText(BackUpDir->HighlightedFolder()); });
    connect(RunBackup, &QPushButton::clicked, this, &frmBackup::RunBackup_Click);
    connect(StopBackup, &QPushButton::clicked, this, &frmBackup::StopBackup_Click);
}

void frmBackup::FillFileList() {
    BackMeUp->clear();
    for (const std::string& name : BackupFileList(state_.env.files))
        BackMeUp->addItem(QString::fromStdString(name));
}

// A drive that cannot be read is told; the lists keep the folder they showed.
void frmBackup::BackUpDrive_Change() {
    GoToChosenDrive(*BackUpDrive, *BackUpDir, state_.env.dialogs);
    BackUpDir_Change();
}

void frmBackup::BackUpDir_Change() {
    BackUpTarget->setText(BackUpDir->HighlightedFolder());
    BackUpDrive->ShowDriveOf(BackUpDir->Folder());
}

void frmBackup::SetRunning(bool running) {
    RunBackup->setEnabled(!running);
    BackUpDrive->setEnabled(!running);
    BackUpDir->setEnabled(!running);
    TargetButtons->setEnabled(!running);
    if (running) StopBackup->setFocus();
    if (running) setCursor(Qt::BusyCursor);
    else unsetCursor();
}

void frmBackup::ShowCopying(const std::string& name, std::size_t number) {
    BackMeUp->setCurrentRow(static_cast<int>(number) - 1);
    BackUpProgress->setText(QStringLiteral("Copying: ") + QString::fromStdString(name));
}

void frmBackup::RunBackup_Click() {
    if (run_->Running()) return;
    FillFileList();
    SetRunning(true);
    run_->Begin();
    const BackupProgress progress = [this](const std::string& name, std::size_t number, std::size_t) {
        StoppableRun::HandlePendingEvents();
        if (!isHidden()) ShowCopying(name, number);
    };
    (void)tessamo::RunBackup(state_, BackUpTarget->text().toStdString(), progress, run_->StopFlag());  // it told how it went
    SetRunning(false);
    run_->End();
}

void frmBackup::StopBackup_Click() { close(); }

}  // namespace tessamo
