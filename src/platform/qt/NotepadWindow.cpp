#include "platform/qt/NotepadWindow.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "platform/FileErrors.h"
#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/qt/QtDialogs.h"

namespace tessamo {

NotepadWindow::NotepadWindow(const QString& path, const std::string& bytes, std::unique_ptr<FileSystem> folder,
                             Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      path_(path),
      folder_(std::move(folder)),
      dialogs_(dialogs),
      text_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("NotepadWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    text_->setObjectName(QStringLiteral("NotepadText"));
    text_->setAccessibleName(tr("Notes"));
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setCentralWidget(text_);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* saveAction = file->addAction(tr("&Save"), this, [this] {
        // A failure was shown; the text stays in the window to be saved again.
        (void)save();
    });
    saveAction->setObjectName(QStringLiteral("NotepadSave"));
    saveAction->setShortcut(QKeySequence::Save);
    QAction* closeAction = file->addAction(tr("&Close"), this, &QWidget::close);
    closeAction->setObjectName(QStringLiteral("NotepadClose"));
    closeAction->setShortcut(QKeySequence::Close);

    load(bytes);
    connect(text_->document(), &QTextDocument::modificationChanged, this, &NotepadWindow::updateTitle);
    updateTitle();
}

void NotepadWindow::load(const std::string& bytes) {
    QString text = QString::fromStdString(Cp1252ToUtf8(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setPlainText(text);
    text_->document()->setModified(false);
}

Status NotepadWindow::save() {
    QString text = text_->toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    bool lossy = false;
    const std::string bytes = Utf8ToCp1252(text.toStdString(), &lossy);
    const Status s = folder_->ReplaceWhole(QFileInfo(path_).fileName().toStdString(), "tempnote.$$$", bytes);
    if (!ReportIfFailed(dialogs_, s)) return Status::AlreadyTold();
    if (lossy)
        dialogs_.Show(Message{"Some characters cannot be kept in " + QFileInfo(path_).fileName().toStdString() +
                                  " and were saved as \"?\".",
                              kProgramTitle, MessageIcon::Exclamation});
    text_->document()->setModified(false);
    return Status::Ok();
}

void NotepadWindow::closeEvent(QCloseEvent* event) {
    if (text_->document()->isModified()) {
        Message ask{"Save changes to " + QFileInfo(path_).fileName().toStdString() + "?", kProgramTitle,
                    MessageIcon::Question, MessageButtons::YesNoCancel, Answer::Yes};
        // The question is about this window, so it sits over it, not over
        // the window that happens to be active.
        auto* boxes = dynamic_cast<QtDialogs*>(&dialogs_);
        const Answer answer = boxes ? boxes->ShowOver(this, ask) : dialogs_.Show(ask);
        if (answer == Answer::Cancel || (answer == Answer::Yes && !save().ok())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void NotepadWindow::updateTitle() {
    const QString mark = text_->document()->isModified() ? QStringLiteral("*") : QString();
    setWindowTitle(mark + QFileInfo(path_).fileName() + QStringLiteral(" - Notes"));
}

}  // namespace tessamo
