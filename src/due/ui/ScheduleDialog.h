#pragma once
// ScheduleDialog: "Schedule", from the macro controls' "Schedule…" button.
// When the active macro comes due: every month on a day, every week on a
// weekday, every N months on a day, or every year on a date; from a first
// date, optionally until a last date, dates in the folder's date style. OK
// saves it to the schedule file (a macro's done dates are kept); Clear
// removes the macro's schedule. A date or rule that cannot be is told and
// the dialog stays open.
#include <QDialog>
#include <vector>

#include "core/SharedState.h"
#include "due/Schedule.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tessamo {

class ScheduleDialog : public QDialog {
    Q_OBJECT
public:
    ScheduleDialog(SharedState& state, const std::string& macro, QWidget* parent = nullptr);

    // Reads the schedule file and shows the macro's schedule (or a monthly
    // one from today); false after a failure was shown.
    bool OpenSchedule();

    void Repeat_Change();
    void Clear_Click();
    void accept() override;

    QComboBox* Repeat = nullptr;
    QSpinBox* Day = nullptr;
    QComboBox* Weekday = nullptr;
    QSpinBox* Months = nullptr;
    QLineEdit* YearlyDate = nullptr;
    QLineEdit* FromDate = nullptr;
    QLineEdit* UntilDate = nullptr;
    QPushButton* ClearButton = nullptr;

private:
    void createControls();
    void createLayout();
    void createConnections();
    void Show(const Schedule& schedule);
    // The schedule the controls describe; the reason when they describe none.
    std::optional<std::string> Read(Schedule& schedule) const;
    bool Save();

    SharedState& state_;
    std::string macro_;
    std::vector<Schedule> schedules_;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace tessamo
