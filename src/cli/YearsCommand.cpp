// years [CODE...|all] [--from-year Y] [--to-year Y] [--csv]: the chosen
// categories' income and expense year by year, over the data folder's years.
#include <algorithm>
#include <ostream>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "core/FixedText.h"
#include "years/YearsTable.h"

namespace tessamo {
namespace {

// `year` is left as it is when the option is not given.
Status ReadYearOption(const CommandArgs& parsed, const std::string& name, int& year) {
    const std::optional<std::string> value = parsed.Value(name);
    if (!value) return Status::Ok();
    const bool fourDigits = value->size() == 4 && value->find_first_not_of("0123456789") == std::string::npos;
    if (!fourDigits) return BadWord(name + " wants a four-digit year, not \"" + *value + "\"");
    year = std::stoi(*value);
    return Status::Ok();
}

// The codes as typed ("all" alone, or nothing, chooses every code).
Status ReadCodes(const std::vector<std::string>& words, std::vector<std::string>& codes) {
    for (const std::string& word : words) {
        std::string code;
        if (!ReadCategoryArgument(word, code)) return BadWord("\"" + word + "\" is not a category code");
        if (code == "all") continue;
        code = ToUpperAscii(code);
        if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
    }
    return Status::Ok();
}

Status ReadChoice(const CommandArgs& parsed, YearsChoice& choice) {
    Status read = ReadYearOption(parsed, "--from-year", choice.fromYear);
    if (read.ok()) read = ReadYearOption(parsed, "--to-year", choice.toYear);
    if (read.ok()) read = ReadCodes(parsed.positional, choice.codes);
    return read;
}

}  // namespace

std::string YearsCommandHelp() {
    return "  years [CATEGORY...] [--from-year YYYY] [--to-year YYYY] [--csv]\n"
           "      Each year's income and expense of the chosen categories and in all, over\n"
           "      every year of the data folder (or the years given); a category a year does\n"
           "      not list counts 0 there, a year that cannot be read is named with the\n"
           "      reason. --csv writes comma-separated values instead of a table.\n";
}

int RunYearsCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    YearsChoice choice;
    Status read = ParseCommandArgs(args, {"--from-year", "--to-year"}, {"--csv"}, parsed);
    if (read.ok()) read = ReadChoice(parsed, choice);
    if (!read.ok()) return BadArguments(context, "years", read);
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    const SharedState& state = context.state();
    const YearsTable table = BuildYearsTable(state.env.files, choice);
    context.out << (parsed.Has("--csv") ? YearsTableCsv(table) : YearsTableText(table, state.env.money));
    // The table stands without the years that could not be read; the exit
    // code says it is incomplete.
    int rc = kExitOk;
    for (const YearRow& row : table.years)
        if (!row.failure.empty()) {
            context.err << "tessamo-cli: years: " << row.year << " cannot be read: " << row.failure << "\n";
            rc = kExitFailed;
        }
    return rc;
}

}  // namespace tessamo
