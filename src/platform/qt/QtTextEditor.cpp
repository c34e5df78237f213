#include "platform/qt/QtTextEditor.h"

#include <QFileInfo>
#include <QProcess>

#include <algorithm>

#include "platform/qt/NotepadWindow.h"

namespace tessamo {

Status QtTextEditor::Open(const std::string& path) {
    const std::string command = ExternalEditorCommand();
    if (!command.empty()) return StartExternal(command, path);
    return OpenNotepad(QString::fromStdString(path));
}

Status QtTextEditor::StartExternal(const std::string& command, const std::string& path) {
    QStringList arguments = QProcess::splitCommand(QString::fromStdString(command));
    if (arguments.isEmpty()) return Status::InvalidArgument(command, "no program named");
    const QString program = arguments.takeFirst();
    arguments << QString::fromStdString(path);
    if (!QProcess::startDetached(program, arguments))
        return Status::IOError(program.toStdString(), "the program could not be started");
    return Status::Ok();
}

Status QtTextEditor::OpenNotepad(const QString& path) {
    std::erase_if(windows_, [](const QPointer<NotepadWindow>& w) { return w.isNull(); });
    auto open = std::find_if(windows_.begin(), windows_.end(),
                             [&](const QPointer<NotepadWindow>& w) { return w->path() == path; });
    NotepadWindow* window = open != windows_.end() ? open->data() : nullptr;
    if (!window) {
        // A file that is there but cannot be read is not opened: an empty
        // window saved over it would lose the notes.
        const QFileInfo file(path);
        std::unique_ptr<FileSystem> folder = files_.OtherFolder(file.absolutePath().toStdString());
        std::string bytes;
        const Status read = folder->ReadAll(file.fileName().toStdString(), bytes);
        if (!read.ok()) return read;
        // A window of its own, not a child of the main window: the report,
        // sorter and backup windows disable the main window, and unsaved
        // notes must stay editable meanwhile. It still goes with the main window.
        window = new NotepadWindow(path, bytes, std::move(folder), dialogs_, nullptr);
        if (parent_) QObject::connect(parent_, &QObject::destroyed, window, [window] { delete window; });
        windows_.emplace_back(window);
    }
    window->showMaximized();
    window->raise();
    window->activateWindow();
    return Status::Ok();
}

}  // namespace tessamo
