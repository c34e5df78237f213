#pragma once
// WelcomeDialog: the welcome of a first start (FirstStart.h). The user's name
// for reports, the date style and the starter categories to tick; Start
// stores them through ApplyWelcome, Skip (or Escape) stores nothing.
#include <QDialog>
#include <vector>

#include "core/FirstStart.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessamo {

class WelcomeDialog : public QDialog {
    Q_OBJECT
public:
    explicit WelcomeDialog(std::vector<CategoryRecord> offered, QWidget* parent = nullptr);

    // What the controls hold now.
    WelcomeChoice Choice() const;

    QLineEdit* UserName = nullptr;
    QComboBox* DateStyle = nullptr;
    std::vector<QCheckBox*> Starters;  // one per offered category, in that order
    QPushButton* StartButton = nullptr;
    QPushButton* SkipButton = nullptr;

private:
    QLabel* createIntro();
    QFormLayout* createNameAndDateStyle();
    QGroupBox* createStarters();
    QDialogButtonBox* createButtons();

    std::vector<CategoryRecord> offered_;
};

// On a first start: shows the welcome over `window` and stores what the user
// chose. True when something was stored (the lists need filling again).
bool OfferWelcome(QWidget* window, SharedState& state);

}  // namespace tessamo
