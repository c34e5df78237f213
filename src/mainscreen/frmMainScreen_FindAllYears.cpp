// "Find in all years…" (Ctrl+Shift+F) after the Search menu's entries opens
// the search window beside the main window, once. Enter on a found line makes
// its year active through the year selector, as spinning to it and pressing
// "OK!" would (the lists are rebuilt as the selector rebuilds them), and
// makes the line the item list's current row; the search window stays open.
// Whenever the main window shows its lists anew (a line written, deleted,
// undone, another year), the search window searches again.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QTableView>

#include "find/ui/frmFindAllYears.h"
#include "mainscreen/FindAllYearsEntry.h"
#include "mainscreen/ItemListModel.h"
#include "mainscreen/YearSelectorPanel.h"
#include "mainscreen/frmMainScreen.h"
#include "widgets/OwnedWindow.h"

namespace tessamo {
namespace {

// The item list row of `line`: its record number when the record there is
// still the one found, else the first row holding the same bytes; -1 when
// the line is gone.
int RowOfFoundLine(const LedgerLines& lines, const FoundLine& line) {
    const std::string_view bytes(line.bytes.data(), line.bytes.size());
    const std::size_t at = line.number - 1;
    if (at < lines.size() && lines[at].Bytes() == bytes) return static_cast<int>(at);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].Bytes() == bytes) return static_cast<int>(i);
    return -1;
}

void OpenFoundLine(frmMainScreen& window, SharedState& state, const FoundLine& line) {
    // An open editor or selector holds the lists; the year changes only
    // when the user could change it by hand.
    if (!window.ItemList->isEnabled()) {
        state.env.dialogs.Show(Message{"Finish the open editor first, then choose the line again."});
        return;
    }
    window.findChild<YearSelectorPanel*>()->ChooseYear(line.year);
    const int row = RowOfFoundLine(window.ItemListData()->Lines(), line);
    if (row < 0) return;
    window.ItemList->setCurrentIndex(window.ItemListData()->index(row, 0));
    window.ItemList->scrollTo(window.ItemList->currentIndex());
}

void mnuFindAllYears_Click(frmMainScreen& window, SharedState& state) {
    if (RaiseOpenWindow<frmFindAllYears>(&window)) return;
    auto* search = new frmFindAllYears(state);
    QObject::connect(search, &frmFindAllYears::lineChosen, &window,
                     [&window, &state](const FoundLine& line) { OpenFoundLine(window, state, line); });
    QObject::connect(&window, &frmMainScreen::ListsShown, search, &frmFindAllYears::SearchAgain);
    OpenOwnedWindow(&window, search, OwnerWhileOpen::Enabled);
}

}  // namespace

void AddFindAllYears(frmMainScreen& window, SharedState& state) {
    auto* action = new QAction(QString::fromUtf8("Find in all years\u2026"), &window);
    action->setObjectName(QStringLiteral("mnuFindAllYears"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    window.mnuSearch->addAction(action);
    QObject::connect(action, &QAction::triggered, &window, [&window, &state] { mnuFindAllYears_Click(window, state); });
}

}  // namespace tessamo
