#pragma once
// ImportSession: one import from picking the file to entering its lines,
// as the import window and the command line go through it. It holds the
// statement's bytes, the format and CSV layout in use, the rules, the ids
// imported before and the plan; every change of a setting reads the lines
// again and plans them again. Nothing is written before Import(), except
// the rules file when the user saves it or adds a rule (atomically).
#include <map>
#include <optional>
#include <string>

#include "core/SharedState.h"
#include "import/ImportApply.h"
#include "import/StatementFile.h"

namespace tessamo {

class ImportSession {
public:
    explicit ImportSession(SharedState& state, const StatementLimits& limits = {})
        : state_(state), limits_(limits) {}

    // Reads the file at the absolute `path` and guesses its format and
    // layout (LoadStatement); then as the Open below. A failed Status names
    // the file.
    Status Open(const std::string& path, const std::optional<std::string>& rulesPath = std::nullopt,
                const ImportChoices& choices = {});
    // Takes a statement already read; loads the rules (`rulesPath`, else the
    // data folder's own file) and the ids, and plans with `choices`.
    Status Open(LoadedStatement loaded, const std::optional<std::string>& rulesPath = std::nullopt,
                const ImportChoices& choices = {});

    StatementFormat Format() const { return source_.format; }
    const CsvLayout& Layout() const { return source_.layout; }
    const ImportChoices& Choices() const { return choices_; }
    const ImportRules& Rules() const { return rules_; }
    // The rules file in use as last read or saved (UTF-8).
    const std::string& RulesText() const { return rulesText_; }
    const ImportPlan& Plan() const { return plan_; }
    // Why the statement could not be read with the present settings ("" when it could).
    const std::string& ReadError() const { return source_.readError; }
    // The first `count` rows as the present separator splits them.
    std::vector<CsvRow> SampleRows(std::size_t count) const;

    Status SetFormat(StatementFormat format);
    Status SetLayout(const CsvLayout& layout);
    Status SetChoices(const ImportChoices& choices);
    // Ticks or unticks a line; a bad line, and one without a category, stays
    // unticked. The tick outlives a new plan of the same lines (other
    // choices, rules), not a new reading of the file.
    void SetChecked(std::size_t line, bool checked);
    // Writes `text` as the rules file in use, atomically, and plans again
    // with its rules. A text with a line that is no rule is refused
    // unwritten (InvalidArgument naming the first such line).
    Status SaveRules(const std::string& text);
    // Appends `ruleLine` to the rules file in use (as SaveRules).
    Status AddRule(const std::string& ruleLine);

    ImportOutcome Import(ImportCounts& counts);

private:
    Status ReadAndPlan();
    Status Replan();
    SharedState& state_;
    const StatementLimits limits_;
    LoadedStatement source_;
    std::optional<std::string> rulesPath_;
    std::string rulesText_;
    ImportChoices choices_;
    ImportRules rules_;
    ImportedIds ids_;
    ImportPlan plan_;
    std::map<std::size_t, bool> ticks_;  // the user's ticks, by line
};

// A file anywhere, by absolute path, read through `files`' kind of file
// system; a missing file is an error here.
Status ReadFileAt(const FileSystem& files, const std::string& path, std::string& bytes);
// Replaces the file at the absolute `path` atomically (a temp file `tempName` beside it).
Status ReplaceFileAt(const FileSystem& files, const std::string& path, const std::string& tempName,
                     const std::string& bytes);

}  // namespace tessamo
