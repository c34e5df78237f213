#pragma once
// NotepadWindow: the built-in plain-text editor for the year's notes file. A
// window of its own beside the main window (not modal); it opens the file if
// it exists, else starts empty, and creates or replaces the file when the user
// saves (QtTextEditor reads the file and hands over its bytes and the file
// system of its folder, through which the save goes: temp file, fsync,
// rename). The file keeps the Windows conventions it came with: Windows-1252
// characters and CR LF line ends.
#include <QMainWindow>
#include <memory>
#include <string>

#include "platform/FileSystem.h"

class QPlainTextEdit;

namespace tessamo {

class Dialogs;

class NotepadWindow : public QMainWindow {
    Q_OBJECT
public:
    // `bytes` is the file's content as read (empty for a missing file).
    NotepadWindow(const QString& path, const std::string& bytes, std::unique_ptr<FileSystem> folder, Dialogs& dialogs,
                  QWidget* parent = nullptr);

    const QString& path() const { return path_; }
    // Writes the text to the file; AlreadyTold after showing why it failed.
    Status save();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load(const std::string& bytes);
    void updateTitle();

    QString path_;
    std::unique_ptr<FileSystem> folder_;
    Dialogs& dialogs_;
    QPlainTextEdit* text_;
};

}  // namespace tessamo
