#include "widgets/Grid.h"

#include <algorithm>

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>

#include "widgets/CategoryListModel.h"

namespace tessamo {
namespace {

// Focused: a sunken frame two pixels wide drawn in the dark shades; flat: a
// thin grey line. A sunken frame in the standard shades has white lower
// edges, which would read lighter than the flat one.
void SetFocusLook(QTableView* grid, bool focused) {
    QPalette look = grid->palette();
    const QPalette standard = grid->style()->standardPalette();
    look.setColor(QPalette::Light, standard.color(QPalette::Dark));
    look.setColor(QPalette::Dark, standard.color(QPalette::Shadow));
    look.setColor(QPalette::WindowText, focused ? standard.color(QPalette::WindowText) : standard.color(QPalette::Mid));
    grid->setPalette(look);
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

void NameTableParts(QTableView* table) {
    table->horizontalHeader()->setAccessibleName(QStringLiteral("Column headers"));
    table->verticalHeader()->setAccessibleName(QStringLiteral("Row headers"));
    for (QAbstractButton* corner : table->findChildren<QAbstractButton*>())
        corner->setAccessibleName(QStringLiteral("Select all"));
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

void FillingGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid()) return QTableView::scrollTo(index, hint);
    QTableView::scrollTo(index.sibling(index.row(), 0), hint);
}

void FillingGrid::updateGeometries() {
    const int columns = model() ? model()->columnCount() : 0;
    if (columns > 0) {
        QHeaderView* header = horizontalHeader();
        int others = 0;
        for (int c = 0; c + 1 < columns; ++c) others += header->sectionSize(c);
        const int fill = std::max(lastColumnMinimum_, viewport()->width() - others);
        if (header->sectionSize(columns - 1) != fill) header->resizeSection(columns - 1, fill);
    }
    QTableView::updateGeometries();
}

QColor AmountColour(std::int64_t amount) {
    if (amount < 0) return QColor(255, 0, 0);
    if (amount == 0) return QColor(0, 0, 255);
    return QColor(0, 0, 0);
}

bool ChoosesCurrentRow(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return !key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
}

}  // namespace tessamo
