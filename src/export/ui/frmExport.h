#pragma once
// frmExport: the export window. The user picks a drive (ExportDrive), a
// folder (ExportDir) and a file name (exFileName, or a click on one of the
// folder's text files in ExportedFiles), then one of the two exports: all line
// items of the chosen categories and months ("All Line Items (raw)") or each
// category's totals of the year ("Category Summary"). The export itself is
// ExportToFile, as for the command line; a finished export closes the window.
// The chosen categories come from the report window in memory: nothing is
// written in the data folder but an export file the user puts there.
//
// Opened from the report window through OpenOwnedWindow, which keeps the
// report window disabled while this one is open, however it closes.
#include <QWidget>
#include <vector>

#include "core/Records.h"
#include "core/ReportCategoryList.h"
#include "core/SharedState.h"

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace tessamo {

class DirectoryList;
class FolderButtons;
class DriveList;

class frmExport : public QWidget {
    Q_OBJECT
public:
    frmExport(const SharedState& state, std::vector<CategoryRecord> chosen,
              CategoryScope scope = CategoryScope::Chosen, QWidget* parent = nullptr);
    ~frmExport() override;

    // The range text: months, year and the number of chosen categories.
    void Form_Load();

    void ExportDrive_Change();
    void ExportDir_Change();
    // The files list shows the target folder: the highlighted one.
    void ShowTargetFiles();
    void ExportedFiles_Click(const QModelIndex& index);
    void ExportGo_Click();
    void ExportGoSummary_Click();
    void ExportQuit_Click();

    // The folder the export goes to (the one highlighted in ExportDir), and choosing it.
    QString TargetFolder() const;
    void SetTargetFolder(const QString& folder);

    QLabel* exRangeLab = nullptr;
    DriveList* ExportDrive = nullptr;
    DirectoryList* ExportDir = nullptr;
    QListView* ExportedFiles = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* exFileName = nullptr;
    QLabel* Label2 = nullptr;
    FolderButtons* TargetButtons = nullptr;  // Browse..., New Folder...
    QPushButton* ExportGo = nullptr;
    QPushButton* ExportGoSummary = nullptr;
    QPushButton* ExportQuit = nullptr;

private:
    void createLists();
    void layOut();
    void RunExport(bool summary);

    const SharedState& state_;
    const std::vector<CategoryRecord> chosen_;
    const CategoryScope scope_;
    QFileSystemModel* files_ = nullptr;
};

}  // namespace tessamo
