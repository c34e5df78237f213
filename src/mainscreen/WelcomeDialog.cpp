#include "mainscreen/WelcomeDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "widgets/OwnedWindow.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {

WelcomeDialog::WelcomeDialog(std::vector<CategoryRecord> toOffer, QWidget* parent)
    : QDialog(parent), offered_(std::move(toOffer)) {
    setObjectName(QStringLiteral("WelcomeDialog"));
    setWindowTitle(QStringLiteral("Welcome to Tessamo"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createIntro());
    layout->addLayout(createNameAndDateStyle());
    layout->addWidget(createStarters());
    layout->addWidget(createButtons());
}

QLabel* WelcomeDialog::createIntro() {
    auto* intro = new QLabel(QStringLiteral("A few choices to start with. Each can be changed later: the name and "
                                            "the date style in the Options menu, the categories in the category "
                                            "editor."),
                             this);
    intro->setWordWrap(true);
    return intro;
}

QFormLayout* WelcomeDialog::createNameAndDateStyle() {
    UserName = Named(new QLineEdit(this), "UserName", QStringLiteral("Your name for reports"));
    UserName->setMaxLength(28);
    DateStyle = Named(new QComboBox(this), "DateStyle", QStringLiteral("Date style"));
    DateStyle->addItem(QStringLiteral("MM-DD-YY (month first)"), QStringLiteral("A"));
    DateStyle->addItem(QStringLiteral("DD-MM-YY (day first)"), QStringLiteral("E"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Your &name for reports:"), UserName);
    form->addRow(QStringLiteral("&Date style:"), DateStyle);
    return form;
}

// Two columns of check boxes; hidden when there is nothing to offer.
QGroupBox* WelcomeDialog::createStarters() {
    auto* starters = new QGroupBox(QStringLiteral("Starter categories"), this);
    starters->setAccessibleName(QStringLiteral("Starter categories"));
    auto* grid = new QGridLayout(starters);
    const std::vector<CategoryRecord>& offered = offered_;
    starters->setVisible(!offered.empty());
    for (std::size_t i = 0; i < offered.size(); ++i) {
        const QString text = FromRecordText(offered[i].Code) + QStringLiteral("  ") +
                             FromRecordText(offered[i].Name).trimmed();
        auto* box = new QCheckBox(text, starters);
        box->setObjectName(QStringLiteral("Starter") + FromRecordText(offered[i].Code));
        Starters.push_back(box);
        grid->addWidget(box, static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    return starters;
}

QDialogButtonBox* WelcomeDialog::createButtons() {
    auto* buttons = new QDialogButtonBox(this);
    StartButton = buttons->addButton(QStringLiteral("&Start"), QDialogButtonBox::AcceptRole);
    SkipButton = buttons->addButton(QStringLiteral("S&kip"), QDialogButtonBox::RejectRole);
    StartButton->setObjectName(QStringLiteral("StartButton"));
    SkipButton->setObjectName(QStringLiteral("SkipButton"));
    StartButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

WelcomeChoice WelcomeDialog::Choice() const {
    WelcomeChoice choice;
    choice.userName = ToRecordText(UserName->text().trimmed());
    choice.dateStyle = DateStyle->currentData().toString().toStdString();
    for (std::size_t i = 0; i < Starters.size(); ++i)
        if (Starters[i]->isChecked()) choice.categories.push_back(offered_[i]);
    return choice;
}

bool OfferWelcome(QWidget* window, SharedState& state) {
    WelcomeDialog dialog(StarterCategoriesToOffer(state), window);
    dialog.DateStyle->setCurrentIndex(state.DateStyle == "E" ? 1 : 0);
    PlaceOverOwner(window, &dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    (void)ApplyWelcome(state, dialog.Choice());  // failures were shown; what was stored stays
    return true;
}

}  // namespace tessamo
