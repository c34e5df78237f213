#include "export/ui/frmExport.h"

#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "export/ExportRange.h"
#include "export/ExportToFile.h"
#include "core/ReportCategoryList.h"
#include "widgets/FolderButtons.h"
#include "widgets/FolderLists.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {

frmExport::frmExport(const SharedState& state, std::vector<CategoryRecord> chosen, CategoryScope scope,
                     QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), chosen_(std::move(chosen)), scope_(scope) {
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
    const QString dataFolder = QString::fromStdString(state_.env.files.Folder());
    ExportDrive = Named(new DriveList(this, dataFolder), "ExportDrive", QStringLiteral("Drive"));
    ExportDir = Named(new DirectoryList(this), "ExportDir", QStringLiteral("Folders"));
    connect(ExportDrive, &QComboBox::currentIndexChanged, this, &frmExport::ExportDrive_Change);
    connect(ExportDir, &DirectoryList::FolderChanged, this, &frmExport::ExportDir_Change);
    // The file goes to the folder the user sees marked, from the first click on.
    connect(ExportDir, &DirectoryList::HighlightChanged, this, &frmExport::ShowTargetFiles);
    TargetButtons = new FolderButtons(this, ExportDir, state_.env.files, state_.env.dialogs);

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

void frmExport::layOut() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(exRangeLab, 0, 0, 1, 2);
    grid->addWidget(ExportDrive, 1, 0);
    grid->addWidget(Label1, 1, 1);
    grid->addWidget(ExportDir, 2, 0);
    grid->addWidget(ExportedFiles, 2, 1);
    grid->addWidget(TargetButtons, 3, 0, 1, 2);
    grid->addWidget(exFileName, 4, 0);
    grid->addWidget(Label2, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ExportGo);
    buttons->addWidget(ExportGoSummary);
    buttons->addStretch(1);
    buttons->addWidget(ExportQuit);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
}

void frmExport::Form_Load() {
    exRangeLab->setText(QString::fromStdString(ExportRangeText(state_, chosen_, scope_)));
}

QString frmExport::TargetFolder() const { return ExportDir->HighlightedFolder(); }

void frmExport::SetTargetFolder(const QString& folder) {
    ExportDir->SetFolder(folder);
    ExportDir_Change();
}

// A drive that cannot be read is told; the lists keep the folder they showed.
void frmExport::ExportDrive_Change() {
    GoToChosenDrive(*ExportDrive, *ExportDir, state_.env.dialogs);
    ExportDir_Change();
}

void frmExport::ExportDir_Change() {
    ExportDrive->ShowDriveOf(ExportDir->Folder());
    ShowTargetFiles();
}

void frmExport::ShowTargetFiles() { ExportedFiles->setRootIndex(files_->setRootPath(TargetFolder())); }

void frmExport::ExportedFiles_Click(const QModelIndex& index) {
    if (index.isValid()) exFileName->setText(files_->fileName(index));
}

// No hourglass: the export asks before appending, and takes a moment only.
void frmExport::RunExport(bool summary) {
    const std::unique_ptr<FileSystem> target = state_.env.files.OtherFolder(TargetFolder().toStdString());
    const ExportOutcome outcome = ExportToFile(state_, summary ? ExportKind::Summary : ExportKind::LineItems, chosen_,
                                               *target, exFileName->text().toStdString(), ExistingExportFile::Ask, scope_);
    if (outcome == ExportOutcome::Written) ExportQuit_Click();
}

void frmExport::ExportGo_Click() { RunExport(false); }
void frmExport::ExportGoSummary_Click() { RunExport(true); }
void frmExport::ExportQuit_Click() { close(); }

}  // namespace tessamo
