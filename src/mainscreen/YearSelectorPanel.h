#pragma once
// YearSelectorPanel: the year selector of the main window (YearEdFrame). The
// user spins to a year and makes it active with "OK!"; the main window keeps
// its lists and toolbar locked meanwhile (opened() until yearChosen() or
// closed()). The file names, the empty-category question and the copy are
// the logic's (SelectYear). "Cancel" shows the active year again, so that
// CurYear always names the year whose files are active once the selector is
// closed.
#include <QGroupBox>
#include <string>

#include "core/SharedState.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace tessamo {

class YearSelectorPanel : public QGroupBox {
    Q_OBJECT
public:
    YearSelectorPanel(SharedState& state, QWidget* area);

    void mnuYear_Click();
    void DataYear_Change();
    void SetYear_Click();
    void YearOff_Click();
    // Chooses `year` as the user would: spins to it and presses "OK!".
    void ChooseYear(int year);

signals:
    void opened();
    void yearChosen(const std::string& year);
    void closed();

private:
    void createControls();
    void HideYearSelector();

    SharedState& state_;
    QSpinBox* DataYear = nullptr;
    QLabel* CurYear = nullptr;
    QPushButton* SetYear = nullptr;
    QPushButton* YearOff = nullptr;
};

}  // namespace tessamo
