#include "due/ui/DueEntriesWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Amounts.h"
#include "due/ScheduleFile.h"
#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {
namespace {

enum DueColumn { DateColumn, MacroColumn, LinesColumn, TotalColumn, DueColumnCount };
enum LineColumn { CodeColumn, AmountColumn, NoteColumn, LineColumnCount };

QTableWidgetItem* Cell(const QString& text, bool right = false) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (right) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidget* MakeTable(QWidget* parent, int columns, const char* name, const char* spoken, const QStringList& heads) {
    auto* table = new QTableWidget(0, columns, parent);
    SetUpGrid(table, QString::fromLatin1(name), QString::fromLatin1(spoken));
    NameTableParts(table);
    table->setHorizontalHeaderLabels(heads);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QString DateInStyle(const CalendarDate& date, const std::string& style) {
    return QString::fromStdString(FullDateInStyle(date, style));
}

}  // namespace

DueEntriesWindow::DueEntriesWindow(SharedState& state, QWidget* parent) : QWidget(parent, Qt::Window), state_(state) {
    setObjectName(QStringLiteral("DueEntriesWindow"));
    setWindowTitle(QStringLiteral("Due entries"));
    createControls();
    createLayout();
    createTabOrder();
    createConnections();
}

void DueEntriesWindow::createControls() {
    DueListLabel = MakeLabel(this, "DueListLabel", "&Due entries:");
    DueList = MakeTable(this, DueColumnCount, "DueList", "Due entries",
                        {QStringLiteral("Date"), QStringLiteral("Macro"), QStringLiteral("Lines"), QStringLiteral("Total")});
    DueList->setMinimumSize(CharacterWidth(DueList, 70), 150);
    MacroLinesLabel = MakeLabel(this, "MacroLinesLabel", "L&ines of the chosen entry:");
    MacroLines = MakeTable(this, LineColumnCount, "MacroLines", "Lines of the chosen entry",
                           {QStringLiteral("Code"), QStringLiteral("Amount"), QStringLiteral("Note")});
    MacroLines->setMinimumHeight(150);
    EnterButton = MakeButton(this, "EnterButton", "&Enter", "Enter the macro's lines into the ledger on this date");
    SkipButton = MakeButton(this, "SkipButton", "&Skip", "Mark this date done without entering anything");
    LaterButton = MakeButton(this, "LaterButton", "&Later", "Leave this entry due and go on to the next");
    CloseButton = MakeButton(this, "CloseButton", "&Close", "Leave every entry still listed due");
    for (QPushButton* button : {EnterButton, SkipButton, LaterButton, CloseButton}) button->setAutoDefault(true);
    DueListLabel->setBuddy(DueList);
    MacroLinesLabel->setBuddy(MacroLines);
}

void DueEntriesWindow::createLayout() {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(EnterButton);
    buttons->addWidget(SkipButton);
    buttons->addWidget(LaterButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DueListLabel);
    layout->addWidget(DueList, 3);
    layout->addWidget(MacroLinesLabel);
    layout->addWidget(MacroLines, 2);
    layout->addLayout(buttons);
    resize(CharacterWidth(this, 90), 480);
}

void DueEntriesWindow::createTabOrder() {
    setTabOrder(DueList, EnterButton);
    setTabOrder(EnterButton, SkipButton);
    setTabOrder(SkipButton, LaterButton);
    setTabOrder(LaterButton, CloseButton);
    setTabOrder(CloseButton, MacroLines);
}

void DueEntriesWindow::createConnections() {
    connect(DueList, &QTableWidget::itemSelectionChanged, this, &DueEntriesWindow::DueList_Change);
    // Enter on the list enters the chosen entry, as the default button would.
    connect(DueList, &QTableWidget::activated, this, &DueEntriesWindow::Enter_Click);
    connect(EnterButton, &QPushButton::clicked, this, &DueEntriesWindow::Enter_Click);
    connect(SkipButton, &QPushButton::clicked, this, &DueEntriesWindow::Skip_Click);
    connect(LaterButton, &QPushButton::clicked, this, &DueEntriesWindow::Later_Click);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
}

bool DueEntriesWindow::OpenDue(const CalendarDate& through) {
    FileSystem& files = state_.env.files;
    std::string notice;
    Status s = ReadSchedules(files, schedules_);
    if (s.ok()) s = SettlePendingEntry(files, schedules_, true, notice);
    if (!s.ok()) {
        state_.env.dialogs.Show(Message{s.ToString(), kProgramTitle, MessageIcon::Exclamation});
        return false;
    }
    if (!notice.empty()) state_.env.dialogs.Show(Message{notice, kProgramTitle, MessageIcon::Exclamation});
    macros_ = std::make_unique<DueMacroCache>(files);
    entries_ = DueEntriesThrough(schedules_, through);
    DueListLabel->setText(QStringLiteral("&Due entries through ") + DateInStyle(through, state_.DateStyle) +
                          QLatin1Char(':'));
    FillList(0);
    DueList->setFocus();
    return true;
}

const DueMacro& DueEntriesWindow::MacroOf(const DueEntry& entry) { return macros_->Get(entry.macro); }

void DueEntriesWindow::FillList(int row) {
    DueList->setRowCount(static_cast<int>(entries_.size()));
    for (int r = 0; r < DueList->rowCount(); ++r) {
        const DueEntry& entry = entries_[static_cast<std::size_t>(r)];
        const DueMacro& macro = MacroOf(entry);
        DueList->setItem(r, DateColumn, Cell(DateInStyle(entry.date, state_.DateStyle)));
        DueList->setItem(r, MacroColumn, Cell(QString::fromStdString(entry.macro)));
        DueList->setItem(r, LinesColumn, Cell(macro.problem ? QStringLiteral("-") : QString::number(macro.lines.size()), true));
        DueList->setItem(r, TotalColumn, Cell(macro.problem ? QStringLiteral("cannot be entered")
                                                            : QString::fromStdString(CurrencyText(macro.total, state_.env.money)),
                                              !macro.problem));
    }
    for (int column = DateColumn; column < TotalColumn; ++column) DueList->resizeColumnToContents(column);
    if (!entries_.empty()) DueList->selectRow(std::min(row, DueList->rowCount() - 1));
    DueList_Change();
}

const DueEntry* DueEntriesWindow::Current() const {
    const int row = DueList->currentRow();
    if (row < 0 || row >= static_cast<int>(entries_.size()) || DueList->selectedItems().isEmpty()) return nullptr;
    return &entries_[static_cast<std::size_t>(row)];
}

void DueEntriesWindow::ShowLines(const DueMacro* macro) {
    MacroLines->setRowCount(macro ? static_cast<int>(macro->lines.size()) : 0);
    for (int r = 0; r < MacroLines->rowCount(); ++r) {
        const LedgerRecord& line = macro->lines[static_cast<std::size_t>(r)];
        MacroLines->setItem(r, CodeColumn, Cell(FromRecordText(line.Code)));
        MacroLines->setItem(r, AmountColumn, Cell(QString::fromStdString(CurrencyText(line.Amount, state_.env.money)), true));
        MacroLines->setItem(r, NoteColumn, Cell(FromRecordText(line.Note).trimmed()));
    }
    MacroLines->resizeColumnToContents(CodeColumn);
    MacroLines->resizeColumnToContents(AmountColumn);
}

void DueEntriesWindow::DueList_Change() {
    const DueEntry* entry = Current();
    const DueMacro* macro = entry ? &MacroOf(*entry) : nullptr;
    ShowLines(macro && !macro->problem ? macro : nullptr);
    MacroLinesLabel->setText(macro && macro->problem ? QString::fromStdString(*macro->problem)
                                                     : QStringLiteral("L&ines of the chosen entry:"));
    EnterButton->setEnabled(macro && !macro->problem);
    SkipButton->setEnabled(entry != nullptr);
    LaterButton->setEnabled(entry != nullptr);
    EnterButton->setDefault(EnterButton->isEnabled());
}

void DueEntriesWindow::DropCurrent() {
    const int row = DueList->currentRow();
    entries_.erase(entries_.begin() + row);
    if (entries_.empty()) {
        close();
        return;
    }
    FillList(row);
    DueList->setFocus();
}

void DueEntriesWindow::Enter_Click() {
    const DueEntry* entry = Current();
    if (!entry || MacroOf(*entry).problem) return;
    const DueResult result = EnterDueEntry(state_, schedules_, *entry);
    if (result.outcome == DueOutcome::MacroProblem)
        state_.env.dialogs.Show(Message{result.problem, kProgramTitle, MessageIcon::Exclamation});
    if (result.outcome == DueOutcome::Entered) emit Entered();
    if (result.outcome == DueOutcome::Entered || result.outcome == DueOutcome::Skipped) DropCurrent();
}

void DueEntriesWindow::Skip_Click() {
    const DueEntry* entry = Current();
    if (entry && SkipDueEntry(state_, schedules_, *entry).outcome == DueOutcome::Skipped) DropCurrent();
}

void DueEntriesWindow::Later_Click() {
    if (Current()) DropCurrent();
}

}  // namespace tessamo
