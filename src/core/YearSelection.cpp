#include "core/YearSelection.h"

#include "journal/Transaction.h"
#include "core/CategoryFile.h"
#include "platform/FileErrors.h"
#include "core/FixedText.h"

namespace tessamo {

namespace {

Message CopyQuestion(const std::string& year, const std::string& oldYear) {
    return Message{"There is no category file for " + year + "\r\nCopy over " + oldYear + "'s categories ?",
                   "No categories!", MessageIcon::Question, MessageButtons::YesNo, Answer::Yes};
}

Message NothingToCopy(const std::string& year, const std::string& oldYear) {
    return Message{"There are no categories of " + oldYear + " to copy.\r\n" + year +
                       " starts without categories.",
                   "No categories!", MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

// Copies the previous year's category file to the new year's name, atomically.
// Refuses when the source is the very file just found empty, or is missing or empty.
YearOutcome CopyCategories(const SharedState& state, const std::string& from, const std::string& year) {
    FileSystem& files = state.env.files;
    const std::string oldYear = from.substr(0, 4);
    std::string bytes;
    const bool sameFile = ToUpperAscii(files.Resolve(from)) == ToUpperAscii(files.Resolve(state.CategoryFileName));
    if (!sameFile && !ReportIfFailed(state.env.dialogs, files.ReadAll(from, bytes))) return YearOutcome::Failed;
    if (sameFile || bytes.size() < CategoryRecord::kSize) {
        state.env.dialogs.Show(NothingToCopy(year, oldYear));
        return YearOutcome::NoCategories;
    }
    if (!ReportIfFailed(state.env.dialogs, files.ReplaceWhole(state.CategoryFileName, kCategoryTempName, bytes)))
        return YearOutcome::Failed;
    return YearOutcome::CategoriesCopied;
}

}  // namespace

YearOutcome SelectYear(SharedState& state, const std::string& year) {
    FileSystem& files = state.env.files;
    const std::string oldCategoryFile = state.CategoryFileName;
    state.SetActiveYear(year, "cats.dat");
    std::uint64_t length = 0;
    Status s = files.CreateIfMissing(state.CategoryFileName);
    if (s.ok()) s = files.FileLength(state.CategoryFileName, length);
    if (!ReportIfFailed(state.env.dialogs, s)) return YearOutcome::Failed;
    if (length > 0) return YearOutcome::Selected;
    if (!ReportIfFailed(state.env.dialogs, files.Remove(state.CategoryFileName))) return YearOutcome::Failed;
    if (state.env.dialogs.Show(CopyQuestion(year, oldCategoryFile.substr(0, 4))) != Answer::Yes)
        return YearOutcome::NoCategories;
    Transaction change(state, "Copy of the categories to " + year);
    const YearOutcome outcome = CopyCategories(state, oldCategoryFile, year);
    return outcome != YearOutcome::CategoriesCopied || change.Commit() ? outcome : YearOutcome::Failed;
}

std::string ActiveYear(const SharedState& state) { return state.LedgerFileName.substr(0, 4); }

std::string ActiveYearPanelText(const std::string& year) { return "  Active Year = " + year + "  "; }

}  // namespace tessamo
