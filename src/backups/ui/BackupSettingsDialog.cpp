#include "backups/ui/BackupSettingsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/DataFolder.h"
#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {

BackupSettingsDialog::BackupSettingsDialog(SharedState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("BackupSettingsDialog"));
    setWindowTitle(QStringLiteral("Automatic backups"));
    AutomaticBackups = Named(new QCheckBox(QStringLiteral("&Make a backup when the window closes, if a data file changed"), this),
                             "AutomaticBackups", QStringLiteral("Make a backup when the window closes"));
    FolderLabel = MakeLabel(this, "FolderLabel", "Backup &folder:");
    BackupFolder = Named(new QLineEdit(this), "BackupFolder", QStringLiteral("Backup folder"));
    BackupFolder->setMinimumWidth(CharacterWidth(BackupFolder, 50));
    BrowseButton = MakeButton(this, "BrowseButton", "&Browse", "Choose the backup folder");
    BrowseButton->setText(QString::fromUtf8("&Browse\u2026"));
    FolderHint = MakeReadout(this, "FolderHint", "About the backup folder");
    FolderHint->setWordWrap(true);
    FolderLabel->setBuddy(BackupFolder);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("DialogButtons"));

    auto* folder = new QGridLayout;
    folder->addWidget(FolderLabel, 0, 0);
    folder->addWidget(BackupFolder, 0, 1);
    folder->addWidget(BrowseButton, 0, 2);
    folder->addWidget(FolderHint, 1, 1, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AutomaticBackups);
    layout->addLayout(folder);
    layout->addStretch();
    layout->addWidget(buttons);

    connect(BrowseButton, &QPushButton::clicked, this, &BackupSettingsDialog::Browse_Click);
    connect(buttons, &QDialogButtonBox::accepted, this, &BackupSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool BackupSettingsDialog::OpenSettings() {
    const FileSystem& data = state_.env.files;
    std::string rootFolder;
    if (Status s = LoadBackupSettings(data, settings_, rootFolder); !s.ok()) {
        state_.env.dialogs.Show(Message{s.ToString(), kProgramTitle, MessageIcon::Exclamation});
        return false;
    }
    const QString fallback = QString::fromStdString(DefaultBackupFolder(data.Folder(), UserDataFolder()));
    AutomaticBackups->setChecked(settings_.automatic);
    BackupFolder->setText(QString::fromStdString(settings_.folder));
    BackupFolder->setPlaceholderText(fallback);
    FolderHint->setText(QStringLiteral("Left empty, the backups go to ") + fallback +
                        QStringLiteral(". The last 7 daily, 5 weekly and 12 monthly backups are kept."));
    AutomaticBackups->setFocus();
    return true;
}

void BackupSettingsDialog::Browse_Click() {
    const QString start = BackupFolder->text().isEmpty() ? BackupFolder->placeholderText() : BackupFolder->text();
    if (const auto chosen = state_.env.dialogs.ChooseFile({ChooserKind::Folder, "Backup folder", start.toStdString(), ""}))
        BackupFolder->setText(QString::fromStdString(*chosen));
    BackupFolder->setFocus();
}

void BackupSettingsDialog::accept() {
    const std::string folder = BackupFolder->text().trimmed().toStdString();
    if (!folder.empty() && folder.front() != '/') {
        state_.env.dialogs.Show(EntryAborted("The backup folder must be a full path, starting with \"/\";\r\n"
                                             "leave it empty for the default folder."));
        BackupFolder->setFocus();
        return;
    }
    BackupSettings chosen = settings_;
    chosen.automatic = AutomaticBackups->isChecked();
    chosen.folder = folder;
    FileSystem& data = state_.env.files;
    if (Status s = WriteBackupSettings(*ConfigFolderOf(data), data.Folder(), chosen); !s.ok()) {
        state_.env.dialogs.Show(Message{s.ToString(), kProgramTitle, MessageIcon::Exclamation});
        return;
    }
    QDialog::accept();
}

}  // namespace tessamo
