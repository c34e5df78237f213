#include "journal/ui/HistoryWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "widgets/PanelWidgets.h"

namespace tessamo {
namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

HistoryWindow::HistoryWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("History"));

    Explanation = MakeReadout(this, "Explanation", "What the list is for",
                              QStringLiteral("Choose a change and press Undo to here: it and every newer change are "
                                             "undone. Edit > Redo brings them back."));
    Explanation->setWordWrap(true);
    ChangeList = Named(new QTreeWidget(this), "ChangeList", QStringLiteral("Changes, newest first"));
    ChangeList->setRootIsDecorated(false);
    ChangeList->setUniformRowHeights(true);
    ChangeList->setHeaderLabels({QStringLiteral("Time"), QStringLiteral("Change"), QStringLiteral("Year"),
                                 QStringLiteral("Files")});
    ChangeList->header()->setStretchLastSection(false);
    ChangeList->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    connect(ChangeList, &QTreeWidget::itemActivated, this, &HistoryWindow::UndoToHere_Click);

    UndoToHere = MakeButton(this, "UndoToHere", "&Undo to here", "Undo the chosen change and every newer one");
    CloseButton = MakeButton(this, "CloseButton", "Close", "Close the history");
    connect(UndoToHere, &QPushButton::clicked, this, &HistoryWindow::UndoToHere_Click);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(UndoToHere);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Explanation);
    layout->addWidget(ChangeList, 1);
    layout->addLayout(buttons);
    resize(820, 420);
}

void HistoryWindow::ShowChanges(const std::vector<HistoryEntry>& done) {
    ChangeList->clear();
    for (const HistoryEntry& entry : done)
        new QTreeWidgetItem(ChangeList, {Text(entry.time), Text(entry.description), Text(entry.years),
                                         Text(entry.files)});
    for (int column : {0, 2, 3}) ChangeList->resizeColumnToContents(column);
    UndoToHere->setEnabled(!done.empty());
    if (!done.empty()) ChangeList->setCurrentItem(ChangeList->topLevelItem(0));
    ChangeList->setFocus();
}

void HistoryWindow::UndoToHere_Click() {
    const int row = ChangeList->indexOfTopLevelItem(ChangeList->currentItem());
    if (row >= 0) emit undoRequested(row + 1);
}

}  // namespace tessamo
