#include "import/StatementFile.h"

#include "import/OfxStatement.h"

namespace tessamo {

std::optional<StatementFormat> StatementFormatFromName(const std::string& name) {
    if (name == "csv") return StatementFormat::Csv;
    if (name == "ofx" || name == "qfx") return StatementFormat::Ofx;
    return std::nullopt;
}

StatementFormat DetectStatementFormat(const std::string& bytes) {
    return LooksLikeOfx(bytes) ? StatementFormat::Ofx : StatementFormat::Csv;
}

bool ReadStatement(const std::string& path, const std::string& bytes, StatementFormat format,
                   const std::optional<CsvLayout>& chosen, CsvLayout& layout, Statement& statement,
                   std::string& error) {
    if (format == StatementFormat::Ofx) return ReadOfxStatement(path, bytes, statement, error);
    const std::string text = DecodeStatementText(bytes);
    layout = chosen ? *chosen : GuessCsvLayout(text);
    return ReadCsvStatement(text, layout, statement, error);
}

}  // namespace tessamo
