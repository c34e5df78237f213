// The category editor of frmMainScreen (CatEdFrame): adds a category,
// changes the one selected in the category list, deletes one. The checks,
// questions and file changes are the logic's (CategoryEditor); the editor
// hides itself first and rebuilds the lists afterwards. It leaves the rest of
// the window enabled.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "core/CategoryEditor.h"
#include "core/FixedText.h"
#include "core/LedgerListing.h"
#include "mainscreen/frmMainScreen.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {

namespace {

constexpr int kCodeLength = 2;
constexpr int kNameLength = 16;
constexpr int kMargin = 24;

// The editor leaves the window usable, so it sits in the item list's lower
// right corner, clear of the centred panels (entry editor, year selector).
void ShowInCorner(QWidget* frame, const QWidget* itemList) {
    const QRect area = itemList->geometry();
    frame->move(std::max(0, area.right() - frame->width() - kMargin),
                std::max(0, area.bottom() - frame->height() - kMargin));
    frame->show();
    frame->raise();
}

}  // namespace

void frmMainScreen::createCategoryEditor() {
    CatEdFrame = MakeCaptionFrame(ledgerArea_, "CatEdFrame", " Category Editor ");

    CatEdCatCode = Named(new QLineEdit(CatEdFrame), "CatEdCatCode", QStringLiteral("Category code"));
    CatEdCatCode->setToolTip(QStringLiteral("Two-character category code here"));
    // Limits typing to two characters; "Change Category" may still show "all".
    CatEdCatCode->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral(".{0,2}")), CatEdCatCode));
    CatEdCatCode->setMaximumWidth(CatEdCatCode->fontMetrics().averageCharWidth() * (kCodeLength + 2) + 16);
    CatEdCatName = Named(new QLineEdit(CatEdFrame), "CatEdCatName", QStringLiteral("Category name"));
    CatEdCatName->setToolTip(QStringLiteral("Category name here"));
    CatEdCatName->setMaxLength(kNameLength);
    CatEdCatName->setMinimumWidth(CatEdCatName->fontMetrics().averageCharWidth() * (kNameLength + 2));

    CatEdSave = MakeButton(CatEdFrame, "CatEdSave", "Save", "Click to save NEW category");
    ReplaceCat = MakeButton(CatEdFrame, "ReplaceCat", "Replace", "Click to REPLACE changed category");
    CatDelete = MakeButton(CatEdFrame, "CatDelete", "Delete", "Click to remove category");
    CatEdCancel = MakeButton(CatEdFrame, "CatEdCancel", "Cancel", "");
    ReplaceCat->setEnabled(false);
    CatDelete->setEnabled(false);

    auto* fields = new QGridLayout;
    fields->addWidget(MakeLabel(CatEdFrame, "CatEdCodeLabel", "Code"), 0, 0);
    fields->addWidget(CatEdCatCode, 0, 1, Qt::AlignLeft);
    fields->addWidget(MakeLabel(CatEdFrame, "CatEdNameLabel", "Description"), 1, 0);
    fields->addWidget(CatEdCatName, 1, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {CatEdSave, ReplaceCat, CatDelete, CatEdCancel}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(CatEdFrame);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    CatEdFrame->adjustSize();
    AddPanel(CatEdFrame);

    connect(CatEdSave, &QPushButton::clicked, this, &frmMainScreen::CatEdSave_Click);
    connect(ReplaceCat, &QPushButton::clicked, this, &frmMainScreen::ReplaceCat_Click);
    connect(CatDelete, &QPushButton::clicked, this, &frmMainScreen::CatDelete_Click);
    connect(CatEdCancel, &QPushButton::clicked, this, &frmMainScreen::CatEdCancel_Click);
    // Enter presses the button the editor was opened for (Save for a new
    // category, Replace for a change), shown as the default button.
    OnEnter(CatEdFrame, [this] { (CatEdSave->isDefault() ? CatEdSave : ReplaceCat)->click(); });
    OnEscape(CatEdFrame, [this] { CatEdCancel->click(); });
    connect(mnuNewCategory, &QAction::triggered, this, &frmMainScreen::mnuNewCategory_Click);
    connect(mnuChangeCategory, &QAction::triggered, this, &frmMainScreen::mnuChangeCategory_Click);
    mnuNewCategory->setEnabled(true);
    mnuChangeCategory->setEnabled(true);
}

// The keys go back to the item list, where Insert adds a line.
void frmMainScreen::HideCategoryEditor() {
    CatEdFrame->hide();
    FocusItemList();
}

void frmMainScreen::mnuNewCategory_Click() {
    ShowInCorner(CatEdFrame, ItemList);
    CatEdSave->setDefault(true);
    ReplaceCat->setDefault(false);
    state_.CurrentCategory.clear();
    CatEdCatCode->clear();
    CatEdCatName->clear();
    CatEdCatCode->setFocus();
}

void frmMainScreen::mnuChangeCategory_Click() {
    if (TrimBlanks(state_.CurrentCategory).empty()) {
        state_.env.dialogs.Show(Message{"Please select a category", "Nothing to do!", MessageIcon::Exclamation});
        return;
    }
    ShowInCorner(CatEdFrame, ItemList);
    CatEdSave->setDefault(false);
    ReplaceCat->setDefault(true);
    std::string name;
    getlabel(state_.CurrentCategory, name);
    CatEdCatCode->setText(FromRecordText(state_.CurrentCategory));
    // Shown without its padding, so the description can be typed on at once.
    CatEdCatName->setText(FromRecordText(TrimRightBlanks(name)));
    ReplaceCat->setEnabled(true);
    CatDelete->setEnabled(true);
    CatEdCatName->setFocus();
}

void frmMainScreen::CatEdSave_Click() {
    HideCategoryEditor();
    if (SaveNewCategory(state_, ToRecordText(CatEdCatCode->text()), ToRecordText(CatEdCatName->text())))
        PopCatList();
}

void frmMainScreen::ReplaceCat_Click() {
    HideCategoryEditor();
    if (ReplaceCategory(state_, ToRecordText(CatEdCatCode->text()), ToRecordText(CatEdCatName->text()))) {
        PopCatList();
        PopItemList(state_.CurrentCategory);
    }
}

void frmMainScreen::CatDelete_Click() {
    HideCategoryEditor();
    if (DeleteCategory(state_, ToRecordText(CatEdCatCode->text()), ToRecordText(CatEdCatName->text()))) {
        PopCatList();
        PopItemList(kAllCategories);
    }
}

void frmMainScreen::CatEdCancel_Click() {
    state_.CurrentCategory.clear();
    HideCategoryEditor();
}

}  // namespace tessamo
