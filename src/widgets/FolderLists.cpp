#include "widgets/FolderLists.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QSignalBlocker>
#include <QStorageInfo>

#include <algorithm>

#include "platform/DriveCheck.h"

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

namespace {

constexpr int kLevelRole = Qt::UserRole + 1;
constexpr int kIndentPixels = 12;

// Draws each folder indented by its level, so that the captions stay the
// plain folder names (typing a name's first letters finds it).
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + index.data(kLevelRole).toInt() * kIndentPixels);
        QStyledItemDelegate::paint(painter, shifted, index);
    }
};

QListWidgetItem* AddFolder(QListWidget* list, const QString& path, const QString& caption, int level,
                           QStyle::StandardPixmap icon) {
    auto* item = new QListWidgetItem(list->style()->standardIcon(icon), caption, list);
    item->setData(Qt::UserRole, path);
    item->setData(kLevelRole, level);
    return item;
}

}  // namespace

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new IndentDelegate(this));
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ChooseFolder(item->data(Qt::UserRole).toString()); });
    connect(this, &QListWidget::currentItemChanged, this, &DirectoryList::HighlightChanged);
}

QString DirectoryList::HighlightedFolder() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->data(Qt::UserRole).toString() : folder_;
}

void DirectoryList::ChooseFolder(const QString& folder) {
    SetFolder(folder);
    emit FolderChanged();
}

void DirectoryList::SetFolder(const QString& folder) {
    folder_ = QDir(folder).absolutePath();
    Fill();
}

void DirectoryList::Fill() {
    clear();
    QStringList way;
    for (QDir dir(folder_);; ) {
        way.prepend(dir.absolutePath());
        if (!dir.cdUp()) break;
    }
    int level = 0;
    QListWidgetItem* chosen = nullptr;
    for (const QString& path : way) {
        const QString caption = level == 0 ? path : QFileInfo(path).fileName();
        chosen = AddFolder(this, path, caption, level++, QStyle::SP_DirOpenIcon);
    }
    const QDir here(folder_);
    for (const QString& name : here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        AddFolder(this, here.filePath(name), name, level, QStyle::SP_DirClosedIcon);
    setCurrentItem(chosen);
    scrollToItem(chosen, QAbstractItemView::PositionAtCenter);
}

void GoToChosenDrive(const DriveList& drives, DirectoryList& folders, Dialogs& dialogs) {
    const std::string problem = UnreadableDriveText(drives.Drive().toStdString());
    if (problem.empty())
        folders.SetFolder(drives.Drive());
    else
        dialogs.Show(Message{problem});
}

}  // namespace tessamo
