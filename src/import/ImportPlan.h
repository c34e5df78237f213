#pragma once
// What an import would do, line by line, before anything is written: each
// statement line turned into the ledger line it would become (date in the
// year's date style, exact amount, note from payee and memo cut to 40
// characters, code from the rules or the default code), the year file it
// belongs to, and its state:
//   new        - entered on Import;
//   duplicate  - equal to a ledger line in date, amount and note (each ledger
//                line answers for one statement line), or its FITID was
//                imported before; entered only when ticked;
//   other year - dated outside the active year; entered into its own year
//                file when the user agrees;
//   bad        - its date or amount could not be read; never entered.
// A line without a code, or with a code its year lacks, is left unticked and
// cannot be ticked, unless the code is one of the choices' new categories:
// those are created in each year that lacks them as part of Import.
#include <cstddef>
#include <string>
#include <vector>

#include "core/SharedState.h"
#include "import/ImportRules.h"
#include "import/ImportedIds.h"
#include "import/Statement.h"

namespace tessamo {

enum class LineState { New, Duplicate, OtherYear, Bad };
const char* LineStateName(LineState state);  // "new", "duplicate", "other year", "bad"

struct PlannedLine {
    StatementLine source;
    LedgerRecord record;       // a blank Code: no category yet
    std::string year;          // the year file it goes to, four digits
    LineState state = LineState::New;
    std::string reason;        // UTF-8; why it is not plainly new, or what was changed
    bool checked = false;      // entered on Import
    bool substituted = false;  // a character of the note became "?"
    bool codeMissing = false;  // no code, or one its year lacks: it cannot be entered
    bool awaitsCategory = false;  // would be entered but that its year lacks its code
    bool createsCategory = false;  // its code is a new category its year gets on Import
};

struct ImportChoices {
    ImportChoices() = default;
    ImportChoices(std::string code, bool others, std::vector<CategoryRecord> created = {})
        : defaultCode(std::move(code)), otherYears(others), newCategories(std::move(created)) {}
    std::string defaultCode;  // Windows-1252; empty: unmatched lines wait for one
    bool otherYears = false;  // tick the other years' lines
    // Categories to create where a line's year lacks the code (code and
    // name as the category editor takes them, Windows-1252).
    std::vector<CategoryRecord> newCategories;
};

// A code that lines would be entered under but their year lacks.
struct MissingCategory {
    std::string code;                // Windows-1252, two characters
    std::vector<std::string> years;  // in order
    std::size_t lines = 0;
    std::string CategoryFiles() const;  // "2025CATS.DAT, 2026CATS.DAT"
};

struct ImportPlan {
    std::vector<PlannedLine> lines;
    std::vector<CategoryRecord> newCategories;  // the choices' new categories
    std::size_t Count(LineState state) const;
    std::size_t CheckedCount() const;
    std::size_t AwaitingCount() const;
    // The codes of the lines awaiting a category, in order of code.
    std::vector<MissingCategory> MissingCategories() const;
};

// The note a statement line gets: payee and memo joined by " / ", blanks
// and line breaks folded into one blank, as Windows-1252 cut to 40.
std::string StatementNote(const std::string& payee, const std::string& memo, bool& substituted);

// The stored date of `date` in `style` ("A" mm-dd-yy, "E" dd-mm-yy).
std::string StoredStatementDate(const CalendarDate& date, const std::string& style);

// Plans every line against the ledgers and category files of the years it
// touches (read, never written). A failed read comes back as the Status.
Status PlanImport(const SharedState& state, const Statement& statement, const ImportRules& rules,
                  const ImportedIds& ids, const ImportChoices& choices, ImportPlan& plan);

}  // namespace tessamo
