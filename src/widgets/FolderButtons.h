#pragma once
// "Browse..." and "New Folder..." beside a DirectoryList (the export and
// backup windows): Browse chooses any folder with the platform's folder
// chooser; New Folder asks a name (through the Dialogs) and makes that folder
// (mode 0700) inside the highlighted one. Either way the new folder becomes
// the list's chosen folder, as activating it would. A folder that cannot be
// made is told with its name and the system's reason.
#include <QWidget>
#include <functional>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

class QPushButton;

namespace tessamo {

class DirectoryList;

class FolderButtons : public QWidget {
    Q_OBJECT
public:
    // Asks for a folder, starting at `start`; empty when cancelled.
    using FolderChooser = std::function<QString(QWidget* parent, const QString& start)>;

    FolderButtons(QWidget* parent, DirectoryList* list, const FileSystem& files, Dialogs& dialogs);
    // The platform's chooser unless replaced (tests).
    void SetFolderChooser(FolderChooser chooser) { chooser_ = std::move(chooser); }

    void Browse_Click();
    void NewFolder_Click();

    QPushButton* Browse = nullptr;
    QPushButton* NewFolder = nullptr;

private:
    DirectoryList* list_;
    const FileSystem& files_;
    Dialogs& dialogs_;
    FolderChooser chooser_;
};

}  // namespace tessamo
