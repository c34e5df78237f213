#pragma once
// "Browse..." and "New Folder..." beside a DirectoryList (the export and
// backup windows): Browse chooses any folder with the Dialogs' folder
// chooser; New Folder asks a name (through the Dialogs) and makes that folder
// (mode 0700) inside the highlighted one. Either way the new folder becomes
// the list's chosen folder, as activating it would. A folder that cannot be
// made is told with its name and the system's reason.
#include <QWidget>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

class QPushButton;

namespace tessamo {

class DirectoryList;

class FolderButtons : public QWidget {
    Q_OBJECT
public:
    FolderButtons(QWidget* parent, DirectoryList* list, const FileSystem& files, Dialogs& dialogs);

    void Browse_Click();
    void NewFolder_Click();

    QPushButton* Browse = nullptr;
    QPushButton* NewFolder = nullptr;

private:
    DirectoryList* list_;
    const FileSystem& files_;
    Dialogs& dialogs_;
};

}  // namespace tessamo
