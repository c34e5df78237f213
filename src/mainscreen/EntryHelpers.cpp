#include "mainscreen/EntryHelpers.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>

#include "core/Amounts.h"
#include "core/FixedText.h"
#include "core/TypedEntry.h"
#include "platform/DataFolder.h"
#include "quickentry/CategorySuggestion.h"
#include "widgets/CategoryListModel.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {
namespace {

constexpr std::size_t kOffered = 8;
constexpr int kNoteRole = Qt::UserRole + 1;

}  // namespace

EntryHelpers::EntryHelpers(SharedState& state, const EntryEditorControls& controls, QObject* parent)
    : QObject(parent), state_(state), c_(controls) {
    offered_ = new QStandardItemModel(this);
    completer_ = new QCompleter(offered_, this);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCompletionRole(kNoteRole);
    completer_->setMaxVisibleItems(static_cast<int>(kOffered));
    completer_->popup()->setObjectName(QStringLiteral("NoteCompletion"));
    completer_->popup()->setAccessibleName(QStringLiteral("Notes used before"));
    completer_->popup()->installEventFilter(this);
    connect(c_.note, &QLineEdit::textEdited, this, &EntryHelpers::Note_Edited);
    connect(c_.note, &QLineEdit::editingFinished, this, &EntryHelpers::SuggestCategory);
    connect(completer_, QOverload<const QModelIndex&>::of(&QCompleter::activated), this,
            &EntryHelpers::Completion_Taken);
    connect(c_.amount, &QLineEdit::textChanged, this, &EntryHelpers::Amount_Changed);
}

bool EntryHelpers::eventFilter(QObject* watched, QEvent* event) {
    if (watched != completer_->popup() || event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
        // Closes the list only; the editor stays open with what was typed.
        completer_->popup()->hide();
        return true;
    }
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) return false;
    // The list's own Enter: it closes the list, gives the keys back to the
    // note and takes the chosen note (Completion_Taken).
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(completer_->popup(), &enter);
    return true;
}

void EntryHelpers::EditorOpened() {
    // An unreadable settings file leaves every helper on.
    (void)ReadEntryHelperSettings(*state_.env.files.OtherFolder(UserConfigFolder()), settings_);
    c_.suggestion->clear();
    c_.amountResult->clear();
    c_.note->setCompleter(settings_.noteCompletion ? completer_ : nullptr);
    history_ = NoteCompletion();
    rules_ = ImportRules();
    if (!settings_.noteCompletion && !settings_.suggestedCategory) return;
    std::vector<YearLedger> ledgers;
    // Without the history the editor works as the system's does.
    if (ReadCompletionLedgers(state_, ledgers).ok()) history_ = NoteCompletion(ledgers, state_.DateStyle);
    std::string rulesText;
    if (settings_.suggestedCategory && state_.env.files.ReadAll(kImportRulesFileName, rulesText).ok())
        rules_ = ParseImportRules(rulesText);
}

void EntryHelpers::Note_Edited(const QString& text) {
    if (!settings_.noteCompletion) return;
    offered_->clear();
    for (const NoteHistory* h : history_.Matches(ToRecordText(text), kOffered)) {
        const QString note = FromRecordText(h->note);
        auto* item = new QStandardItem(note + QStringLiteral("    ") + FromRecordText(h->latestCode) +
                                       QStringLiteral("  ") +
                                       QString::fromStdString(CurrencyText(h->latestAmount, state_.env.money)));
        item->setData(note, kNoteRole);
        offered_->appendRow(item);
    }
    if (offered_->rowCount() == 0) completer_->popup()->hide();
    else completer_->complete();
}

// The note was taken (Tab or Enter): its last category and amount fill what
// is still empty, never what was typed or chosen.
void EntryHelpers::Completion_Taken(const QModelIndex& index) {
    const NoteHistory* h = history_.Find(ToRecordText(index.data(kNoteRole).toString()));
    if (!h) return;
    c_.note->setText(FromRecordText(h->note));
    if (c_.amount->text().trimmed().isEmpty())
        c_.amount->setText(QString::fromStdString(PlainNumberText(MagnitudeOf(h->latestAmount), state_.env.money)));
    if (c_.chosenCode->text().trimmed().isEmpty()) {
        const int row = CategoryRow(h->latestCode);
        if (row >= 0) emit categoryTaken(row);
    }
    c_.suggestion->clear();
}

void EntryHelpers::Amount_Changed(const QString& text) {
    const std::string preview = settings_.amountArithmetic ? AmountExpressionPreview(state_, ToRecordText(text)) : "";
    c_.amountResult->setText(QString::fromStdString(preview));
}

int EntryHelpers::CategoryRow(const std::string& code) const {
    const auto& records = c_.categoryModel->Records();
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].Code == code) return static_cast<int>(i);
    return -1;
}

void EntryHelpers::SuggestCategory() {
    if (!settings_.suggestedCategory || !c_.chosenCode->text().trimmed().isEmpty()) return;
    const std::optional<CategorySuggestion> s =
        tessamo::SuggestCategory(history_, rules_, c_.categoryModel->Records(), ToRecordText(c_.note->text()));
    const int row = s ? CategoryRow(s->code) : -1;
    if (row < 0) {
        c_.suggestion->clear();
        return;
    }
    c_.categories->setCurrentIndex(c_.categoryModel->index(row, 0));
    c_.categories->scrollTo(c_.categories->currentIndex());
    const CategoryRecord& category = c_.categoryModel->Record(row);
    c_.suggestion->setText(QStringLiteral("Suggested: ") + FromRecordText(category.Code) + QLatin1Char(' ') +
                           FromRecordText(TrimBlanks(category.Name)) +
                           (s->fromRules ? QStringLiteral(" (import rule)") : QString()) +
                           QStringLiteral(" \u2013 Enter in the list takes it"));
}

}  // namespace tessamo
