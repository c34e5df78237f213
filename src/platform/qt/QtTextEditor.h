#pragma once
// QtTextEditor: opens a text file in the program named by TESSAMO_EDITOR,
// started and not waited for, or else in the built-in NotepadWindow. A file
// that is already open in a notepad window brings that window to the front;
// one that cannot be read is reported and not opened.
#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/TextEditor.h"

namespace tessamo {

class Dialogs;
class NotepadWindow;

class QtTextEditor : public TextEditor {
public:
    QtTextEditor(QWidget* parent, Dialogs& dialogs) : parent_(parent), dialogs_(dialogs) {}
    Status Open(const std::string& path) override;

private:
    Status StartExternal(const std::string& command, const std::string& path);
    Status OpenNotepad(const QString& path);

    QWidget* parent_;
    Dialogs& dialogs_;
    std::vector<QPointer<NotepadWindow>> windows_;
};

}  // namespace tessamo
