// category list | add CODE NAME | change OLD NEW NAME | delete CODE [--lines]:
// the category editor's Save, Replace and Delete on the active year, through
// the window's own routines, checks, questions and messages.
#include <ostream>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "core/CategoryEditor.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"
#include "platform/CodePage.h"
#include "platform/FileErrors.h"

namespace tessamo {

std::string CategoryCommandHelp() {
    return "  category list | add CODE NAME | change OLD NEW NAME | delete CODE [--lines]\n"
           "      The year's categories as tab-separated code and name; or the category\n"
           "      editor's Save (add), Replace (change: the lines of OLD get the code NEW) and\n"
           "      Delete (with --lines, the lines of that code are deleted too). A question\n"
           "      the editor asks needs --yes.\n";
}

namespace {

// The arguments each action takes, after its name.
std::size_t ArgumentCount(const std::string& action) {
    if (action == "list") return 0;
    if (action == "add") return 2;
    if (action == "change") return 3;
    if (action == "delete") return 1;
    return std::string::npos;
}

int ListCategories(CliContext& context) {
    SharedState& state = context.state();
    std::vector<CategoryRecord> categories;
    if (!ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories)))
        return kExitFailed;
    for (const CategoryRecord& c : categories)
        context.out << Cp1252ToVisibleUtf8(TrimBlanks(c.Code)) << '\t' << Cp1252ToVisibleUtf8(TrimBlanks(c.Name))
                    << '\n';
    return kExitOk;
}

// The stored name of `code` (empty when there is none), as the window's editor shows it.
std::string StoredName(SharedState& state, const std::string& code) {
    std::vector<CategoryRecord> categories;
    if (!ReadRecords(state.env.files, state.CategoryFileName, categories).ok()) return {};
    for (const CategoryRecord& c : categories)
        if (TrimBlanks(c.Code) == TrimBlanks(code)) return c.Name;
    return {};
}

}  // namespace

int RunCategoryCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    if (Status s = ParseCommandArgs(args, {}, {"--lines"}, parsed); !s.ok())
        return BadArguments(context, "category", s);
    const std::vector<std::string>& words = parsed.positional;
    if (words.empty() || ArgumentCount(words[0]) != words.size() - 1)
        return BadArguments(context, "category wants list, add CODE NAME, change OLD NEW NAME or delete CODE");
    if (parsed.Has("--lines") && words[0] != "delete") return BadArguments(context, "category: --lines goes with delete");
    std::vector<std::string> typed;  // Windows-1252, as the editor's fields hold them
    for (std::size_t i = 1; i < words.size(); ++i) {
        bool lossy = false;
        typed.push_back(Utf8ToCp1252(words[i], &lossy));
        if (lossy) return BadArguments(context, "category: \"" + words[i] + "\" holds characters a category cannot store");
    }
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    SharedState& state = context.state();
    if (words[0] == "list") return ListCategories(context);
    Status done;
    if (words[0] == "add") {
        done = SaveNewCategory(state, typed[0], typed[1]);
    } else if (words[0] == "change") {
        state.CurrentCategory = ToUpperAscii(typed[0]);
        done = ReplaceCategory(state, typed[1], typed[2]);
    } else {
        const Answer lines = parsed.Has("--lines") ? Answer::Yes : Answer::No;
        const std::string why = parsed.Has("--lines") ? "--lines" : "no --lines";
        context.PresetAnswer("Category deleted. Delete records too?", lines, why);
        context.PresetAnswer("ARE YOU SURE?", lines, why);
        done = DeleteCategory(state, ToUpperAscii(typed[0]), StoredName(state, ToUpperAscii(typed[0])));
    }
    return done.ok() ? kExitOk : kExitFailed;
}

}  // namespace tessamo
