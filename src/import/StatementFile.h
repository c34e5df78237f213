#pragma once
// A statement file read whole: its format told from its first bytes (or
// given), its text decoded, its lines read by the CSV layout (guessed when
// none is given) or by the OFX reader, within the statement limits.
#include <optional>
#include <string>

#include "import/CsvLayout.h"
#include "import/Statement.h"
#include "import/StatementLimits.h"
#include "platform/FileSystem.h"

namespace tessamo {

enum class StatementFormat { Csv, Ofx };

// "csv" / "ofx" (also "qfx"), as the command line names them.
std::optional<StatementFormat> StatementFormatFromName(const std::string& name);

StatementFormat DetectStatementFormat(const std::string& bytes);

// The lines of the file holding `bytes`; `layout` (CSV only) is filled with
// the layout used. Fails when the file cannot be read at all (Corruption) or
// breaks a limit (InvalidArgument).
Result<Statement> ReadStatement(const std::string& bytes, StatementFormat format, const std::optional<CsvLayout>& chosen,
                                CsvLayout& layout, const StatementLimits& limits = {});

// A statement file read and its lines read, before any ledger is looked at
// (on the command line, before the data folder's lock is taken).
struct LoadedStatement {
    std::string path;  // absolute
    std::string bytes;
    StatementFormat format = StatementFormat::Csv;
    CsvLayout layout;  // CSV: the layout in use
    Statement statement;
    std::string readError;  // why the lines cannot be read with these settings; "" when they can

    // Reads the lines again with the present format and layout.
    void Parse(const StatementLimits& limits);
    // Another format (a change to CSV guesses the layout afresh), then Parse.
    void SetFormat(StatementFormat chosen, const StatementLimits& limits);
};

// Reads the file at the absolute `path` through `files`' kind of file system,
// guesses its format and layout and reads its lines. A file longer than the
// limit is refused before a byte of it is read (InvalidArgument naming the
// file and the limit); a statement whose lines break a limit comes back with
// `readError` set and no lines.
Status LoadStatement(const FileSystem& files, const std::string& path, const StatementLimits& limits,
                     LoadedStatement& loaded);

}  // namespace tessamo
