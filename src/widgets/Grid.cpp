#include "widgets/Grid.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>

#include "widgets/CategoryListModel.h"

namespace tessamo {
namespace {

void SetFocusLook(QTableView* grid, bool focused) {
    grid->setFrameShadow(focused ? QFrame::Sunken : QFrame::Plain);
    grid->setLineWidth(focused ? 2 : 1);
}

// Follows the grid's focus with its look; a child of the grid, so it goes with
// it. A grid being destroyed loses the focus while it is no longer a table
// view (qobject_cast fails then), and is left alone.
class FocusLook : public QObject {
public:
    explicit FocusLook(QTableView* grid) : QObject(grid) { grid->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            if (auto* grid = qobject_cast<QTableView*>(watched)) SetFocusLook(grid, event->type() == QEvent::FocusIn);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void SetUpGrid(QTableView* grid, const QString& name, const QString& spoken) {
    grid->setObjectName(name);
    grid->setAccessibleName(spoken);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->setFrameShape(QFrame::Panel);
    SetFocusLook(grid, grid->hasFocus());
    new FocusLook(grid);
}

int CharacterWidth(const QWidget* widget, int characters) {
    return widget->fontMetrics().averageCharWidth() * characters + 12;
}

void SetColumnWidthsInCharacters(QTableView* grid, int (*widthOf)(int column)) {
    const int columns = grid->model()->columnCount();
    for (int c = 0; c < columns; ++c) grid->setColumnWidth(c, CharacterWidth(grid, widthOf(c)));
}

QTableView* MakeCategoryGrid(QWidget* parent, const QString& name, CategoryListModel* model) {
    auto* grid = new QTableView(parent);
    SetUpGrid(grid, name, QStringLiteral("Categories"));
    grid->setModel(model);
    SetColumnWidthsInCharacters(grid, &CategoryListModel::HeaderWidthInCharacters);
    return grid;
}

int CategoryGridWidth(const QTableView* grid) {
    return grid->columnWidth(CategoryListModel::CodeColumn) + grid->columnWidth(CategoryListModel::DescriptionColumn) +
           2 * grid->frameWidth() + 20;
}

QColor AmountColour(std::int64_t amount) {
    if (amount < 0) return QColor(255, 0, 0);
    if (amount == 0) return QColor(0, 0, 255);
    return QColor(0, 0, 0);
}

}  // namespace tessamo
