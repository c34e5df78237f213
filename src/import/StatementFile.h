#pragma once
// A statement file read whole: its format told from its first bytes (or
// given), its text decoded, its lines read by the CSV layout (guessed when
// none is given) or by the OFX reader.
#include <optional>
#include <string>

#include "import/CsvLayout.h"
#include "import/Statement.h"

namespace tessamo {

enum class StatementFormat { Csv, Ofx };

// "csv" / "ofx" (also "qfx"), as the command line names them.
std::optional<StatementFormat> StatementFormatFromName(const std::string& name);

StatementFormat DetectStatementFormat(const std::string& bytes);

// The lines of the file at `path` holding `bytes`; `layout` (CSV only) is
// filled with the layout used. False with `error` when the file cannot be
// read at all.
bool ReadStatement(const std::string& path, const std::string& bytes, StatementFormat format,
                   const std::optional<CsvLayout>& chosen, CsvLayout& layout, Statement& statement,
                   std::string& error);

}  // namespace tessamo
