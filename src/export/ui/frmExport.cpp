#include "export/ui/frmExport.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>

#include "platform/FileErrors.h"
#include "export/ExportRange.h"
#include "export/ExportToFile.h"
#include "platform/FolderAccess.h"
#include "platform/PosixFileSystem.h"
#include "core/ReportCategoryList.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {

frmExport::frmExport(SharedState& state, QWidget* parent) : QWidget(parent, Qt::Window), state_(state) {
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(QStringLiteral("Data Export"));
    setAttribute(Qt::WA_DeleteOnClose);
    exRangeLab = MakeLabel(this, "exRangeLab", "range");
    exRangeLab->setAccessibleName(QString());  // its text is what a screen reader hears
    Label1 = MakeLabel(this, "Label1", "files in target directory");
    exFileName = Named(new QLineEdit(QStringLiteral("TSM_DATA.TXT"), this), "exFileName",
                       QStringLiteral("Export file name"));
    Label2 = MakeLabel(this, "Label2", "<<<   export file name");
    Label2->setBuddy(exFileName);
    ExportGo = MakeButton(this, "ExportGo", "All Line Items (raw)", "");
    ExportGoSummary = MakeButton(this, "ExportGoSummary", "Category Summary", "");
    ExportQuit = MakeButton(this, "ExportQuit", "Cancel", "");
    createLists();
    layOut();
    connect(ExportGo, &QPushButton::clicked, this, &frmExport::ExportGo_Click);
    connect(ExportGoSummary, &QPushButton::clicked, this, &frmExport::ExportGoSummary_Click);
    connect(ExportQuit, &QPushButton::clicked, this, &frmExport::ExportQuit_Click);
    SetTargetFolder(QString::fromStdString(state_.env.files.Folder()));
    resize(640, 420);
}

frmExport::~frmExport() = default;

void frmExport::createLists() {
    ExportDrive = Named(new QComboBox(this), "ExportDrive", QStringLiteral("Drive"));
    fillDrives();
    connect(ExportDrive, &QComboBox::activated, this, &frmExport::ExportDrive_Change);

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QDir::rootPath());
    // The folders are read in the background: the chosen one is shown once its
    // parent has been read.
    connect(folders_, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
        if (folder_.startsWith(path)) QTimer::singleShot(0, this, &frmExport::ShowTargetFolder);
    });
    ExportDir = Named(new QTreeView(this), "ExportDir", QStringLiteral("Folders"));
    ExportDir->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) ExportDir->hideColumn(column);
    ExportDir->header()->hide();
    connect(ExportDir->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid()) return;
                folder_ = folders_->filePath(current);
                ExportDir_Change();
            });

    files_ = new QFileSystemModel(this);
    files_->setFilter(QDir::Files);
    files_->setNameFilters({QStringLiteral("*.txt")});
    files_->setNameFilterDisables(false);
    ExportedFiles = Named(new QListView(this), "ExportedFiles", QStringLiteral("Files in target directory"));
    ExportedFiles->setModel(files_);
    ExportedFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(ExportedFiles, &QAbstractItemView::clicked, this, &frmExport::ExportedFiles_Click);
    connect(ExportedFiles, &QAbstractItemView::activated, this, &frmExport::ExportedFiles_Click);
}

void frmExport::fillDrives() {
    const QString dataDrive = QStorageInfo(QString::fromStdString(state_.env.files.Folder())).rootPath();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid()) continue;
        ExportDrive->addItem(volume.rootPath(), volume.rootPath());
        if (volume.rootPath() == dataDrive) driveIndex_ = ExportDrive->count() - 1;
    }
    ExportDrive->setCurrentIndex(driveIndex_);
}

void frmExport::layOut() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(exRangeLab, 0, 0, 1, 2);
    grid->addWidget(ExportDrive, 1, 0);
    grid->addWidget(Label1, 1, 1);
    grid->addWidget(ExportDir, 2, 0);
    grid->addWidget(ExportedFiles, 2, 1);
    grid->addWidget(exFileName, 3, 0);
    grid->addWidget(Label2, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ExportGo);
    buttons->addWidget(ExportGoSummary);
    buttons->addStretch(1);
    buttons->addWidget(ExportQuit);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
}

void frmExport::Form_Load() {
    std::string text;
    if (ReportIfFailed(state_.env.dialogs, ExportRangeText(state_.env.files, kReportCategoryFile, state_.RepStartMonth,
                                                           state_.RepEndMonth, state_.LedgerFileName, text)))
        exRangeLab->setText(QString::fromStdString(text));
}

void frmExport::SetTargetFolder(const QString& folder) {
    folder_ = QDir(folder).absolutePath();
    const QModelIndex index = folders_->index(folder_);
    ExportDir->setCurrentIndex(index);
    ShowTargetFolder();
    ExportDir_Change();
}

void frmExport::ShowTargetFolder() {
    ExportDir->scrollTo(folders_->index(folder_), QAbstractItemView::PositionAtCenter);
}

void frmExport::ExportDrive_Change(int index) {
    const QString root = ExportDrive->itemData(index).toString();
    const std::string problem = UnreadableFolderText(root.toStdString());
    if (!problem.empty()) {
        state_.env.dialogs.Show(Message{problem});
        // The lists keep the folder they showed, and the drive its choice.
        ExportDrive->setCurrentIndex(driveIndex_);
        ExportDir_Change();
        return;
    }
    driveIndex_ = index;
    SetTargetFolder(root);
}

void frmExport::ExportDir_Change() { ExportedFiles->setRootIndex(files_->setRootPath(folder_)); }

void frmExport::ExportedFiles_Click(const QModelIndex& index) {
    if (index.isValid()) exFileName->setText(files_->fileName(index));
}

// No hourglass: the export asks before appending, and takes a moment only.
void frmExport::RunExport(bool summary) {
    PosixFileSystem target(folder_.toStdString());
    const ExportOutcome outcome = ExportToFile(state_, summary ? ExportKind::Summary : ExportKind::LineItems, target,
                                               exFileName->text().toStdString(), ExistingExportFile::Ask);
    if (outcome == ExportOutcome::Written) ExportQuit_Click();
}

void frmExport::ExportGo_Click() { RunExport(false); }
void frmExport::ExportGoSummary_Click() { RunExport(true); }
void frmExport::ExportQuit_Click() { close(); }

void frmExport::closeEvent(QCloseEvent* event) {
    // The chosen categories were written for this window alone.
    state_.env.files.Remove(kReportCategoryFile);
    event->accept();
}

}  // namespace tessamo
