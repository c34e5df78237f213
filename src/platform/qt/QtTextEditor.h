#pragma once
// QtTextEditor: opens a text file in the program named by TESSAMO_EDITOR,
// started and not waited for, or else in the built-in NotepadWindow. A file
// that is already open in a notepad window brings that window to the front;
// one that cannot be read is reported and not opened. A notepad window is a
// window of its own (deleted with `parent`), so no other window that
// disables the main window disables it. Files are read and
// written through the file system the editor is given (its OtherFolder() for
// the file's folder), so tests reach them with a failing one.
#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextEditor.h"

namespace tessamo {

class Dialogs;
class NotepadWindow;

class QtTextEditor : public TextEditor {
public:
    QtTextEditor(QWidget* parent, Dialogs& dialogs, const FileSystem& files)
        : parent_(parent), dialogs_(dialogs), files_(files) {}
    Status Open(const std::string& path) override;

private:
    Status StartExternal(const std::string& command, const std::string& path);
    Status OpenNotepad(const QString& path);

    QWidget* parent_;
    Dialogs& dialogs_;
    const FileSystem& files_;
    std::vector<QPointer<NotepadWindow>> windows_;
};

}  // namespace tessamo
