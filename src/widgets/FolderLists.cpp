#include "widgets/FolderLists.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QStorageInfo>

#include <algorithm>

namespace tessamo {
namespace {

QStringList VolumeRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && !roots.contains(volume.rootPath())) roots << volume.rootPath();
    std::sort(roots.begin(), roots.end());
    return roots;
}

}  // namespace

DriveList::DriveList(QWidget* parent, const QString& folder) : QComboBox(parent) {
    for (const QString& root : VolumeRoots()) addItem(root, root);
    ShowDriveOf(folder);
}

QString DriveList::Drive() const { return currentData().toString(); }

void DriveList::ShowDriveOf(const QString& folder) {
    const QString root = QStorageInfo(folder).rootPath();
    int row = findData(root);
    if (row < 0 && !root.isEmpty()) {
        addItem(root, root);
        row = count() - 1;
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(row);
}

DirectoryList::DirectoryList(QWidget* parent) : QTreeView(parent), model_(new QFileSystemModel(this)) {
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setReadOnly(true);
    setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) hideColumn(column);
    header()->hide();
    setUniformRowHeights(true);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { emit FolderChanged(); });
}

void DirectoryList::SetFolder(const QString& folder) {
    const QString path = QDir(folder).absolutePath();
    model_->setRootPath(QStorageInfo(path).rootPath());
    const QModelIndex index = model_->index(path);
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) expand(up);
    setCurrentIndex(index);
    scrollTo(index);
}

QString DirectoryList::Folder() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? QDir(model_->filePath(index)).absolutePath() : QString();
}

}  // namespace tessamo
