// list [CATEGORY]: the ledger view of the year as text.
#include <ostream>

#include "cli/BlockOutput.h"
#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "core/CategoryFile.h"
#include "platform/FileErrors.h"
#include "core/ItemListSummary.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"
#include "platform/CodePage.h"

namespace tessamo {

std::string ListCommandHelp() {
    return "  list [CATEGORY]\n"
           "      The year's line items, newest first, of one category code or of \"all\" (the\n"
           "      default), as tab-separated Date, Amount, Code, Note on standard output; the\n"
           "      income, expense, balance and record-count texts on standard error. Control\n"
           "      characters inside a field are shown as escapes (\\t, \\n, \\x1B).\n";
}

void AppendItemRow(std::string& out, const LedgerBytesRecord& record, const MoneyFormat& money) {
    // The amount text is UTF-8 already; the fields of the record are not.
    AppendCp1252AsVisibleUtf8(out, record.Date());
    out += '\t';
    out += ItemAmountText(record.Amount(), money);
    out += '\t';
    AppendCp1252AsVisibleUtf8(out, record.Code());
    out += '\t';
    AppendCp1252AsVisibleUtf8(out, TrimBlanks(record.Note()));
    out += '\n';
}

std::string ItemRowText(const LedgerRecord& record, const MoneyFormat& money) {
    const LedgerLines line = LedgerLines::FromRecords({record});
    std::string row;
    AppendItemRow(row, line[0], money);
    return row;
}

int RunListCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    if (Status s = ParseCommandArgs(args, {}, {}, parsed); !s.ok())
        return BadArguments(context, "list", s);
    if (parsed.positional.size() > 1) return BadArguments(context, "list takes at most one category");
    std::string category = "all";
    if (!parsed.positional.empty() && !ReadCategoryArgument(parsed.positional[0], category))
        return BadArguments(context, "list: a category is \"all\" or a code of one or two characters");

    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    SharedState& state = context.state();
    if (category != kAllCategories) {
        std::vector<CategoryRecord> categories;
        if (!ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories)))
            return kExitFailed;
        category = ResolveCategoryCode(categories, category);
    }
    ItemListSummary summary;
    if (!ReportIfFailed(state.env.dialogs, LoadItemListSummary(state, category, summary))) return kExitFailed;

    context.out << kItemListHeaders[0] << '\t' << kItemListHeaders[1] << '\t' << kItemListHeaders[2] << '\t'
                << kItemListHeaders[3] << '\n';
    {
        BlockOutput rows(context.out);
        for (std::size_t i = 0; i < summary.items.size(); ++i) {
            AppendItemRow(rows.Block(), summary.items[i], state.env.money);
            rows.WriteIfFull();
        }
    }
    context.err << summary.incomeText << '\n'
                << summary.expenseText << '\n'
                << summary.balanceText << '\n'
                << ToConsole(summary.recordsText) << '\n';
    return kExitOk;
}

}  // namespace tessamo
