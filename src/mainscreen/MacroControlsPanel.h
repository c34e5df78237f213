#pragma once
// MacroControlsPanel: the macro controls of the main window (MacroFrame): the
// play date, the active macro file's name and the list of the data folder's
// macro files, with New (the template, opened in the text editor), Edit, Play
// and Cancel. The checks, the template and the playback are the logic's
// (MacroPlayback). The panel asks the main window to open a file in the text
// editor (editFile()) and says when played lines changed the ledger.
#include <QGroupBox>
#include <QString>
#include <string>

#include "core/SharedState.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tessamo {

class MacroControlsPanel : public QGroupBox {
    Q_OBJECT
public:
    MacroControlsPanel(SharedState& state, QWidget* area);

    void mnuShowMacro_Click();
    void MacToday_Click();
    void MacroSelect_DblClick();
    void MacroNew_Click();
    void MacroEdit_Click();
    void MacroPlay_Click();
    void MacroCancel_Click();
    // Beyond the system: "Schedule…", after the system's buttons, sets when
    // the active macro comes due (ScheduleDialog).
    void MacroSchedule_Click();

signals:
    // `path` is the file to open in the text editor.
    void editFile(const QString& path);
    void linesPlayed();
    void closed();

private:
    void createControls();
    void connectButtons();
    void FillMacroSelect();
    void HideMacroFrame();
    void OpenMacroInEditor(const std::string& fileName);

    SharedState& state_;
    QLineEdit* MacDate = nullptr;
    QPushButton* MacToday = nullptr;
    QLabel* MacSmYr = nullptr;
    QLineEdit* MacroEd = nullptr;
    QListWidget* MacroSelect = nullptr;
    QPushButton* MacroNew = nullptr;
    QPushButton* MacroEdit = nullptr;
    QPushButton* MacroPlay = nullptr;
    QPushButton* MacroCancel = nullptr;
    QPushButton* MacroSchedule = nullptr;
};

}  // namespace tessamo
