#pragma once
// The drive and directory lists of the windows that pick a target folder (the
// backup window, the export window). The drive list holds the mounted volumes
// by their root folders; the directory list shows where the chosen folder is
// and what it holds, as a directory list box does.
#include <QComboBox>
#include <QListWidget>

#include "platform/Dialogs.h"

namespace tessamo {

class DriveList : public QComboBox {
    Q_OBJECT
public:
    // Lists the volumes and chooses the one that holds `folder`.
    DriveList(QWidget* parent, const QString& folder);
    // The chosen volume's root folder ("/", "/media/usb").
    QString Drive() const;
    // Chooses the volume that holds `folder` without signalling a change.
    void ShowDriveOf(const QString& folder);
};

// The folders on the way to the chosen folder, each indented below the one
// before, then the chosen folder's own subfolders. Activating a folder
// (double-click, Enter) chooses it. The highlighted folder (a single click,
// the arrow keys) is the one a window's target follows: it is what the user
// sees marked.
class DirectoryList : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent);
    // Chooses `folder` (made absolute) and lists its way and its subfolders.
    void SetFolder(const QString& folder);
    // The chosen folder, absolute, without a trailing separator (but "/").
    QString Folder() const { return folder_; }
    // The highlighted folder; the chosen one when none is highlighted.
    QString HighlightedFolder() const;
    // Chooses `folder` as activating it would (FolderChanged follows).
    void ChooseFolder(const QString& folder);

signals:
    void FolderChanged();
    void HighlightChanged();

private:
    void Fill();

    QString folder_;
};

// The drive just chosen in `drives`: `folders` moves to its root, or, when it
// cannot be read, the user is told and `folders` keeps its folder.
void GoToChosenDrive(const DriveList& drives, DirectoryList& folders, Dialogs& dialogs);

}  // namespace tessamo
