#include "macros/MacroPlayback.h"

#include "journal/ChangeText.h"
#include "journal/Transaction.h"
#include "core/Amounts.h"
#include "core/Dates.h"
#include "platform/FileErrors.h"
#include "core/FixedText.h"
#include "core/LedgerEntry.h"
#include "core/RecordFile.h"
#include "macros/MacroFile.h"
#include "macros/MacroFileName.h"
#include "platform/CodePage.h"

namespace tessamo {
namespace {

Message NothingToDo(const std::string& text) {
    return Message{text, "Nothing to do!", MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

constexpr const char* kSelectMacroFile = "Please select a macro file";

// Refuses a name that cannot be a file of the data folder; true when refused.
bool RefuseUnsafeName(Dialogs& dialogs, const std::string& fileName) {
    const std::optional<std::string> problem = MacroNameProblem(fileName);
    if (problem) dialogs.Show(EntryAborted(*problem));
    return problem.has_value();
}

// Copies the data lines into the staging file, emptied first, and reads them
// back as the stored MacroLine records.
Status StageDataLines(FileSystem& files, const std::string& macroBytes, std::vector<MacroLine>& staged) {
    std::vector<MacroLine> lines;
    for (const std::string& line : MacroDataLines(TextFileToCp1252(macroBytes))) lines.push_back(MacroLine::Make(line));
    Status s = files.Remove(kMacroStagingFileName);
    if (s.ok()) s = files.CreateIfMissing(kMacroStagingFileName);
    if (s.ok() && !lines.empty()) s = files.Append(kMacroStagingFileName, EncodeRecords(lines));
    if (s.ok()) s = ReadRecords(files, kMacroStagingFileName, staged);
    return s;
}

Message IgnoredLinesMessage(const std::string& fileName, std::size_t count) {
    return Message{std::to_string(count) + (count == 1 ? " line" : " lines") + " at the end of " + fileName +
                       " did not make a complete entry (code, amount, note) and " +
                       (count == 1 ? "was" : "were") + " ignored.",
                   kProgramTitle, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

// Enters the complete groups of the staged lines. Each group is checked in
// turn (amount, date, code) and refused with its own message; the accepted
// ones then land in one atomic rewrite, so a failure or a crash never leaves
// half a macro in the ledger.
void EnterGroups(SharedState& state, const std::vector<MacroLine>& staged, const std::string& playDate,
                 const std::atomic<bool>* stop, MacroPlayResult& result) {
    std::vector<LedgerRecord> accepted;
    for (std::size_t r = 0; r + 3 <= staged.size(); r += 3) {
        const std::optional<std::int64_t> amount = MacroAmount(staged[r + 1].Text);
        if (!amount) {
            state.env.dialogs.Show(EntryAborted(Cp1252ToUtf8(InvalidAmountText(TrimBlanks(staged[r + 1].Text)))));
            ++result.refused;
            continue;
        }
        const LedgerRecord record =
            LedgerRecord::Make(playDate, MacroCode(staged[r].Text), *amount, MacroNote(staged[r + 2].Text));
        if (ValidateEntry(state, record)) accepted.push_back(record);
        else ++result.refused;
    }
    if (accepted.empty()) return;
    if (stop && stop->load()) {
        result.stopped = true;
        return;
    }
    if (InsertValidatedRecords(state, accepted) == EntryOutcome::Written) result.entered += static_cast<int>(accepted.size());
    else result.failed = true;
}

}  // namespace

MacroPlayResult PlayMacroFile(SharedState& state, const std::string& fileName, const std::string& playDate,
                              const std::atomic<bool>* stop) {
    MacroPlayResult result;
    FileSystem& files = state.env.files;
    Dialogs& dialogs = state.env.dialogs;
    std::string bytes;
    Status s = files.Exists(fileName) ? files.ReadAll(fileName, bytes) : Status::NotFound(fileName, "File not found");
    if (s.ok() && bytes.find('\0') != std::string::npos) {
        dialogs.Show(Message{fileName + " is not a macro file: it holds binary data. Nothing was entered.",
                             kProgramTitle, MessageIcon::Exclamation});
        result.failed = true;
        return result;
    }
    std::vector<MacroLine> staged;
    if (s.ok()) s = StageDataLines(files, bytes, staged);
    if (!ReportIfFailed(dialogs, s)) {
        // The failure was just shown; a second box for the tidy-up would say
        // nothing new, and the next play empties the staging file first.
        (void)files.Remove(kMacroStagingFileName);
        result.failed = true;
        return result;
    }
    Transaction change(state, "Play of " + fileName);
    EnterGroups(state, staged, playDate, stop, result);
    if (result.entered > 0 && !change.Commit(CountedText("Play of " + fileName, result.entered))) {
        result.failed = true;
        result.entered = 0;
    }
    ReportIfFailed(dialogs, files.Remove(kMacroStagingFileName));
    result.ignoredLines = result.failed || result.stopped ? 0 : staged.size() % 3;
    if (result.ignoredLines > 0) dialogs.Show(IgnoredLinesMessage(fileName, result.ignoredLines));
    return result;
}

MacroPlayOutcome PlayActiveMacro(SharedState& state, const std::string& macroName, const std::string& typedDate,
                                 MacroPlayResult& result, const std::function<void()>& starting,
                                 const std::atomic<bool>* stop) {
    Dialogs& dialogs = state.env.dialogs;
    if (TrimBlanks(macroName).empty()) {
        dialogs.Show(NothingToDo(kSelectMacroFile));
        return MacroPlayOutcome::NothingToDo;
    }
    if (RefuseUnsafeName(dialogs, macroName)) return MacroPlayOutcome::Refused;
    const std::string playDate = StoredDate(typedDate, state.LedgerYearDigits());
    if (CheckDate(playDate, state.DateStyle) != 0) {
        dialogs.Show(Message{"Invalid Date - " + playDate, "Operation Aborted", MessageIcon::Exclamation,
                             MessageButtons::Ok, Answer::Ok});
        return MacroPlayOutcome::InvalidDate;
    }
    if (dialogs.Show(ConfirmYesNo("Play macro file?", MessageIcon::Question)) != Answer::Yes)
        return MacroPlayOutcome::Declined;
    if (starting) starting();
    result = PlayMacroFile(state, macroName, playDate, stop);
    return MacroPlayOutcome::Played;
}

MacroNewOutcome CreateMacroFile(SharedState& state, const std::string& typedName, std::string& editorFile) {
    if (TrimBlanks(typedName).empty()) {
        state.env.dialogs.Show(NothingToDo("Please provide a file name with no extension."));
        return MacroNewOutcome::NothingToDo;
    }
    const std::string name = ToUpperAscii(typedName) + ".MCR";
    if (RefuseUnsafeName(state.env.dialogs, name)) return MacroNewOutcome::Refused;
    if (!ReportIfFailed(state.env.dialogs, state.env.files.Append(name, MacroTemplateText())))
        return MacroNewOutcome::Failed;
    editorFile = state.env.files.Resolve(name);
    return MacroNewOutcome::Created;
}

MacroEditOutcome EditActiveMacro(SharedState& state, const std::string& macroName, std::string& editorFile) {
    if (TrimBlanks(macroName).empty()) {
        state.env.dialogs.Show(NothingToDo(kSelectMacroFile));
        return MacroEditOutcome::NothingToDo;
    }
    if (RefuseUnsafeName(state.env.dialogs, macroName)) return MacroEditOutcome::Refused;
    editorFile = state.env.files.Resolve(macroName);
    return MacroEditOutcome::Open;
}

}  // namespace tessamo
