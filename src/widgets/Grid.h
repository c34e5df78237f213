#pragma once
// The grids of every window: read-only tables over a model, whole rows chosen,
// one fixed row height (a long list costs nothing to lay out), a fixed header
// row and no row numbers. A grid looks sunken while it has the focus and flat
// otherwise, so the user sees where the keys go: the focused grid has the
// stronger frame.
#include <QColor>
#include <QString>
#include <QTableView>
#include <cstdint>

class QWidget;

namespace tessamo {

class CategoryListModel;

// Names the grid (objectName = the system's control name, accessible name =
// what a person hears) and gives it the common settings and the focus look.
void SetUpGrid(QTableView* grid, const QString& name, const QString& spoken);

// Names a table's headers and corner button, controls of their own to a
// screen reader.
void NameTableParts(QTableView* table);

// The width that shows `characters` average characters of the widget's font.
int CharacterWidth(const QWidget* widget, int characters);
// Gives each column of the grid's model `widthOf(column)` characters.
void SetColumnWidthsInCharacters(QTableView* grid, int (*widthOf)(int column));

// A category grid ("Code", "Description") over `model`, named `name`.
QTableView* MakeCategoryGrid(QWidget* parent, const QString& name, CategoryListModel* model);
// Its width with both columns shown in full beside a vertical scroll bar.
int CategoryGridWidth(const QTableView* grid);
// Whether a key pressed in a category grid chooses its current row, as a
// click or a double-click would: any character key; Tab still moves the focus.
bool ChoosesCurrentRow(const QEvent* event);

// A grid whose last column reaches the view's right edge, never narrower
// than `lastColumnMinimum` pixels; the view scrolls sideways only when it is
// narrower than the other columns and that minimum. Making a cell current
// (a click, a found line) never scrolls the first column out of view.
class FillingGrid : public QTableView {
public:
    FillingGrid(QWidget* parent, int lastColumnMinimum)
        : QTableView(parent), lastColumnMinimum_(lastColumnMinimum) {}
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void updateGeometries() override;

private:
    int lastColumnMinimum_;
};

// The colour of an amount in a grid: red below zero, blue for zero, black above.
QColor AmountColour(std::int64_t amount);

}  // namespace tessamo
