// The category editor's controls and handlers (see CategoryEditorPanel.h).
#include "mainscreen/CategoryEditorPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>

#include "core/CategoryEditor.h"
#include "core/FixedText.h"
#include "core/ListFiles.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {

namespace {

constexpr int kCodeLength = 2;
constexpr int kNameLength = 16;
constexpr int kMargin = 24;

}  // namespace

CategoryEditorPanel::CategoryEditorPanel(SharedState& state, QWidget* area, const QWidget* corner)
    : QGroupBox(QStringLiteral(" Category Editor "), area), state_(state), corner_(corner) {
    setAutoFillBackground(true);
    Named<QGroupBox>(this, "CatEdFrame", title().trimmed());
    createFields();
    createButtons();
    adjustSize();
    hide();
}

void CategoryEditorPanel::createFields() {
    CatEdCatCode = Named(new QLineEdit(this), "CatEdCatCode", QStringLiteral("Category code"));
    CatEdCatCode->setToolTip(QStringLiteral("Two-character category code here"));
    // Limits typing to two characters; "Change Category" may still show "all".
    CatEdCatCode->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral(".{0,2}")), CatEdCatCode));
    CatEdCatCode->setMaximumWidth(CatEdCatCode->fontMetrics().averageCharWidth() * (kCodeLength + 2) + 16);
    CatEdCatName = Named(new QLineEdit(this), "CatEdCatName", QStringLiteral("Category name"));
    CatEdCatName->setToolTip(QStringLiteral("Category name here"));
    CatEdCatName->setMaxLength(kNameLength);
    CatEdCatName->setMinimumWidth(CatEdCatName->fontMetrics().averageCharWidth() * (kNameLength + 2));
}

void CategoryEditorPanel::createButtons() {
    CatEdSave = MakeButton(this, "CatEdSave", "Save", "Click to save NEW category");
    ReplaceCat = MakeButton(this, "ReplaceCat", "Replace", "Click to REPLACE changed category");
    CatDelete = MakeButton(this, "CatDelete", "Delete", "Click to remove category");
    CatEdCancel = MakeButton(this, "CatEdCancel", "Cancel", "");
    ReplaceCat->setEnabled(false);
    CatDelete->setEnabled(false);

    auto* fields = new QGridLayout;
    fields->addWidget(MakeLabel(this, "CatEdCodeLabel", "Code"), 0, 0);
    fields->addWidget(CatEdCatCode, 0, 1, Qt::AlignLeft);
    fields->addWidget(MakeLabel(this, "CatEdNameLabel", "Description"), 1, 0);
    fields->addWidget(CatEdCatName, 1, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {CatEdSave, ReplaceCat, CatDelete, CatEdCancel}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(CatEdSave, &QPushButton::clicked, this, &CategoryEditorPanel::CatEdSave_Click);
    connect(ReplaceCat, &QPushButton::clicked, this, &CategoryEditorPanel::ReplaceCat_Click);
    connect(CatDelete, &QPushButton::clicked, this, &CategoryEditorPanel::CatDelete_Click);
    connect(CatEdCancel, &QPushButton::clicked, this, &CategoryEditorPanel::CatEdCancel_Click);
    // Enter presses the button the editor was opened for (Save for a new
    // category, Replace for a change), shown as the default button.
    OnEnter(this, [this] { (CatEdSave->isDefault() ? CatEdSave : ReplaceCat)->click(); });
    OnEscape(this, [this] { CatEdCancel->click(); });
}

// The editor leaves the window usable, so it sits clear of the centred
// panels (entry editor, year selector).
void CategoryEditorPanel::ShowInCorner() {
    const QRect area = corner_->geometry();
    move(std::max(0, area.right() - width() - kMargin), std::max(0, area.bottom() - height() - kMargin));
    show();
    raise();
}

// The keys go back to the item list, where Insert adds a line.
void CategoryEditorPanel::HideCategoryEditor() {
    hide();
    emit closed();
}

void CategoryEditorPanel::mnuNewCategory_Click() {
    ShowInCorner();
    CatEdSave->setDefault(true);
    ReplaceCat->setDefault(false);
    state_.CurrentCategory.clear();
    CatEdCatCode->clear();
    CatEdCatName->clear();
    CatEdCatCode->setFocus();
}

void CategoryEditorPanel::mnuChangeCategory_Click() {
    if (TrimBlanks(state_.CurrentCategory).empty()) {
        state_.env.dialogs.Show(Message{"Please select a category", "Nothing to do!", MessageIcon::Exclamation});
        return;
    }
    ShowInCorner();
    CatEdSave->setDefault(false);
    ReplaceCat->setDefault(true);
    std::string name;
    // A failure was shown; the description box stays empty.
    (void)getlabel(state_, state_.CurrentCategory, name);
    CatEdCatCode->setText(FromRecordText(state_.CurrentCategory));
    // Shown without its padding, so the description can be typed on at once.
    CatEdCatName->setText(FromRecordText(TrimRightBlanks(name)));
    ReplaceCat->setEnabled(true);
    CatDelete->setEnabled(true);
    CatEdCatName->setFocus();
}

void CategoryEditorPanel::CatEdSave_Click() {
    HideCategoryEditor();
    if (SaveNewCategory(state_, ToRecordText(CatEdCatCode->text()), ToRecordText(CatEdCatName->text())).ok())
        emit categoryAdded();
}

void CategoryEditorPanel::ReplaceCat_Click() {
    HideCategoryEditor();
    if (ReplaceCategory(state_, ToRecordText(CatEdCatCode->text()), ToRecordText(CatEdCatName->text())).ok())
        emit categoryReplaced();
}

void CategoryEditorPanel::CatDelete_Click() {
    HideCategoryEditor();
    if (DeleteCategory(state_, ToRecordText(CatEdCatCode->text()), ToRecordText(CatEdCatName->text())).ok())
        emit categoryDeleted();
}

void CategoryEditorPanel::CatEdCancel_Click() {
    state_.CurrentCategory.clear();
    HideCategoryEditor();
}

}  // namespace tessamo
