#include "platform/qt/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace tessamo {
namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Exclamation: return QMessageBox::Warning;
        case MessageIcon::Critical: return QMessageBox::Critical;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton ToQt(Answer answer) {
    switch (answer) {
        case Answer::Cancel: return QMessageBox::Cancel;
        case Answer::Yes: return QMessageBox::Yes;
        case Answer::No: return QMessageBox::No;
        case Answer::Ok: break;
    }
    return QMessageBox::Ok;
}

Answer FromQt(int button) {
    switch (button) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return Answer::Ok;
    }
}

// Room beside a title for the window frame's buttons and margins.
constexpr int kTitleAllowance = 140;

// The width a box needs so that the window frame shows its whole title.
int TitleWidth(const QWidget* box) {
    QFont bold = box->font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + kTitleAllowance;
}

// The boxes fix their own size from their contents (a message box from its
// text, an input box through its layout); a spacer across the bottom of the
// layout makes them at least as wide as their title.
void WidenToTitle(QDialog& box) {
    auto* spacer = new QSpacerItem(TitleWidth(&box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(spacer, grid->rowCount(), 0, 1, grid->columnCount());
    else if (box.layout())
        box.layout()->addItem(spacer);
    else
        delete spacer;
}

}  // namespace

QWidget* QtDialogs::AskingWindow() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    // Before the main window is shown (the start-up passcode) a box over it
    // would sit in the screen's corner; without a parent it is centred.
    return fallback_ && fallback_->isVisible() ? fallback_ : nullptr;
}

Answer QtDialogs::Show(const Message& message) { return ShowOver(AskingWindow(), message); }

Answer QtDialogs::ShowOver(QWidget* window, const Message& message) {
    // Windows line breaks in message texts show as plain line breaks.
    QString text = QString::fromStdString(message.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(ToQt(message.icon), QString::fromStdString(message.title), text, ToQt(message.buttons), window);
    box.setWindowModality(Qt::WindowModal);
    box.setDefaultButton(ToQt(message.defaultButton));
    if (message.buttons == MessageButtons::YesNo) box.setEscapeButton(QMessageBox::No);
    WidenToTitle(box);
    return FromQt(box.exec());
}

std::optional<std::string> QtDialogs::Input(const std::string& prompt, const std::string& title,
                                            const std::string& defaultText) {
    return Ask(prompt, title, defaultText, false);
}

std::optional<std::string> QtDialogs::SecretInput(const std::string& prompt, const std::string& title,
                                                  const std::string& defaultText) {
    return Ask(prompt, title, defaultText, true);
}

std::optional<std::string> QtDialogs::Ask(const std::string& prompt, const std::string& title,
                                          const std::string& defaultText, bool secret) {
    QInputDialog box(AskingWindow());
    if (secret) box.setTextEchoMode(QLineEdit::Password);
    box.setWindowModality(Qt::WindowModal);
    box.setWindowTitle(QString::fromStdString(title));
    box.setLabelText(QString::fromStdString(prompt));
    box.setTextValue(QString::fromStdString(defaultText));
    box.adjustSize();  // builds the box's layout
    WidenToTitle(box);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue().toStdString();
}

std::optional<std::string> QtDialogs::ChooseFile(const FileChooser& chooser) {
    QWidget* window = AskingWindow();
    const QString title = QString::fromStdString(chooser.title);
    const QString start = QString::fromStdString(chooser.start);
    const QString filter = QString::fromStdString(chooser.filter);
    QString path;
    switch (chooser.kind) {
        case ChooserKind::OpenFile: path = QFileDialog::getOpenFileName(window, title, start, filter); break;
        case ChooserKind::SaveFile: path = QFileDialog::getSaveFileName(window, title, start, filter); break;
        case ChooserKind::Folder: path = QFileDialog::getExistingDirectory(window, title, start); break;
    }
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace tessamo
