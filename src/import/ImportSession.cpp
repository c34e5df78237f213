#include "import/ImportSession.h"

#include "journal/ChangeText.h"
#include "journal/Transaction.h"
#include "platform/LocalPaths.h"


namespace tessamo {

Status ReadFileAt(const FileSystem& files, const std::string& path, std::string& bytes) {
    const PathParts whole = SplitPath(path);
    const std::unique_ptr<FileSystem> folder = files.OtherFolder(whole.folder);
    const std::string& name = whole.name;
    if (!folder->Exists(name)) return Status::NotFound(path, "No such file or directory");
    return folder->ReadAll(name, bytes);
}

Status ReplaceFileAt(const FileSystem& files, const std::string& path, const std::string& tempName,
                     const std::string& bytes) {
    const PathParts whole = SplitPath(path);
    return files.OtherFolder(whole.folder)->ReplaceWhole(whole.name, tempName, bytes);
}

Status ImportSession::Open(const std::string& path, const std::optional<std::string>& rulesPath,
                           const ImportChoices& choices) {
    LoadedStatement loaded;
    if (Status s = LoadStatement(state_.env.files, path, limits_, loaded); !s.ok()) return s;
    return Open(std::move(loaded), rulesPath, choices);
}

Status ImportSession::Open(LoadedStatement loaded, const std::optional<std::string>& rulesPath,
                           const ImportChoices& choices) {
    source_ = std::move(loaded);
    rulesPath_ = rulesPath;
    choices_ = choices;
    Status s = rulesPath ? ReadFileAt(state_.env.files, *rulesPath, rulesText_)
                         : state_.env.files.ReadAll(kImportRulesFileName, rulesText_);
    if (!s.ok()) return s;
    rules_ = ParseImportRules(rulesText_);
    if (s = ids_.Load(state_.env.files); !s.ok()) return s;
    ticks_.clear();
    return Replan();
}

std::vector<CsvRow> ImportSession::SampleRows(std::size_t count) const {
    std::vector<CsvRow> rows;
    // The first lines suffice; a cut inside a quoted field only shortens the sample.
    (void)ReadCsvRows(DecodeStatementText(source_.bytes.substr(0, 16384)), source_.layout.separator, rows);
    if (rows.size() > count) rows.resize(count);
    return rows;
}

Status ImportSession::ReadAndPlan() {
    source_.Parse(limits_);
    ticks_.clear();
    return Replan();
}

Status ImportSession::Replan() {
    Status s = PlanImport(state_, source_.statement, rules_, ids_, choices_, plan_);
    for (const auto& [line, checked] : std::map<std::size_t, bool>(ticks_)) SetChecked(line, checked);
    return s;
}

Status ImportSession::SetFormat(StatementFormat format) {
    source_.SetFormat(format, limits_);
    ticks_.clear();
    return Replan();
}

Status ImportSession::SetLayout(const CsvLayout& layout) {
    source_.layout = layout;
    return ReadAndPlan();
}

Status ImportSession::SetChoices(const ImportChoices& choices) {
    choices_ = choices;
    return Replan();
}

void ImportSession::SetChecked(std::size_t line, bool checked) {
    if (line >= plan_.lines.size()) return;
    ticks_[line] = checked;
    PlannedLine& planned = plan_.lines[line];
    if (planned.state != LineState::Bad && !planned.codeMissing) planned.checked = checked;
}

Status ImportSession::SaveRules(const std::string& text) {
    ImportRules parsed = ParseImportRules(text);
    const std::string name = rulesPath_ ? *rulesPath_ : kImportRulesFileName;
    if (!parsed.errors.empty()) return Status::InvalidArgument(name, parsed.errors.front().Text());
    FileSystem& files = state_.env.files;
    Status s = rulesPath_ ? ReplaceFileAt(files, *rulesPath_, kImportRulesTempName, text)
                          : files.ReplaceWhole(kImportRulesFileName, kImportRulesTempName, text);
    if (!s.ok()) return s;
    rulesText_ = text;
    rules_ = std::move(parsed);
    return Replan();
}

Status ImportSession::AddRule(const std::string& ruleLine) {
    const bool endsLine = rulesText_.empty() || rulesText_.back() == '\n';
    return SaveRules(rulesText_ + (endsLine ? "" : "\n") + ruleLine);
}

ImportOutcome ImportSession::Import(ImportCounts& counts) {
    Transaction change(state_, "Import");
    const ImportOutcome outcome = ApplyImport(state_, plan_, ids_, counts);
    if (outcome != ImportOutcome::Done || change.Commit(CountedText("Import", counts.entered))) return outcome;
    counts.entered = 0;
    return ImportOutcome::Failed;
}

}  // namespace tessamo
