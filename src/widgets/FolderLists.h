#pragma once
// The drive and directory lists of the windows that pick a target folder (the
// backup window, the export window). The drive list holds the mounted volumes
// by their root folders; the directory list shows the folders of one drive
// as a tree, the current folder chosen and shown.
#include <QComboBox>
#include <QTreeView>

class QFileSystemModel;

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

class DirectoryList : public QTreeView {
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent);
    // Shows the folders of the drive holding `folder` and chooses `folder`.
    void SetFolder(const QString& folder);
    // The chosen folder, absolute, without a trailing separator (but "/").
    QString Folder() const;

signals:
    void FolderChanged();

private:
    QFileSystemModel* model_;
};

}  // namespace tessamo
