#include "import/ImportSession.h"

#include <filesystem>

namespace tessamo {

Status ReadFileAt(const FileSystem& files, const std::string& path, std::string& bytes) {
    const std::filesystem::path whole(path);
    const std::unique_ptr<FileSystem> folder = files.OtherFolder(whole.parent_path().string());
    const std::string name = whole.filename().string();
    if (!folder->Exists(name)) return Status::NotFound(path, "No such file or directory");
    return folder->ReadAll(name, bytes);
}

Status ImportSession::Open(const std::string& path, const std::optional<std::string>& rulesPath,
                           const ImportChoices& choices) {
    path_ = path;
    rulesPath_ = rulesPath;
    choices_ = choices;
    if (Status s = ReadFileAt(state_.env.files, path, bytes_); !s.ok()) return s;
    format_ = DetectStatementFormat(bytes_);
    if (format_ == StatementFormat::Csv) layout_ = GuessCsvLayout(DecodeStatementText(bytes_));
    std::string rulesText;
    Status s = rulesPath ? ReadFileAt(state_.env.files, *rulesPath, rulesText)
                         : state_.env.files.ReadAll(kImportRulesFileName, rulesText);
    if (!s.ok()) return s;
    rules_ = ParseImportRules(rulesText);
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
    return PlanImport(state_, statement_, rules_, ids_, choices_, plan_);
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
    return PlanImport(state_, statement_, rules_, ids_, choices_, plan_);
}

void ImportSession::SetChecked(std::size_t line, bool checked) {
    if (line < plan_.lines.size() && plan_.lines[line].state != LineState::Bad) plan_.lines[line].checked = checked;
}

Status ImportSession::AddRule(const std::string& ruleLine) {
    std::string text;
    FileSystem& files = state_.env.files;
    Status s = files.ReadAll(kImportRulesFileName, text);
    if (!s.ok()) return s;
    if (!text.empty() && text.back() != '\n') text += '\n';
    text += ruleLine;
    if (s = files.ReplaceWhole(kImportRulesFileName, kImportRulesTempName, text); !s.ok()) return s;
    // A rule of the folder's file comes after those of a file given for this import.
    rules_ = ParseImportRules(rulesPath_ ? "" : text);
    if (rulesPath_) {
        std::string given;
        if (s = ReadFileAt(files, *rulesPath_, given); !s.ok()) return s;
        rules_ = ParseImportRules(given + "\n" + ruleLine);
    }
    return PlanImport(state_, statement_, rules_, ids_, choices_, plan_);
}

ImportOutcome ImportSession::Import(ImportCounts& counts) { return ApplyImport(state_, plan_, ids_, counts); }

}  // namespace tessamo
