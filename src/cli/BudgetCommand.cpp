// budget [--month M] [--csv], budget set|clear|copy: the year's budgets per
// category against the actual amounts, and their changes.
#include <ostream>

#include "budgets/BudgetChange.h"
#include "budgets/BudgetTable.h"
#include "budgets/BudgetText.h"
#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "core/CategoryFile.h"
#include "core/RecordFile.h"
#include "platform/FileErrors.h"
#include "platform/qt/SystemMoneyFormat.h"

namespace tessamo {

std::string BudgetCommandHelp() {
    return "  budget [--month M] [--csv]\n"
           "      Per category of the year with a budget, in the category file's order: code,\n"
           "      description, budget, actual, what is left (budget - actual, signed as amounts\n"
           "      are) and the share used in percent, of month M (1-12) or of the whole year.\n"
           "      Budgets of codes the category file no longer lists follow as \"(no category)\".\n"
           "      --csv: comma-separated, amounts as plain decimals (\"-200.00\").\n"
           "  budget set CODE AMOUNT [--month M] [--income]\n"
           "      Sets CODE's budget of every month (or of month M): an expense limit, or with\n"
           "      --income an expected income. AMOUNT is positive and read as \"add\" reads it.\n"
           "  budget clear CODE [--month M]\n"
           "      Removes CODE's budget of every month (or of month M).\n"
           "  budget copy --from-year YYYY [--actual]\n"
           "      Replaces the year's budgets by those of YYYY, or with --actual by YYYY's\n"
           "      actual monthly average (its total over 12, rounded to the cent); codes the year\n"
           "      does not list are skipped and named. Asks first when the year has budgets.\n";
}

namespace {

// --month: nothing (0) or 1..12; false for anything else.
bool ReadMonthOption(const CommandArgs& parsed, int& month) {
    month = 0;
    const auto value = parsed.Value("--month");
    if (!value) return true;
    if (value->empty() || value->size() > 2 || value->find_first_not_of("0123456789") != std::string::npos) return false;
    month = std::stoi(*value);
    return month >= 1 && month <= 12;
}

std::string MonthWords(int month) { return month == 0 ? "every month" : "month " + std::to_string(month); }

// The active year's categories; false after telling why.
bool ReadCategories(CliContext& context, std::vector<CategoryRecord>& categories) {
    SharedState& state = context.state();
    return ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories));
}

bool Lists(const std::vector<CategoryRecord>& categories, const std::string& code) {
    for (const CategoryRecord& c : categories)
        if (c.Code == code) return true;
    return false;
}

// The code word of set and clear, after checking the count of words.
Status ReadCodeWord(const std::vector<std::string>& words, std::size_t count, const char* wants, std::string& code) {
    if (words.size() != count) return BadWord(wants);
    if (!ReadCategoryArgument(words[1], code) || code == "all") return BadWord("budget: a code has one or two characters");
    return Status::Ok();
}

int SetBudget(CliContext& context, const CommandArgs& parsed, int month) {
    const auto& words = parsed.positional;
    std::string code;
    if (Status s = ReadCodeWord(words, 3, "budget set wants a code and an amount", code); !s.ok())
        return BadArguments(context, s.reason());
    if (words[2].find_first_of("-+") != std::string::npos)
        return BadArguments(context, "budget set: the amount is given without a sign (--income for an income)");
    const auto amount = ReadBudgetAmount(words[2], !parsed.Has("--income"), SystemMoneyFormat());
    if (!amount) return BadArguments(context, "budget set: \"" + words[2] + "\" is no amount above zero (budget clear removes a budget)");

    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    std::vector<CategoryRecord> categories;
    if (!ReadCategories(context, categories)) return kExitFailed;
    code = ResolveCategoryCode(categories, code);
    SharedState& state = context.state();
    if (!Lists(categories, code)) {
        context.err << "tessamo-cli: there is no category \"" << ToConsole(code) << "\" in " << state.CategoryFileName << "\n";
        return kExitFailed;
    }
    if (!ReportIfFailed(state.env.dialogs, ChangeBudget(state.env.files, state.CurYear, code, month, amount)))
        return kExitFailed;
    context.err << "Set the budget of " << ToConsole(code) << ", " << MonthWords(month) << ".\n";
    return kExitOk;
}

int ClearBudget(CliContext& context, const CommandArgs& parsed, int month) {
    std::string code;
    if (Status s = ReadCodeWord(parsed.positional, 2, "budget clear wants a code", code); !s.ok())
        return BadArguments(context, s.reason());
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    std::vector<CategoryRecord> categories;
    if (!ReadCategories(context, categories)) return kExitFailed;
    SharedState& state = context.state();
    YearBudgets budgets;
    if (!ReportIfFailed(state.env.dialogs, LoadBudgets(state.env.files, state.CurYear, budgets))) return kExitFailed;
    // A budget of a code the categories no longer list is cleared by its code as stored.
    if (!budgets.Find(code)) code = ResolveCategoryCode(categories, code);
    if (!budgets.Find(code) && !Lists(categories, code)) {
        context.err << "tessamo-cli: there is no category \"" << ToConsole(code) << "\" and no budget of it\n";
        return kExitFailed;
    }
    if (!budgets.Find(code)) return kExitOk;  // nothing to clear: nothing written
    budgets.Set(code, month, std::nullopt);
    if (!ReportIfFailed(state.env.dialogs, SaveBudgets(state.env.files, state.CurYear, budgets,
                                                       BudgetChangeText(state.CurYear, code, month, true))))
        return kExitFailed;
    context.err << "Cleared the budget of " << ToConsole(code) << ", " << MonthWords(month) << ".\n";
    return kExitOk;
}

int CopyBudgets(CliContext& context, const CommandArgs& parsed) {
    if (parsed.positional.size() != 1) return BadArguments(context, "budget copy takes no further words");
    const auto fromYear = parsed.Value("--from-year");
    if (!fromYear || fromYear->size() != 4 || fromYear->find_first_not_of("0123456789") != std::string::npos)
        return BadArguments(context, "budget copy wants --from-year and four digits");
    if (parsed.Value("--month")) return BadArguments(context, "budget copy copies whole years (no --month)");
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    SharedState& state = context.state();
    YearBudgets present;
    if (!ReportIfFailed(state.env.dialogs, LoadBudgets(state.env.files, state.CurYear, present))) return kExitFailed;
    BudgetCopy copy;
    if (!ReportIfFailed(state.env.dialogs, BudgetsFromYear(state, *fromYear, parsed.Has("--actual"), copy)))
        return kExitFailed;
    if (!present.empty() &&
        state.env.dialogs.Show(ConfirmYesNo("The year " + state.CurYear + " has budgets.\r\nReplace them by " +
                                                (parsed.Has("--actual") ? "the actual monthly average of " : "the budgets of ") +
                                                *fromYear + "?",
                                            MessageIcon::Question)) != Answer::Yes)
        return kExitBadArguments;
    if (!ReportIfFailed(state.env.dialogs, SaveBudgets(state.env.files, state.CurYear, copy.budgets,
                                                       "Budgets of " + state.CurYear + " from " + *fromYear)))
        return kExitFailed;
    for (const std::string& code : copy.skipped)
        context.err << "Skipped \"" << ToConsole(code) << "\": " << state.CategoryFileName << " does not list it.\n";
    context.err << copy.budgets.All().size() << " budgets set from " << *fromYear << ".\n";
    return kExitOk;
}

int ShowBudgets(CliContext& context, const CommandArgs& parsed, int month) {
    if (!parsed.positional.empty()) return BadArguments(context, "budget: say set, clear or copy, not \"" + parsed.positional[0] + "\"");
    if (parsed.Has("--income")) return BadArguments(context, "budget: --income belongs to budget set");
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    SharedState& state = context.state();
    BudgetRowChoice choice;
    if (month != 0) choice.firstMonth = choice.lastMonth = month;
    std::vector<BudgetRow> rows;
    if (!ReportIfFailed(state.env.dialogs, LoadBudgetRows(state, choice, rows))) return kExitFailed;
    if (parsed.Has("--csv")) context.out << BudgetCsvText(rows);
    else if (!rows.empty()) context.out << BudgetTableText(rows, state.env.money);
    return kExitOk;
}

}  // namespace

int RunBudgetCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    if (Status s = ParseCommandArgs(args, {"--month", "--from-year"}, {"--csv", "--income", "--actual"}, parsed); !s.ok())
        return BadArguments(context, "budget", s);
    int month = 0;
    if (!ReadMonthOption(parsed, month)) return BadArguments(context, "budget: --month wants a month from 1 to 12");
    const std::string action = parsed.positional.empty() ? "" : parsed.positional[0];
    if (action != "copy" && (parsed.Value("--from-year") || parsed.Has("--actual")))
        return BadArguments(context, "budget: --from-year and --actual belong to budget copy");
    if ((action == "set" || action == "clear" || action == "copy") && parsed.Has("--csv"))
        return BadArguments(context, "budget: --csv belongs to the budget list");
    if (action != "set" && !action.empty() && parsed.Has("--income"))
        return BadArguments(context, "budget: --income belongs to budget set");
    if (action == "set") return SetBudget(context, parsed, month);
    if (action == "clear") return ClearBudget(context, parsed, month);
    if (action == "copy") return CopyBudgets(context, parsed);
    return ShowBudgets(context, parsed, month);
}

}  // namespace tessamo
