#include "import/StatementFile.h"


#include "import/OfxStatement.h"
#include "platform/LocalPaths.h"

namespace tessamo {

std::optional<StatementFormat> StatementFormatFromName(const std::string& name) {
    if (name == "csv") return StatementFormat::Csv;
    if (name == "ofx" || name == "qfx") return StatementFormat::Ofx;
    return std::nullopt;
}

StatementFormat DetectStatementFormat(const std::string& bytes) {
    return LooksLikeOfx(bytes) ? StatementFormat::Ofx : StatementFormat::Csv;
}

Result<Statement> ReadStatement(const std::string& bytes, StatementFormat format, const std::optional<CsvLayout>& chosen,
                                CsvLayout& layout, const StatementLimits& limits) {
    if (format == StatementFormat::Ofx) return ReadOfxStatement(bytes, limits);
    if (std::string refusal = CheckStatementLines(bytes, limits); !refusal.empty())
        return Status::InvalidArgument({}, refusal);
    const std::string text = DecodeStatementText(bytes);
    layout = chosen ? *chosen : GuessCsvLayout(text);
    return ReadCsvStatement(text, layout);
}

void LoadedStatement::Parse(const StatementLimits& limits) {
    CsvLayout used;
    Result<Statement> read = ReadStatement(bytes, format, layout, used, limits);
    readError = read.ok() ? std::string() : read.status().reason();
    statement = read.ok() ? std::move(read).value() : Statement{};
}

void LoadedStatement::SetFormat(StatementFormat chosen, const StatementLimits& limits) {
    // A CSV layout is guessed only for text within the limits.
    if (chosen == StatementFormat::Csv && format != chosen && CheckStatementLines(bytes, limits).empty())
        layout = GuessCsvLayout(DecodeStatementText(bytes));
    format = chosen;
    Parse(limits);
}

Status LoadStatement(const FileSystem& files, const std::string& path, const StatementLimits& limits,
                     LoadedStatement& loaded) {
    const PathParts whole = SplitPath(path);
    const std::unique_ptr<FileSystem> folder = files.OtherFolder(whole.folder);
    const std::string& name = whole.name;
    if (!folder->Exists(name)) return Status::NotFound(path, "No such file or directory");
    std::uint64_t length = 0;
    if (Status s = folder->FileLength(name, length); !s.ok()) return s;
    if (std::string refusal = CheckStatementLength(length, limits); !refusal.empty())
        return Status::InvalidArgument(path, refusal);
    loaded = LoadedStatement{};
    loaded.path = path;
    if (Status s = folder->ReadAll(name, loaded.bytes); !s.ok()) return s;
    // The file may have grown between the two looks.
    if (std::string refusal = CheckStatementLength(loaded.bytes.size(), limits); !refusal.empty())
        return loaded.bytes.clear(), Status::InvalidArgument(path, refusal);
    loaded.format = DetectStatementFormat(loaded.bytes);
    if (loaded.format == StatementFormat::Csv && CheckStatementLines(loaded.bytes, limits).empty())
        loaded.layout = GuessCsvLayout(DecodeStatementText(loaded.bytes));
    loaded.Parse(limits);
    return Status::Ok();
}

}  // namespace tessamo
