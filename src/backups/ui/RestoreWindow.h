#pragma once
// RestoreWindow: "Restore from backup". Lists this data folder's automatic
// backups, newest first, every checksum verified (date, good or bad, the
// files, per year the lines and totals); the chosen one's difference against
// today's files (lines that come back, lines that go, categories added and
// removed) shows below. Restore (or Enter on the list) asks first, backs
// today's files up into a safety copy, puts the backup's files in place of
// today's (all or none) and says how it went; the list then shows the safety
// copy too ("before restoring <name>"), which Remove takes away. Backups made
// from other data folders of a shared backup folder follow under a heading
// row of their own; one of them is restored only after a question that says
// where it came from, and never removed here. From Folder… restores a folder
// of plain copies made by the Backup window the same way.
// The routines are the backups logic's (Restore.h, RestoreDifference.h).
#include <QWidget>
#include <memory>
#include <vector>

#include "backups/BackupList.h"
#include "backups/Restore.h"
#include "core/SharedState.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace tessamo {

class RestoreWindow : public QWidget {
    Q_OBJECT
public:
    explicit RestoreWindow(SharedState& state, QWidget* parent = nullptr);

    // Reads the backup settings and the list; false after a failure was shown.
    bool OpenBackups();

    void BackupList_Change();
    void Restore_Click();
    void Remove_Click();
    void FromFolder_Click();

    QLabel* BackupListLabel = nullptr;
    QTableWidget* BackupList = nullptr;
    QLabel* DifferenceLabel = nullptr;
    QPlainTextEdit* Difference = nullptr;
    QPushButton* RestoreButton = nullptr;
    QPushButton* RemoveButton = nullptr;
    QPushButton* FromFolderButton = nullptr;
    QPushButton* CloseButton = nullptr;

signals:
    // Files were replaced: the ledger views are to be rebuilt.
    void Restored();

private:
    void createControls();
    void createLayout();
    void createTabOrder();
    void createConnections();
    void FillList(const std::string& chosen);
    void FillRow(int row, const BackupEntry& entry);
    void AddOthersHeading();
    const BackupEntry* Chosen() const;
    std::string DifferenceOf(const BackupEntry& entry) const;
    void Ended(const RestoreResult& result, const std::string& name);

    SharedState& state_;
    std::string rootFolder_;
    std::unique_ptr<FileSystem> root_;
    std::string folderId_;
    // Newest first, as listed: this folder's, then those of other folders
    // (the list shows the heading row between them).
    std::vector<BackupEntry> entries_;
    int headingRow_ = -1;  // the row of the others' heading, -1 when none
};

}  // namespace tessamo
