// find [WORD...] [--code CODE]... [--min A] [--max A] [--income|--expense|--open]
//      [--from DAY] [--to DAY] [--years YYYY[-YYYY]] [--csv]:
// the lines of every year that meet all the criteria, newest first.
#include <ostream>

#include "cli/BlockOutput.h"
#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "find/FindAllYears.h"
#include "find/FindText.h"
#include "platform/qt/SystemMoneyFormat.h"

namespace tessamo {
namespace {

Status ReadCodes(const CommandArgs& parsed, FindCriteria& criteria) {
    for (const std::string& word : parsed.Values("--code")) {
        std::string code;
        if (!ReadCategoryArgument(word, code) || code == "all")
            return BadWord("--code wants a code of one or two characters, not \"" + word + "\"");
        criteria.codes.push_back(code);
    }
    return Status::Ok();
}

Status ReadKind(const CommandArgs& parsed, FindCriteria& criteria) {
    const int chosen = parsed.Has("--income") + parsed.Has("--expense") + parsed.Has("--open");
    if (chosen > 1) return BadWord("choose one of --income, --expense and --open");
    if (parsed.Has("--income")) criteria.kind = AmountKind::Income;
    if (parsed.Has("--expense")) criteria.kind = AmountKind::Expense;
    if (parsed.Has("--open")) criteria.kind = AmountKind::Open;
    return Status::Ok();
}

Status ReadBounds(const CommandArgs& parsed, const MoneyFormat& money, FindCriteria& criteria) {
    for (const char* name : {"--min", "--max"}) {
        std::optional<std::int64_t>& bound = name[3] == 'i' ? criteria.minAmount : criteria.maxAmount;
        const std::string typed = parsed.Value(name).value_or("");
        if (!ReadAmountBound(typed, money, bound) || (parsed.Value(name) && !bound))
            return BadWord(std::string(name) + " wants an amount, not \"" + typed + "\"");
    }
    for (const char* name : {"--from", "--to"}) {
        int& day = name[2] == 'f' ? criteria.fromDate : criteria.toDate;
        const std::string typed = parsed.Value(name).value_or("");
        if (!ReadDayBound(typed, day) || (parsed.Value(name) && typed.empty()))
            return BadWord(std::string(name) + " wants a day as YYYY-MM-DD, not \"" + typed + "\"");
    }
    const std::string years = parsed.Value("--years").value_or("");
    if (!ReadYearRange(years, criteria) || (parsed.Value("--years") && years.empty()))
        return BadWord("--years wants YYYY or YYYY-YYYY, not \"" + years + "\"");
    return Status::Ok();
}

// Every argument checked before the folder is opened.
Status ReadCriteria(const CommandArgs& parsed, const MoneyFormat& money, FindCriteria& criteria) {
    for (const std::string& word : parsed.positional) AddFindWord(word, criteria);
    Status read = ReadCodes(parsed, criteria);
    if (read.ok()) read = ReadKind(parsed, criteria);
    if (read.ok()) read = ReadBounds(parsed, money, criteria);
    return read;
}

}  // namespace

std::string FindCommandHelp() {
    return "  find [WORD...] [--code CODE]... [--min AMOUNT] [--max AMOUNT]\n"
           "       [--income | --expense | --open] [--from YYYY-MM-DD] [--to YYYY-MM-DD]\n"
           "       [--years YYYY[-YYYY]] [--csv]\n"
           "      The lines of every year (or the years given) that meet all the criteria,\n"
           "      newest first, as tab-separated Date, Amount, Code, Note: each WORD occurs in\n"
           "      the note (letter case ignored; a WORD with a blank is a phrase), the code is\n"
           "      one of those given, the amount without its sign lies between --min and --max,\n"
           "      the day between --from and --to. The count and the income, expense and\n"
           "      balance texts on standard error, with the number of lines skipped for a\n"
           "      date that is not one of their year. --csv writes comma-separated values.\n";
}

int RunFindCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    FindCriteria criteria;
    const MoneyFormat money = SystemMoneyFormat();
    Status read = ParseCommandArgs(args, {"--code", "--min", "--max", "--from", "--to", "--years"},
                                   {"--income", "--expense", "--open", "--csv"}, parsed);
    if (read.ok()) read = ReadCriteria(parsed, money, criteria);
    if (!read.ok()) return BadArguments(context, "find", read);
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    const SharedState& state = context.state();
    const bool csv = parsed.Has("--csv");
    FindTotals totals;
    {
        BlockOutput rows(context.out);
        if (csv) rows.Block() += FoundCsvHeader(false);
        totals = FindInYears(state.env.files, criteria, state.DateStyle, [&](FoundInYear& year) {
            for (const FoundLine& line : year.lines) {
                if (csv) AppendFoundCsvRow(rows.Block(), line, false, "");
                else AppendFoundRow(rows.Block(), line, state.env.money);
                rows.WriteIfFull();
            }
        });
    }
    for (const std::string& text : FindTotalsTexts(totals, state.env.money)) context.err << text << '\n';
    if (const std::string skipped = SkippedLinesText(totals); !skipped.empty()) context.err << skipped << '\n';
    for (const std::string& failure : totals.failures) context.err << "tessamo-cli: " << failure << '\n';
    return totals.failures.empty() ? kExitOk : kExitFailed;
}

}  // namespace tessamo
