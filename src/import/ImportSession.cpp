#include "import/ImportSession.h"

#include "journal/ChangeText.h"
#include "journal/Transaction.h"

#include <filesystem>

namespace tessamo {

Status ReadFileAt(const FileSystem& files, const std::string& path, std::string& bytes) {
    const std::filesystem::path whole(path);
    const std::unique_ptr<FileSystem> folder = files.OtherFolder(whole.parent_path().string());
    const std::string name = whole.filename().string();
    if (!folder->Exists(name)) return Status::NotFound(path, "No such file or directory");
    return folder->ReadAll(name, bytes);
}

Status ReplaceFileAt(const FileSystem& files, const std::string& path, const std::string& tempName,
                     const std::string& bytes) {
    const std::filesystem::path whole(path);
    return files.OtherFolder(whole.parent_path().string())->ReplaceWhole(whole.filename().string(), tempName, bytes);
}

Status ImportSession::Open(const std::string& path, const std::optional<std::string>& rulesPath,
                           const ImportChoices& choices) {
    path_ = path;
    rulesPath_ = rulesPath;
    choices_ = choices;
    if (Status s = ReadFileAt(state_.env.files, path, bytes_); !s.ok()) return s;
    format_ = DetectStatementFormat(bytes_);
    if (format_ == StatementFormat::Csv) layout_ = GuessCsvLayout(DecodeStatementText(bytes_));
    Status s = rulesPath ? ReadFileAt(state_.env.files, *rulesPath, rulesText_)
                         : state_.env.files.ReadAll(kImportRulesFileName, rulesText_);
    if (!s.ok()) return s;
    rules_ = ParseImportRules(rulesText_);
    if (s = ids_.Load(state_.env.files); !s.ok()) return s;
    return ReadAndPlan();
}

std::vector<CsvRow> ImportSession::SampleRows(std::size_t count) const {
    std::vector<CsvRow> rows;
    std::string error;
    // The first lines suffice; a cut inside a quoted field only shortens the sample.
    (void)ReadCsvRows(DecodeStatementText(bytes_.substr(0, 16384)), layout_.separator, rows, error);
    if (rows.size() > count) rows.resize(count);
    return rows;
}

Status ImportSession::ReadAndPlan() {
    readError_.clear();
    statement_ = Statement{};
    CsvLayout used;
    if (!ReadStatement(path_, bytes_, format_, layout_, used, statement_, readError_)) statement_ = Statement{};
    ticks_.clear();
    return Replan();
}

Status ImportSession::Replan() {
    Status s = PlanImport(state_, statement_, rules_, ids_, choices_, plan_);
    for (const auto& [line, checked] : std::map<std::size_t, bool>(ticks_)) SetChecked(line, checked);
    return s;
}

Status ImportSession::SetFormat(StatementFormat format) {
    if (format == StatementFormat::Csv && format_ != format) layout_ = GuessCsvLayout(DecodeStatementText(bytes_));
    format_ = format;
    return ReadAndPlan();
}

Status ImportSession::SetLayout(const CsvLayout& layout) {
    layout_ = layout;
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
