#include "core/TypedEntry.h"

#include "core/AmountExpression.h"
#include "core/Amounts.h"
#include "core/FixedText.h"
#include "core/ItemListSummary.h"
#include "core/LineDeletion.h"

namespace tessamo {
namespace {

// `amount` is what ReadTypedAmount gave: never below 0, so negating it is exact.
std::int64_t Signed(std::int64_t amount, bool expense) { return expense ? -amount : amount; }

bool OpenedAsExpense(const SharedState& state) { return state.OpenedKind == EditKind::Expense; }

// The list follows the code of a line that reached the file, unless it lists all.
void FollowSavedCode(SharedState& state, const std::string& code, EntryOutcome outcome) {
    if (outcome != EntryOutcome::Written && outcome != EntryOutcome::NotFound) return;
    if (state.CurrentCategory != kAllCategories) state.CurrentCategory = code;
}

const Message kOpenItemKindQuestion{"Is this an expense?", kProgramTitle, MessageIcon::Question,
                                    MessageButtons::YesNo, Answer::Yes};

std::string ActiveYearDigits(const SharedState& state) {
    return state.CurYear.size() >= 2 ? state.CurYear.substr(state.CurYear.size() - 2) : state.CurYear;
}

// The refusal names the expression and the reason; the box keeps the text.
std::optional<std::int64_t> ReadExpression(const SharedState& state, std::string& amount) {
    const Result<std::int64_t> r = EvaluateAmountExpression(amount, state.env.money);
    std::string reason = r.status().reason();
    if (r.ok() && r.value() < 0) reason = "the result is below zero; Save INCOME or Save EXPENSE gives the sign";
    if (!reason.empty()) {
        state.env.dialogs.Show(EntryAborted(InvalidAmountText(TrimBlanks(amount)) + "\r\n" + reason));
        return std::nullopt;
    }
    amount = PlainNumberText(r.value(), state.env.money);
    return r.value();
}

}  // namespace

std::string AmountExpressionPreview(const SharedState& state, const std::string& amount) {
    if (!IsAmountExpression(amount)) return {};
    const Result<std::int64_t> r = EvaluateAmountExpression(amount, state.env.money);
    if (!r.ok()) return r.status().reason();
    if (r.value() < 0) return "below zero";
    return "= " + PlainNumberText(r.value(), state.env.money);
}

std::optional<std::int64_t> ReadEditorAmount(const SharedState& state, std::string& amount, bool expressions) {
    if (expressions && IsAmountExpression(amount)) return ReadExpression(state, amount);
    amount = CleanAmount(amount);
    if (amount.empty()) amount = "0";
    std::optional<std::int64_t> value = ReadTypedAmount(amount, state.env.money);
    if (!value) state.env.dialogs.Show(EntryAborted(InvalidAmountText(amount)));
    return value;
}

std::optional<LedgerRecord> BuildEntryRecord(const SharedState& state, TypedEntry& typed, const std::string& yearDigits,
                                             bool expense) {
    typed.code = FixedWidth(typed.code, 2);
    std::optional<std::int64_t> amount = ReadEditorAmount(state, typed.amount, typed.amountExpressions);
    if (!amount) return std::nullopt;
    return LedgerRecord::Make(typed.date + "-" + yearDigits, typed.code, Signed(*amount, expense), typed.note);
}

EntryOutcome SaveTypedEntry(SharedState& state, TypedEntry& typed, bool expense) {
    std::optional<LedgerRecord> record = BuildEntryRecord(state, typed, state.LedgerYearDigits(), expense);
    if (!record) return EntryOutcome::Refused;
    const EntryOutcome outcome = InsertRecord(state, *record);
    FollowSavedCode(state, typed.code, outcome);
    return outcome;
}

EntryOutcome ReplaceTypedEntry(SharedState& state, TypedEntry& typed) {
    std::optional<LedgerRecord> record =
        BuildEntryRecord(state, typed, ActiveYearDigits(state), OpenedAsExpense(state));
    if (!record) return EntryOutcome::Refused;
    // An open item (amount 0) opens as income, so its kind says nothing: the
    // amount it now gets would turn a bill into income without this question.
    if (state.OpenedRecord.Amount == 0 && record->Amount != 0 &&
        state.env.dialogs.Show(kOpenItemKindQuestion) == Answer::Yes)
        record->Amount = -record->Amount;
    const EntryOutcome outcome = ReplaceRecord(state, *record);
    FollowSavedCode(state, typed.code, outcome);
    return outcome;
}

std::optional<std::string> TypedLineKey(const SharedState& state, const TypedEntry& typed) {
    std::string amountText = typed.amount;
    std::optional<std::int64_t> amount = ReadEditorAmount(state, amountText, typed.amountExpressions);
    if (!amount) return std::nullopt;
    const std::string date = typed.date + "-" + state.LedgerYearDigits();
    return LineKey(date, CurrencyText(Signed(*amount, OpenedAsExpense(state)), state.env.money), typed.code,
                   typed.note);
}

}  // namespace tessamo
