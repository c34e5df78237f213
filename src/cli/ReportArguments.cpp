#include "cli/ReportArguments.h"

#include <algorithm>

#include "cli/Commands.h"
#include "core/CategoryFile.h"
#include "core/Dates.h"
#include "platform/FileErrors.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"

namespace tessamo {
namespace {

// "4", "04" or the English name ("April", "april"), in any case.
bool ReadMonth(const std::string& word, int& month) {
    for (int m = 1; m <= 12; ++m) {
        if (word == std::to_string(m) || (m < 10 && word == "0" + std::to_string(m)) ||
            ToUpperAscii(word) == ToUpperAscii(MonthName(m))) {
            month = m;
            return true;
        }
    }
    return false;
}

// `month` is left as it is when the option is not given.
Status ReadMonthOption(const CommandArgs& parsed, const std::string& name, int& month) {
    const auto value = parsed.Value(name);
    if (!value || ReadMonth(*value, month)) return Status::Ok();
    return BadWord(name + " wants a month 1 to 12 or its name, not \"" + *value + "\"");
}

// The chosen categories with their names from the year's category file.
// Returns kExitOk, kExitBadArguments for a code the file lacks (`error`
// says which), or kExitFailed after a file failure was shown.
int LoadChosenCategories(SharedState& state, const ReportArguments& choice, std::vector<CategoryRecord>& chosen,
                         std::string& error) {
    std::vector<CategoryRecord> all;
    if (!ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, all)))
        return kExitFailed;
    if (choice.codes.empty()) {
        chosen = all;
        return kExitOk;
    }
    chosen.clear();
    for (const std::string& typed : choice.codes) {
        const std::string code = ResolveCategoryCode(all, typed);
        auto found = std::find_if(all.begin(), all.end(), [&](const CategoryRecord& c) { return c.Code == code; });
        if (found == all.end()) {
            error = "there is no category \"" + TrimRightBlanks(code) + "\" in " + state.CategoryFileName;
            return kExitBadArguments;
        }
        // "fd" and "FD" may name the same category: it is taken once.
        if (std::find(chosen.begin(), chosen.end(), *found) == chosen.end()) chosen.push_back(*found);
    }
    return kExitOk;
}

}  // namespace

Status ReadReportArguments(const CommandArgs& parsed, const std::vector<std::string>& categoryWords,
                           ReportArguments& choice) {
    choice = ReportArguments{};
    for (const std::string& word : categoryWords) {
        std::string category;
        if (!ReadCategoryArgument(word, category))
            return BadWord("a category is \"all\" or a code of one or two characters, not \"" + word + "\"");
        if (category == "all" && categoryWords.size() > 1)
            return BadWord("\"all\" cannot be combined with category codes");
        // A code given twice is taken once: listed twice it would double its lines and totals.
        if (category != "all" && std::find(choice.codes.begin(), choice.codes.end(), category) == choice.codes.end())
            choice.codes.push_back(category);
    }
    Status read = ReadMonthOption(parsed, "--from", choice.fromMonth);
    if (read.ok()) read = ReadMonthOption(parsed, "--to", choice.toMonth);
    if (read.ok() && choice.fromMonth > choice.toMonth)
        read = BadWord("--from " + std::to_string(choice.fromMonth) + " lies after --to " +
                       std::to_string(choice.toMonth));
    return read;
}

int ApplyReportArguments(CliContext& context, const ReportArguments& choice, const std::string& command,
                      std::vector<CategoryRecord>& chosen) {
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    SharedState& state = context.state();
    std::string unknown;
    if (int rc = LoadChosenCategories(state, choice, chosen, unknown); rc != kExitOk)
        return rc == kExitBadArguments ? BadArguments(context, command + ": " + unknown) : rc;
    state.RepStartMonth = choice.fromMonth;
    state.RepEndMonth = choice.toMonth;
    return kExitOk;
}

}  // namespace tessamo
