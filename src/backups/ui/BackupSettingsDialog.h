#pragma once
// BackupSettingsDialog: "Automatic backups", from the Options menu. Whether
// a backup is made when the window closes, and the folder the backups go to
// (empty: the default one, shown greyed in the box). OK saves them to the
// backup settings file; a folder that is not a full path, or a file that
// cannot be written, is told and the dialog stays open.
#include <QDialog>

#include "backups/BackupSettings.h"
#include "core/SharedState.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessamo {

class BackupSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit BackupSettingsDialog(SharedState& state, QWidget* parent = nullptr);

    // Reads the settings into the controls; false after a failure was shown.
    bool OpenSettings();

    void Browse_Click();
    void accept() override;

    QCheckBox* AutomaticBackups = nullptr;
    QLabel* FolderLabel = nullptr;
    QLineEdit* BackupFolder = nullptr;
    QPushButton* BrowseButton = nullptr;
    QLabel* FolderHint = nullptr;

private:
    SharedState& state_;
    BackupSettings settings_;
};

}  // namespace tessamo
