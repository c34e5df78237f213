#include "due/ui/ScheduleDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "due/ScheduleFile.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The yearly date's five characters in the style: "02-29" (A) or "29-02" (E).
QString MonthDayInStyle(int month, int day, const std::string& style) {
    return Text(TypedDateInStyle(CalendarDate{month, day, 2000}, style));
}

Message Refusal(const std::string& text) {
    return Message{text, "Schedule", MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

}  // namespace

ScheduleDialog::ScheduleDialog(SharedState& state, const std::string& macro, QWidget* parent)
    : QDialog(parent), state_(state), macro_(macro) {
    setObjectName(QStringLiteral("ScheduleDialog"));
    setWindowTitle(QStringLiteral("Schedule of ") + Text(macro));
    createControls();
    createLayout();
    createConnections();
}

void ScheduleDialog::createControls() {
    const bool dayFirst = state_.DateStyle == "E";
    Repeat = Named(new QComboBox(this), "Repeat", QStringLiteral("Repeat"));
    Repeat->addItems({QStringLiteral("Every month"), QStringLiteral("Every week"), QStringLiteral("Every N months"),
                      QStringLiteral("Every year")});
    Day = Named(new QSpinBox(this), "Day", QStringLiteral("Day of the month"));
    Day->setRange(1, 31);
    Day->setToolTip(QStringLiteral("A day past a month's end means the month's last day"));
    Weekday = Named(new QComboBox(this), "Weekday", QStringLiteral("Weekday"));
    for (int d = 1; d <= 7; ++d) Weekday->addItem(Text(WeekdayWord(d)));
    Months = Named(new QSpinBox(this), "Months", QStringLiteral("Every how many months"));
    Months->setRange(1, 120);
    Months->setToolTip(QStringLiteral("Counted from the month of the first date"));
    YearlyDate = Named(new QLineEdit(this), "YearlyDate", QStringLiteral("Date every year"));
    YearlyDate->setPlaceholderText(Text(dayFirst ? "dd-mm" : "mm-dd"));
    YearlyDate->setToolTip(QStringLiteral("29 February falls on 28 February in other years"));
    const QString full = Text(dayFirst ? "dd-mm-yyyy" : "mm-dd-yyyy");
    FromDate = Named(new QLineEdit(this), "FromDate", QStringLiteral("First date"));
    FromDate->setPlaceholderText(full);
    UntilDate = Named(new QLineEdit(this), "UntilDate", QStringLiteral("Last date"));
    UntilDate->setPlaceholderText(full + QStringLiteral(" (empty: no end)"));
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ClearButton = buttons_->addButton(QStringLiteral("&Clear schedule"), QDialogButtonBox::DestructiveRole);
    ClearButton->setObjectName(QStringLiteral("ClearButton"));
}

void ScheduleDialog::createLayout() {
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Repeat:"), Repeat);
    form->addRow(QStringLiteral("&Day of the month:"), Day);
    form->addRow(QStringLiteral("&Weekday:"), Weekday);
    form->addRow(QStringLiteral("Every &N months:"), Months);
    form->addRow(QStringLiteral("Date every &year:"), YearlyDate);
    form->addRow(QStringLiteral("&First date:"), FromDate);
    form->addRow(QStringLiteral("&Last date:"), UntilDate);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons_);
}

void ScheduleDialog::createConnections() {
    connect(Repeat, &QComboBox::currentIndexChanged, this, &ScheduleDialog::Repeat_Change);
    connect(buttons_, &QDialogButtonBox::accepted, this, &ScheduleDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &ScheduleDialog::reject);
    connect(ClearButton, &QPushButton::clicked, this, &ScheduleDialog::Clear_Click);
}

bool ScheduleDialog::OpenSchedule() {
    if (Status s = ReadSchedules(state_.env.files, schedules_); !s.ok()) {
        state_.env.dialogs.Show(Refusal(s.ToString()));
        return false;
    }
    Schedule shown;
    shown.from = state_.env.clock.Today();
    shown.day = shown.from.day;
    if (const Schedule* found = FindSchedule(schedules_, macro_)) shown = *found;
    Show(shown);
    ClearButton->setEnabled(FindSchedule(schedules_, macro_) != nullptr);
    Repeat->setFocus();
    return true;
}

void ScheduleDialog::Show(const Schedule& s) {
    Repeat->setCurrentIndex(static_cast<int>(s.kind));
    Day->setValue(s.day);
    Weekday->setCurrentIndex(s.weekday - 1);
    Months->setValue(s.months);
    YearlyDate->setText(s.kind == ScheduleKind::Yearly ? MonthDayInStyle(s.month, s.day, state_.DateStyle) : QString());
    FromDate->setText(Text(FullDateInStyle(s.from, state_.DateStyle)));
    UntilDate->setText(s.until ? Text(FullDateInStyle(*s.until, state_.DateStyle)) : QString());
    Repeat_Change();
}

void ScheduleDialog::Repeat_Change() {
    const auto kind = static_cast<ScheduleKind>(Repeat->currentIndex());
    Day->setEnabled(kind == ScheduleKind::Monthly || kind == ScheduleKind::EveryMonths);
    Weekday->setEnabled(kind == ScheduleKind::Weekly);
    Months->setEnabled(kind == ScheduleKind::EveryMonths);
    YearlyDate->setEnabled(kind == ScheduleKind::Yearly);
}

std::optional<std::string> ScheduleDialog::Read(Schedule& s) const {
    const std::string style = state_.DateStyle;
    s.macro = macro_;
    s.kind = static_cast<ScheduleKind>(Repeat->currentIndex());
    s.day = Day->value();
    s.weekday = Weekday->currentIndex() + 1;
    s.months = Months->value();
    if (s.kind == ScheduleKind::Yearly) {
        // Read in a leap year, so that 29 February may be chosen.
        const std::optional<CalendarDate> date =
            ParseFullDateInStyle(YearlyDate->text().trimmed().toStdString() + "-2000", style);
        if (!date) return "The date every year must be a day of the year, such as " + TypedDateInStyle({2, 29, 2000}, style) + ".";
        s.month = date->month;
        s.day = date->day;
    }
    const std::optional<CalendarDate> from = ParseFullDateInStyle(FromDate->text().trimmed().toStdString(), style);
    if (!from) return "The first date must be a date such as " + FullDateInStyle(state_.env.clock.Today(), style) + ".";
    s.from = *from;
    const std::string until = UntilDate->text().trimmed().toStdString();
    s.until = until.empty() ? std::nullopt : ParseFullDateInStyle(until, style);
    if (!until.empty() && !s.until) return "The last date must be empty or a date such as " + FullDateInStyle(*from, style) + ".";
    if (s.until && *s.until < s.from) return "The last date comes before the first.";
    return std::nullopt;
}

bool ScheduleDialog::Save() {
    if (Status s = WriteSchedules(state_.env.files, schedules_); !s.ok()) {
        state_.env.dialogs.Show(Refusal(s.ToString() + "\r\nThe schedules were left as they were."));
        (void)ReadSchedules(state_.env.files, schedules_);  // back to what the file holds
        return false;
    }
    return true;
}

void ScheduleDialog::accept() {
    Schedule wanted;
    if (const std::optional<std::string> problem = Read(wanted)) {
        state_.env.dialogs.Show(Refusal(*problem));
        return;
    }
    PutSchedule(schedules_, wanted);
    if (Save()) QDialog::accept();
}

void ScheduleDialog::Clear_Click() {
    if (RemoveSchedule(schedules_, macro_) && Save()) QDialog::accept();
}

}  // namespace tessamo
