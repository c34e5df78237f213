#pragma once
// The entry editor's fields turned into a ledger line: Save INCOME / Save
// EXPENSE insert a new line, Replace overwrites the line that was opened, and
// Delete builds the key of the line as it stands in the editor. All texts are
// Windows-1252 bytes. An amount the system's number conventions cannot read
// ("1.2.3", a lone "." or ",") is refused with "Invalid Amount - " and
// nothing is written; an amount with no digit at all is taken as "0".
#include <optional>
#include <string>

#include "core/LedgerEntry.h"
#include "core/SharedState.h"

namespace tessamo {

struct TypedEntry {
    std::string date;    // the date box as shown, five characters ("03-07")
    std::string code;    // the chosen category code
    std::string amount;  // the amount box; Save and Replace put the cleaned text back
    std::string note;    // the note box
    // An amount beginning with "=" is worked out (AmountExpression.h) rather
    // than cleaned; off, it is read as every other amount.
    bool amountExpressions = true;
};

// Cleans typed.amount in place ("0" when nothing is left) and reads it.
// Nothing, after the refusal was shown, when it is not a number. With
// `expressions`, an amount beginning with "=" is worked out instead, its
// result put back as plain number text; a bad expression, or a result below
// zero (the Save button gives the sign), is refused with the reason.
std::optional<std::int64_t> ReadEditorAmount(const SharedState& state, std::string& amount, bool expressions = true);

// What the amount box shows its result as, before saving: the plain number
// of an expression ("14.97"), or the reason it is refused; empty for an
// amount that is no expression.
std::string AmountExpressionPreview(const SharedState& state, const std::string& amount);

// Date = typed date + "-" + yearDigits; amount made positive, or negative for
// an expense; code cut or padded to two characters.
std::optional<LedgerRecord> BuildEntryRecord(const SharedState& state, TypedEntry& typed, const std::string& yearDigits,
                                             bool expense);

// Save INCOME (expense false) / Save EXPENSE (expense true): inserts the line
// into the active ledger. When it was written and a single category is
// listed, the list follows the saved line's code.
EntryOutcome SaveTypedEntry(SharedState& state, TypedEntry& typed, bool expense);

// Replace: the line keeps the kind (income or expense) it had when opened; the
// year digits come from the active year. An opened open item (amount 0) that
// gets an amount has no kind to keep: "Is this an expense?" (Yes/No) decides.
EntryOutcome ReplaceTypedEntry(SharedState& state, TypedEntry& typed);

// The key of the line as the editor shows it, the amount read from a cleaned
// copy of the box (so the box itself is left as typed).
std::optional<std::string> TypedLineKey(const SharedState& state, const TypedEntry& typed);

}  // namespace tessamo
