// add income|expense CODE AMOUNT [NOTE] [--date DATE]: one line item, entered
// the way the entry editor's Save buttons enter it.
#include <algorithm>
#include <ostream>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "core/Amounts.h"
#include "core/CategoryFile.h"
#include "core/Dates.h"
#include "core/LedgerEntry.h"
#include "core/RecordFile.h"
#include "platform/FileErrors.h"
#include "platform/CodePage.h"
#include "platform/qt/SystemMoneyFormat.h"

namespace tessamo {

std::string AddCommandHelp() {
    return "  add income|expense CODE AMOUNT [NOTE] [--date DATE]\n"
           "      Enters one line item of an existing category into the year's ledger at its place\n"
           "      by date. AMOUNT: its digits, \".\" and \",\" are read by the system's conventions\n"
           "      (\"1,234.50\", \"$12\"); a sign and other characters are dropped, an expense is\n"
           "      stored negative, and an amount without any digit is refused (\"0\" enters an\n"
           "      open item). NOTE has at most 40 characters. CODE is taken as typed when the\n"
           "      year has it, else in upper case. DATE is the\n"
           "      five-character day in the folder's date style (mm-dd, or dd-mm for style E);\n"
           "      default today. Prints the entered line.\n";
}

namespace {

struct TypedEntry {
    bool expense = false;
    std::string code;
    std::int64_t amount = 0;
    std::string note;  // Windows-1252
    std::string date;  // five characters as typed, or empty for today
};

// Checks every argument before the folder is touched; "" when all are good.
std::string ReadTypedEntry(const CommandArgs& parsed, const MoneyFormat& money, TypedEntry& entry) {
    const auto& words = parsed.positional;
    if (words.size() < 3 || words.size() > 4) return "add wants income|expense, a code, an amount and a note";
    if (words[0] != "income" && words[0] != "expense") return "add: say \"income\" or \"expense\", not \"" + words[0] + "\"";
    entry.expense = words[0] == "expense";
    if (!ReadCategoryArgument(words[1], entry.code) || entry.code == "all") return "add: a code has one or two characters";
    std::string typed = words[2];
    // Unlike the editor, a word without digits is refused rather than read as
    // 0: an open item is entered with "0".
    std::string cleaned = CleanAmount(typed);
    const std::optional<std::int64_t> amount = ReadTypedAmount(cleaned, money);
    if (cleaned.empty() || !amount) return "add: " + InvalidAmountText(words[2]);
    entry.amount = *amount < 0 ? -*amount : *amount;
    if (entry.expense) entry.amount = -entry.amount;
    bool lossy = false;
    entry.note = words.size() == 4 ? Utf8ToCp1252(words[3], &lossy) : "";
    if (lossy) return "add: the note holds characters the ledger cannot store";
    for (char c : entry.note)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return "add: the note holds a control character (a tab, a line break …); a note is one line of text";
    if (entry.note.size() > 40) return "add: the note has more than 40 characters";
    entry.date = parsed.Value("--date").value_or("");
    if (parsed.Value("--date") && entry.date.size() != 5) return "add: --date wants five characters such as 03-15";
    return "";
}

}  // namespace

int RunAddCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    if (Status s = ParseCommandArgs(args, {"--date"}, {}, parsed); !s.ok())
        return BadArguments(context, "add", s);
    // The amount is read by the system's conventions, which need no folder.
    TypedEntry entry;
    if (std::string bad = ReadTypedEntry(parsed, SystemMoneyFormat(), entry); !bad.empty())
        return BadArguments(context, bad);
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    SharedState& state = context.state();
    std::vector<CategoryRecord> categories;
    if (!ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories)))
        return kExitFailed;
    // The code as typed when the year holds it so (a lower-case code made
    // elsewhere), else upper-cased; CategoryExists would upper-case it again.
    entry.code = ResolveCategoryCode(categories, entry.code);
    if (std::none_of(categories.begin(), categories.end(), [&](const CategoryRecord& c) { return c.Code == entry.code; }))
        return BadArguments(context, "add: there is no category \"" + entry.code + "\" in " + state.CategoryFileName);

    const std::string typedDate = entry.date.empty() ? TodayInStyle(state.env.clock, state.DateStyle) : entry.date;
    const LedgerRecord record =
        LedgerRecord::Make(StoredDate(typedDate, state.LedgerYearDigits()), entry.code, entry.amount, entry.note);
    switch (InsertRecord(state, record)) {
        case EntryOutcome::Written:
            context.out << ItemRowText(record, state.env.money);
            return kExitOk;
        case EntryOutcome::Refused:
            return kExitBadArguments;
        default:
            return kExitFailed;
    }
}

}  // namespace tessamo
