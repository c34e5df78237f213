#pragma once
// HistoryWindow: "History", the changes that can be undone, newest first
// (time, what was done, the year(s), the files), beside the main window. The
// user chooses a change and undoes it together with every newer one ("Undo
// to here", Enter, or a double click); the window asks for it through
// undoRequested and the main window does it, then shows the list anew. It is
// deleted when closed.
#include <QWidget>
#include <vector>

#include "journal/History.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tessamo {

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    explicit HistoryWindow(QWidget* parent = nullptr);

    // Lists `done` (newest first) and chooses the newest.
    void ShowChanges(const std::vector<HistoryEntry>& done);
    // Undoes the chosen change and every newer one.
    void UndoToHere_Click();

    QLabel* Explanation = nullptr;
    QTreeWidget* ChangeList = nullptr;
    QPushButton* UndoToHere = nullptr;
    QPushButton* CloseButton = nullptr;

signals:
    // The newest `count` changes are to be undone.
    void undoRequested(int count);
};

}  // namespace tessamo
