#pragma once
// CategoryEditorPanel: the category editor of the main window (CatEdFrame).
// It adds a category, changes the one chosen in the category list, deletes
// one. The checks, questions and file changes are the logic's
// (CategoryEditor); the editor hides itself first (closed()) and then says
// what changed, so the main window rebuilds its lists. It leaves the rest of
// the window enabled, so it sits in the item list's lower right corner.
#include <QGroupBox>

#include "core/SharedState.h"

class QLineEdit;
class QPushButton;

namespace tessamo {

class CategoryEditorPanel : public QGroupBox {
    Q_OBJECT
public:
    // `corner` is the widget in whose lower right corner the editor opens.
    CategoryEditorPanel(SharedState& state, QWidget* area, const QWidget* corner);

    void mnuNewCategory_Click();
    void mnuChangeCategory_Click();
    void CatEdSave_Click();
    void ReplaceCat_Click();
    void CatDelete_Click();
    void CatEdCancel_Click();

signals:
    void closed();
    void categoryAdded();
    void categoryReplaced();
    void categoryDeleted();

private:
    void createFields();
    void createButtons();
    void HideCategoryEditor();
    void ShowInCorner();

    SharedState& state_;
    const QWidget* corner_;
    QLineEdit* CatEdCatCode = nullptr;
    QLineEdit* CatEdCatName = nullptr;
    QPushButton* CatEdSave = nullptr;
    QPushButton* ReplaceCat = nullptr;
    QPushButton* CatDelete = nullptr;
    QPushButton* CatEdCancel = nullptr;
};

}  // namespace tessamo
