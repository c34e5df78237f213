#include "journal/Recovery.h"

#include "journal/FileImages.h"

namespace tessamo {
namespace {

std::string Named(const JournalTransaction& tx) {
    const std::string years = tx.Years();
    return "The change \"" + tx.description + "\"" + (years.empty() ? "" : " (" + years + ")");
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

}  // namespace

std::string RecoverJournal(JournaledFileSystem& files) {
    Journal& journal = files.journal();
    if (journal.EndsClean()) return {};
    JournalContents contents;
    if (Status s = journal.Load(contents); !s.ok())
        return "The journal of changes could not be read:\r\n" + s.ToString();
    std::vector<std::string> lines;
    if (!contents.folder.empty() && contents.folder != journal.FolderIdentity()) {
        lines.push_back("The history of changes belonged to another data folder; it was set aside.");
        contents.transactions.clear();
    }
    if (contents.damaged)
        lines.push_back("Part of the history of changes was damaged; the changes before the damage can no longer "
                        "be undone.");
    for (JournalTransaction& tx : contents.transactions) {
        if (!tx.Unfinished()) continue;
        if (Status s = RollBackChanges(files.Below(), tx.changes); !s.ok()) {
            lines.push_back(Named(tx) + " was interrupted and could not be undone yet:\r\n" + s.ToString() +
                            "\r\nThe journal keeps what is needed to finish it at the next start.");
            continue;
        }
        tx.end = TransactionEnd::RolledBack;
        if (!tx.changes.empty()) lines.push_back(Named(tx) + " was interrupted and has been undone.");
    }
    if (Status s = journal.Rewrite(contents); !s.ok())
        lines.push_back("The journal of changes could not be written:\r\n" + s.ToString());
    return Joined(lines);
}

}  // namespace tessamo
