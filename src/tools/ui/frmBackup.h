#pragma once
// frmBackup: "Data Backup". Copies every file listed in BackMeUp (the data
// folder's "*.mcr", "*.dat" and "*.nts" files) to the folder chosen with the
// drive and directory lists, one file after another, handling pending events
// once per file so that "Cancel" ends the run before the next file. The
// copying, the refusal of the data folder as target and the end message are
// the logic's (RunBackup). The window stays open for another run; it is
// opened with OpenOwnedWindow, which disables the main window meanwhile.
#include <QWidget>

#include "core/SharedState.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tessamo {

class DirectoryList;
class FolderButtons;
class DriveList;
class StoppableRun;

class frmBackup : public QWidget {
    Q_OBJECT
public:
    explicit frmBackup(SharedState& state, QWidget* parent = nullptr);

    void BackUpDrive_Change();
    void BackUpDir_Change();
    void RunBackup_Click();
    void StopBackup_Click();

    QLabel* Label1 = nullptr;
    QLabel* Backuplist = nullptr;
    QListWidget* BackMeUp = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* BackUpTarget = nullptr;
    DriveList* BackUpDrive = nullptr;
    DirectoryList* BackUpDir = nullptr;
    QLabel* BackUpProgress = nullptr;
    FolderButtons* TargetButtons = nullptr;  // Browse..., New Folder...
    QPushButton* RunBackup = nullptr;
    QPushButton* StopBackup = nullptr;

private:
    void createControls();
    void createLayout();
    void createTabOrder();
    void showSourceAndTarget();
    void createConnections();
    void FillFileList();
    void SetRunning(bool running);
    void ShowCopying(const std::string& name, std::size_t number);

    SharedState& state_;
    StoppableRun* run_;
};

}  // namespace tessamo
