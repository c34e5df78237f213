#include "widgets/FolderButtons.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>

#include "platform/FileErrors.h"
#include "widgets/FolderLists.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {
namespace {

bool UsableFolderName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

FolderButtons::FolderButtons(QWidget* parent, DirectoryList* list, const FileSystem& files, Dialogs& dialogs)
    : QWidget(parent), list_(list), files_(files), dialogs_(dialogs) {
    setObjectName(QStringLiteral("FolderButtons"));
    Browse = MakeButton(this, "Browse", "&Browse...", "Choose any folder");
    NewFolder = MakeButton(this, "NewFolder", "&New Folder...", "Make a folder inside the highlighted one");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Browse);
    row->addWidget(NewFolder);
    row->addStretch(1);
    connect(Browse, &QPushButton::clicked, this, &FolderButtons::Browse_Click);
    connect(NewFolder, &QPushButton::clicked, this, &FolderButtons::NewFolder_Click);
}

void FolderButtons::Browse_Click() {
    const std::optional<std::string> folder =
        dialogs_.ChooseFile({ChooserKind::Folder, "Choose a folder", list_->HighlightedFolder().toStdString(), ""});
    if (folder) list_->ChooseFolder(QString::fromStdString(*folder));
    list_->setFocus();
}

void FolderButtons::NewFolder_Click() {
    const QString inside = list_->HighlightedFolder();
    const std::optional<std::string> answer =
        dialogs_.Input("Name of the new folder in " + inside.toStdString() + ":", "New Folder", "");
    if (!answer || answer->empty()) return;
    if (!UsableFolderName(*answer)) {
        dialogs_.Show(Message{"\"" + *answer + "\" is not a folder name."});
        return;
    }
    if (!ReportIfFailed(dialogs_, files_.OtherFolder(inside.toStdString())->MakeFolder(*answer))) return;
    list_->ChooseFolder(QDir(inside).filePath(QString::fromStdString(*answer)));
    list_->setFocus();
}

}  // namespace tessamo
