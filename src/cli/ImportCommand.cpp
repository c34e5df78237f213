// import FILE [--format csv|ofx] [--rules FILE] [--default-code CODE]
// [--date-order dmy|mdy|ymd] [--dry-run] [--skip-bad]: a bank statement
// entered into the ledger the way the import window enters it.
#include <ostream>
#include <set>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "core/CategoryFile.h"
#include "core/Amounts.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"
#include "import/ImportSession.h"
#include "platform/CodePage.h"
#include "platform/FileErrors.h"
#include "platform/LocalPaths.h"

namespace tessamo {

std::string ImportCommandHelp() {
    return "  import FILE [--format csv|ofx] [--rules FILE] [--default-code CODE]\n"
           "         [--date-order dmy|mdy|ymd] [--dry-run] [--skip-bad]\n"
           "      Enters the lines of the bank statement FILE (CSV, or OFX/QFX; told from the\n"
           "      file unless --format says) into the ledger. Codes come from the first matching\n"
           "      rule of the rules file (default: import-rules.txt in the data folder; one\n"
           "      \"CODE [+|-] TEXT\" a line), else from --default-code; a line without a code is\n"
           "      left out; a code the year has no category for stops the import. Lines the\n"
           "      ledger already holds, and OFX lines imported before, are skipped. Lines\n"
           "      dated in another year go into that year's files (the command asks; --yes\n"
           "      agrees). --dry-run prints what would be done and writes nothing.\n"
           "      A line whose date or amount cannot be read is listed with its line number;\n"
           "      then nothing is written and the exit code is 1, unless --skip-bad leaves\n"
           "      such lines out.\n";
}

namespace {

struct ImportRequest {
    std::string statement;
    std::optional<std::string> rules;
    std::optional<StatementFormat> format;
    std::optional<DateOrder> dateOrder;
    ImportChoices choices;
    bool dryRun = false;
    bool skipBad = false;
};

// Checks every argument before the folder is touched; the first refusal comes back.
Status ReadRequest(const CommandArgs& parsed, ImportRequest& request) {
    if (parsed.positional.size() != 1) return BadWord("import wants the name of one statement file");
    // Relative to where the user stands, not to the data folder entered later
    // (a path that cannot be made absolute is reported as no file, below).
    const auto absolute = [](const std::string& path) {
        const Result<std::string> made = AbsolutePath(path);
        return made.ok() ? made.value() : std::string();
    };
    request.statement = absolute(parsed.positional[0]);
    if (const auto rules = parsed.Value("--rules")) request.rules = absolute(*rules);
    if (const auto format = parsed.Value("--format")) {
        request.format = StatementFormatFromName(*format);
        if (!request.format) return BadWord("import: --format is csv or ofx, not \"" + *format + "\"");
    }
    if (const auto order = parsed.Value("--date-order")) {
        request.dateOrder = DateOrderFromName(*order);
        if (!request.dateOrder) return BadWord("import: --date-order is dmy, mdy or ymd, not \"" + *order + "\"");
    }
    if (const auto code = parsed.Value("--default-code")) {
        if (!ReadCategoryArgument(*code, request.choices.defaultCode) || request.choices.defaultCode == "all")
            return BadWord("import: a code has one or two characters");
    }
    request.dryRun = parsed.Has("--dry-run");
    request.skipBad = parsed.Has("--skip-bad");
    return Status::Ok();
}

std::string PreviewRow(const PlannedLine& line, const MoneyFormat& money) {
    const bool bad = line.state == LineState::Bad;
    return std::to_string(line.source.lineNumber) + '\t' + (bad ? "" : ToConsole(line.record.Date)) + '\t' +
           (bad ? "" : CurrencyText(line.record.Amount, money)) + '\t' + ToConsole(TrimRightBlanks(line.record.Code)) +
           '\t' + LineStateName(line.state) + '\t' + (line.checked ? "yes" : "no") + '\t' +
           ToConsole(TrimRightBlanks(line.record.Note)) + '\t' + line.reason + '\n';
}

void PrintPreview(CliContext& context, const ImportPlan& plan) {
    context.out << "Line\tDate\tAmount\tCode\tState\tEnter\tNote\tReason\n";
    for (const PlannedLine& line : plan.lines) context.out << PreviewRow(line, context.state().env.money);
    context.out << plan.CheckedCount() << " to enter, " << plan.Count(LineState::Duplicate) << " duplicate, "
                << plan.Count(LineState::OtherYear) << " other year, " << plan.Count(LineState::Bad) << " bad.\n";
}

// Asks whether the other years' lines go into their year files; true on Yes.
bool AgreeToOtherYears(CliContext& context, const ImportPlan& plan) {
    std::set<std::string> years;
    for (const PlannedLine& line : plan.lines)
        if (line.state == LineState::OtherYear) years.insert(line.year);
    std::string list;
    for (const std::string& year : years) list += (list.empty() ? "" : ", ") + year;
    const Message question = ConfirmYesNo(std::to_string(plan.Count(LineState::OtherYear)) +
                                              " lines are dated in " + list + ".\r\nEnter them into their own year files?",
                                          MessageIcon::Question);
    return context.state().env.dialogs.Show(question) == Answer::Yes;
}

bool ListBadLines(CliContext& context, const ImportPlan& plan) {
    for (const PlannedLine& line : plan.lines)
        if (line.state == LineState::Bad)
            context.err << "tessamo-cli: import: line " << line.source.lineNumber << ": " << line.reason << "\n";
    return plan.Count(LineState::Bad) > 0;
}

// Names each code that lines would go under but their year lacks; true
// when there is one. The command does not create categories.
bool ListMissingCategories(CliContext& context, const ImportPlan& plan) {
    const std::vector<MissingCategory> missing = plan.MissingCategories();
    for (const MissingCategory& m : missing)
        context.err << "tessamo-cli: import: there is no category \"" << ToConsole(TrimRightBlanks(m.code)) << "\" in "
                    << m.CategoryFiles() << " (" << m.lines << (m.lines == 1 ? " line" : " lines")
                    << "); add it with the category editor, or change the rule or --default-code.\n";
    return !missing.empty();
}

// Reads the statement with the format and date order asked for; kExitOk,
// or kExitFailed after saying why it cannot be read.
int LoadRequestedStatement(CliContext& context, const ImportRequest& request, LoadedStatement& loaded) {
    const StatementLimits limits;
    const std::unique_ptr<FileSystem> files = LocalFolder(SplitPath(request.statement).folder);
    if (Status s = LoadStatement(*files, request.statement, limits, loaded); !s.ok()) {
        context.err << "tessamo-cli: import: " << s.ToString() << "\n";
        return kExitFailed;
    }
    if (request.format) loaded.SetFormat(*request.format, limits);
    if (request.dateOrder && loaded.format == StatementFormat::Csv) {
        loaded.layout.dateOrder = *request.dateOrder;
        loaded.Parse(limits);
    }
    if (loaded.readError.empty()) return kExitOk;
    context.err << "tessamo-cli: import: " << request.statement << ": " << loaded.readError << "\n";
    return kExitFailed;
}

}  // namespace

int RunImportCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    if (Status s = ParseCommandArgs(args, {"--format", "--rules", "--default-code", "--date-order"},
                                    {"--dry-run", "--skip-bad"}, parsed);
        !s.ok())
        return BadArguments(context, "import", s);
    ImportRequest request;
    if (Status s = ReadRequest(parsed, request); !s.ok()) return BadArguments(context, s.reason());
    for (const auto* file : {&request.statement, request.rules ? &*request.rules : nullptr}) {
        if (file && LocalFileKind(*file) != FileKind::Regular)
            return BadArguments(context, "import: there is no file " + *file);
    }

    // The statement is read before the data folder's lock is taken, so a
    // slow or refused statement never holds the folder.
    LoadedStatement loaded;
    if (int rc = LoadRequestedStatement(context, request, loaded); rc != kExitOk) return rc;

    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    SharedState& state = context.state();
    if (!request.choices.defaultCode.empty()) {
        std::vector<CategoryRecord> categories;
        if (!ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories)))
            return kExitFailed;
        request.choices.defaultCode = ResolveCategoryCode(categories, request.choices.defaultCode);
    }
    ImportSession session(state);
    const auto rulesPath = request.rules ? std::optional(*request.rules) : std::nullopt;
    if (!ReportIfFailed(state.env.dialogs, session.Open(std::move(loaded), rulesPath, request.choices)))
        return kExitFailed;
    for (const RuleError& bad : session.Rules().errors)
        context.err << "tessamo-cli: import: rules " << bad.Text() << "\n";
    if (!session.Rules().errors.empty()) return kExitBadArguments;

    const ImportPlan& plan = session.Plan();
    const bool refuse = ListBadLines(context, plan) && !request.skipBad;
    if (request.dryRun) {
        const bool missing = ListMissingCategories(context, plan);
        PrintPreview(context, plan);
        return refuse || missing ? kExitFailed : kExitOk;
    }
    if (refuse) {
        context.err << "tessamo-cli: import: nothing was written; give --skip-bad to leave those lines out.\n";
        return kExitFailed;
    }
    if (plan.Count(LineState::OtherYear) > 0) {
        if (!AgreeToOtherYears(context, plan)) return kExitBadArguments;
        request.choices.otherYears = true;
        if (!ReportIfFailed(state.env.dialogs, session.SetChoices(request.choices))) return kExitFailed;
    }
    if (ListMissingCategories(context, plan)) {
        context.err << "tessamo-cli: import: nothing was written.\n";
        return kExitFailed;
    }
    ImportCounts counts;
    const ImportOutcome outcome = session.Import(counts);
    context.out << ImportCountsText(counts) << "\n";
    return outcome == ImportOutcome::Done ? kExitOk : kExitFailed;
}

}  // namespace tessamo
