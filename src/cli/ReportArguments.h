#pragma once
// What the report and export commands choose, as the report window's
// category lists and Start/End buttons do: categories by code (in the order
// given, a code given twice taken once) or all of the year's categories in
// file order, and a month range within the year.
#include <string>
#include <vector>

#include "cli/CommandArgs.h"
#include "core/ReportCategoryList.h"
#include "core/SharedState.h"

namespace tessamo {

struct ReportArguments {
    std::vector<std::string> codes;  // two characters each; empty: all categories
    int fromMonth = 1;
    int toMonth = 12;
    CategoryScope Scope() const { return codes.empty() ? CategoryScope::All : CategoryScope::Chosen; }
};

// Reads CATEGORY words ("all", or codes of one or two characters) and the
// options --from and --to (a month number 1-12 or an English month name).
// InvalidArgument with a one-line reason (without the command name).
Status ReadReportArguments(const CommandArgs& parsed, const std::vector<std::string>& categoryWords,
                           ReportArguments& choice);

class CliContext;

// What the report window does before View and Export, for the commands:
// opens the data folder, looks the chosen categories up in the year's
// category file (into `chosen`, in memory: the commands only read) and sets
// the month range. Returns kExitOk or an exit code after telling why (a code
// the category file lacks is a bad argument of `command`).
int ApplyReportArguments(CliContext& context, const ReportArguments& choice, const std::string& command,
                      std::vector<CategoryRecord>& chosen);

// The help text lines of the shared options.
inline constexpr const char* kReportArgumentsHelp =
    "      CATEGORY is a category code, or \"all\" (the default) for every category of\n"
    "      the year; --from and --to take a month number or name (default 1 and 12).\n";

}  // namespace tessamo
