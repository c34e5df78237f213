#include "backups/ui/RestoreWindow.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "backups/BackupSettings.h"
#include "backups/BackupRemoval.h"
#include "backups/BackupSummary.h"
#include "backups/FolderId.h"
#include "backups/Restore.h"
#include "backups/RestoreDifference.h"
#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {
namespace {

enum Column { DateColumn, StateColumn, FilesColumn, YearsColumn, ColumnCount };

constexpr const char* kOthersListHeading =
    "From other data folders (restored only after a question, never removed here):";

QTableWidgetItem* Cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

QString Counted(std::size_t n, const char* one, const char* many) {
    return QString::number(n) + QLatin1Char(' ') + QString::fromLatin1(n == 1 ? one : many);
}

}  // namespace

RestoreWindow::RestoreWindow(SharedState& state, QWidget* parent) : QWidget(parent, Qt::Window), state_(state) {
    setObjectName(QStringLiteral("RestoreWindow"));
    setWindowTitle(QStringLiteral("Restore from backup"));
    createControls();
    createLayout();
    createTabOrder();
    createConnections();
}

void RestoreWindow::createControls() {
    BackupListLabel = MakeLabel(this, "BackupListLabel", "&Backups:");
    BackupList = new QTableWidget(0, ColumnCount, this);
    SetUpGrid(BackupList, QStringLiteral("BackupList"), QStringLiteral("Backups"));
    NameTableParts(BackupList);
    BackupList->setHorizontalHeaderLabels({QStringLiteral("Made"), QStringLiteral("State"), QStringLiteral("Files"),
                                           QStringLiteral("Per year: lines and totals")});
    BackupList->horizontalHeader()->setStretchLastSection(true);
    BackupList->setMinimumSize(CharacterWidth(BackupList, 100), 160);
    DifferenceLabel = MakeLabel(this, "DifferenceLabel", "&What restoring would change:");
    Difference = Named(new QPlainTextEdit(this), "Difference", QStringLiteral("What restoring would change"));
    Difference->setReadOnly(true);
    Difference->setTabChangesFocus(true);
    Difference->setLineWrapMode(QPlainTextEdit::NoWrap);
    Difference->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Difference->setMinimumHeight(220);
    RestoreButton = MakeButton(this, "RestoreButton", "&Restore", "Put this backup's files back in place of today's");
    RemoveButton = MakeButton(this, "RemoveButton", "Re&move", "Remove this safety copy made before a restore");
    FromFolderButton = MakeButton(this, "FromFolderButton", "From &Folder\u2026",
                                  "Restore the files of a folder made by the Backup window");
    CloseButton = MakeButton(this, "CloseButton", "&Close", "");
    // Enter on a focused button presses it, as in a dialog.
    for (QPushButton* button : {RestoreButton, RemoveButton, FromFolderButton, CloseButton}) button->setAutoDefault(true);
    BackupListLabel->setBuddy(BackupList);
    DifferenceLabel->setBuddy(Difference);
}

void RestoreWindow::createLayout() {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(RestoreButton);
    buttons->addWidget(RemoveButton);
    buttons->addWidget(FromFolderButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BackupListLabel);
    layout->addWidget(BackupList, 2);
    layout->addWidget(DifferenceLabel);
    layout->addWidget(Difference, 3);
    layout->addLayout(buttons);
    resize(CharacterWidth(this, 120), 600);
}

void RestoreWindow::createTabOrder() {
    setTabOrder(BackupList, Difference);
    setTabOrder(Difference, RestoreButton);
    setTabOrder(RestoreButton, RemoveButton);
    setTabOrder(RemoveButton, FromFolderButton);
    setTabOrder(FromFolderButton, CloseButton);
}

void RestoreWindow::createConnections() {
    connect(BackupList, &QTableWidget::itemSelectionChanged, this, &RestoreWindow::BackupList_Change);
    // Enter on the list restores the chosen backup (after the question).
    connect(BackupList, &QTableWidget::activated, this, &RestoreWindow::Restore_Click);
    connect(RestoreButton, &QPushButton::clicked, this, &RestoreWindow::Restore_Click);
    connect(RemoveButton, &QPushButton::clicked, this, &RestoreWindow::Remove_Click);
    connect(FromFolderButton, &QPushButton::clicked, this, &RestoreWindow::FromFolder_Click);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
}

bool RestoreWindow::OpenBackups() {
    BackupSettings settings;
    if (Status s = LoadBackupSettings(state_.env.files, settings, rootFolder_); !s.ok()) {
        state_.env.dialogs.Show(Message{s.ToString(), kProgramTitle, MessageIcon::Exclamation});
        return false;
    }
    if (Status s = ReadFolderId(state_.env.files, folderId_); !s.ok()) {
        state_.env.dialogs.Show(Message{s.ToString(), kProgramTitle, MessageIcon::Exclamation});
        return false;
    }
    root_ = state_.env.files.OtherFolder(rootFolder_);
    BackupListLabel->setText(QStringLiteral("&Backups in ") + QString::fromStdString(rootFolder_) + QLatin1Char(':'));
    FillList("");
    BackupList->setFocus();
    return true;
}

void RestoreWindow::FillList(const std::string& chosen) {
    // A restore's safety copy gives a folder without an id its first one.
    if (std::string id; folderId_.empty() && ReadFolderId(state_.env.files, id).ok()) folderId_ = id;
    const std::vector<BackupEntry> listed = ListBackups(*root_, folderId_, Verify::Checksums);
    const std::vector<BackupEntry> own = OwnBackups(listed), others = OthersBackups(listed);
    entries_.assign(own.rbegin(), own.rend());
    entries_.insert(entries_.end(), others.rbegin(), others.rend());
    headingRow_ = others.empty() ? -1 : static_cast<int>(own.size());
    BackupList->clearSpans();
    BackupList->setRowCount(static_cast<int>(entries_.size()) + (others.empty() ? 0 : 1));
    int row = 0, chosenRow = 0;
    for (const BackupEntry& entry : entries_) {
        if (row == headingRow_) AddOthersHeading(), ++row;
        if (entry.name == chosen) chosenRow = row;
        FillRow(row++, entry);
    }
    for (int column = DateColumn; column < YearsColumn; ++column) BackupList->resizeColumnToContents(column);
    if (entries_.empty()) return BackupList_Change();
    BackupList->selectRow(chosenRow == headingRow_ ? chosenRow + 1 : chosenRow);
    BackupList_Change();
}

void RestoreWindow::FillRow(int row, const BackupEntry& entry) {
    auto* files = Cell(Counted(entry.manifest.files.size(), "file", "files").toStdString());
    files->setToolTip(QString::fromStdString(BackupFilesText(entry)));
    BackupList->setItem(row, DateColumn, Cell(BackupDateText(entry.time)));
    BackupList->setItem(row, StateColumn, Cell(BackupStateText(entry)));
    BackupList->setItem(row, FilesColumn, files);
    BackupList->setItem(row, YearsColumn, Cell(BackupYearsText(entry, state_.env.money)));
}

// A row over the whole width that the keyboard and the mouse pass over. It is
// disabled for that, and drawn in the grid's own text colour all the same, so
// that it reads as a heading rather than as a greyed-out line.
void RestoreWindow::AddOthersHeading() {
    for (int column = DateColumn; column < ColumnCount; ++column) {
        auto* item = new QTableWidgetItem(column == DateColumn ? QString::fromLatin1(kOthersListHeading) : QString());
        item->setFlags(Qt::NoItemFlags);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setBackground(BackupList->palette().window());
        item->setForeground(BackupList->palette().text());
        BackupList->setItem(headingRow_, column, item);
    }
    BackupList->setSpan(headingRow_, DateColumn, 1, ColumnCount);
}

const BackupEntry* RestoreWindow::Chosen() const {
    int row = BackupList->currentRow();
    if (row < 0 || row == headingRow_ || BackupList->selectedItems().isEmpty()) return nullptr;
    if (headingRow_ >= 0 && row > headingRow_) --row;
    if (row >= static_cast<int>(entries_.size())) return nullptr;
    return &entries_[static_cast<std::size_t>(row)];
}

std::string RestoreWindow::DifferenceOf(const BackupEntry& entry) const {
    BackupEntry checked;
    std::vector<DataFile> backup, today;
    Status s = ReadBackup(*root_, entry.name, entry.ours ? folderId_ : entry.manifest.folder, checked, backup);
    if (s.ok()) s = ReadDataFiles(state_.env.files, today);
    if (!s.ok()) return "This backup cannot be restored:\n" + s.ToString() + "\n";
    if (!entry.ours) LeaveTheirFolderId(backup);
    return std::string(entry.ours ? "" : "This backup was made from another data folder.\n") + "Restoring " +
           entry.name + " would change, against today's files:\n\n" +
           RestoreDifferenceText(today, backup, state_.env.money);
}

void RestoreWindow::BackupList_Change() {
    const BackupEntry* entry = Chosen();
    std::string text;
    if (entries_.empty())
        text = "There are no automatic backups in " + rootFolder_ +
               " yet.\nOne is made when the main window closes after a data file changed.\n";
    else if (!entry)
        text = "Choose a backup to see what restoring it would change.\n";
    else
        text = DifferenceOf(*entry);
    Difference->setPlainText(QString::fromStdString(text));
    RestoreButton->setEnabled(entry && entry->good);
    RemoveButton->setEnabled(entry && entry->ours && !entry->manifest.pinned.empty());
}

void RestoreWindow::Restore_Click() {
    const BackupEntry* entry = Chosen();
    if (!entry || !entry->good) return;
    const std::string name = entry->name;
    Env& env = state_.env;
    Ended(entry->ours ? RestoreBackup(env.files, *root_, name, env.clock, env.dialogs)
                      : RestoreOtherFolderBackup(env.files, *root_, name, env.clock, env.dialogs),
          name);
}

void RestoreWindow::Ended(const RestoreResult& result, const std::string& name) {
    if (result.outcome == RestoreOutcome::Declined) return;
    state_.env.dialogs.Show(RestoreEndMessage(result, name));
    if (!result.restored.empty()) emit Restored();
    FillList(name);
    BackupList->setFocus();
}

void RestoreWindow::Remove_Click() {
    const BackupEntry* entry = Chosen();
    if (!entry || !entry->ours || entry->manifest.pinned.empty()) return;
    const std::string name = entry->name;
    Dialogs& dialogs = state_.env.dialogs;
    if (dialogs.Show(ConfirmYesNo("Remove the safety copy " + name + ", made before restoring " + entry->manifest.pinned +
                                      "?", MessageIcon::Question)) != Answer::Yes)
        return;
    if (Status s = RemoveSafetyCopy(*root_, name, folderId_); !s.ok())
        dialogs.Show(Message{s.ToString(), kProgramTitle, MessageIcon::Exclamation});
    FillList("");
    BackupList->setFocus();
}

void RestoreWindow::FromFolder_Click() {
    Env& env = state_.env;
    const auto folder = env.dialogs.ChooseFile({ChooserKind::Folder, "Folder of backup copies", env.files.Folder(), ""});
    if (!folder) return;
    std::vector<DataFile> backup, today;
    Status s = ReadPlainFolder(*folder, backup);
    if (s.ok()) s = ReadDataFiles(env.files, today);
    if (!s.ok()) {
        env.dialogs.Show(Message{"This folder cannot be restored:\r\n" + s.ToString(), kProgramTitle, MessageIcon::Exclamation});
        return;
    }
    Difference->setPlainText(QString::fromStdString("Restoring " + *folder + " would change, against today's files:\n\n" +
                                                    RestoreDifferenceText(today, backup, env.money)));
    Ended(RestoreFiles(env.files, *root_, backup, *folder, env.clock, env.dialogs), *folder);
}

}  // namespace tessamo
