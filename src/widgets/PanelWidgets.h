#pragma once
// Small builders for the controls of every window's panels: each control gets
// its system name as objectName and what a person would hear as its
// accessible name.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string>

#include "platform/CodePage.h"

namespace tessamo {

// Record text fields hold Windows-1252 bytes; the controls show UTF-8 text.
inline QString FromRecordText(const std::string& bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes)); }
inline std::string ToRecordText(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

template <class Widget>
Widget* Named(Widget* widget, const char* name, const QString& spoken) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(spoken);
    return widget;
}

// Captions and tool tips are UTF-8 (an ellipsis written "\u2026").
inline QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    return Named(label, name, label->text());
}

// A label whose text changes as the window works (a result, a folder, a
// chosen code, the active year): it carries no fixed accessible name, so a
// screen reader hears its current text; its role is the accessible
// description. Plain text, so a text like "<Enter>" shows as typed.
inline QLabel* MakeReadout(QWidget* parent, const char* name, const char* role, const QString& text = QString()) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleDescription(QString::fromLatin1(role));
    return label;
}

// A button that Enter in a text box does not press by itself. An "&" in the
// caption marks its access key (Alt + the letter); a screen reader hears the
// caption without it.
inline QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* toolTip) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setToolTip(QString::fromUtf8(toolTip));
    button->setAutoDefault(false);
    return Named(button, name, QString(button->text()).remove(QLatin1Char('&')));
}

// Runs `run` when one of `keys` is pressed anywhere inside `frame` (Enter
// for a frame's main button, Escape for its Cancel).
inline void OnKeys(QWidget* frame, std::initializer_list<QKeySequence> keys, const std::function<void()>& run) {
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, frame);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, frame, run);
    }
}
inline void OnEnter(QWidget* frame, const std::function<void()>& run) {
    OnKeys(frame, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}, run);
}
inline void OnEscape(QWidget* frame, const std::function<void()>& run) {
    OnKeys(frame, {QKeySequence(Qt::Key_Escape)}, run);
}

// Centres a panel over the area that holds it (the main window's ledger area).
inline void CentreInParent(QWidget* frame) {
    const QWidget* area = frame->parentWidget();
    frame->move((area->width() - frame->width()) / 2, (area->height() - frame->height()) / 2);
}

// A frame with a caption drawn in its border. The caption keeps its blanks
// (" Select Year "), which set it off from the line; the accessible name is
// the caption without them.
inline QGroupBox* MakeCaptionFrame(QWidget* parent, const char* name, const char* caption) {
    auto* frame = new QGroupBox(QString::fromLatin1(caption), parent);
    frame->setAutoFillBackground(true);
    return Named(frame, name, frame->title().trimmed());
}

// A box that selects its whole text whenever it gets the focus (Tab, a
// click, the program), so what is typed replaces it. A click that gives the
// focus selects on release, after it has placed the caret; a drag keeps the
// part it selected.
class WholeTextBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        selectAll();
        selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLineEdit::mouseReleaseEvent(event);
        if (selectOnRelease_ && !hasSelectedText()) selectAll();
        selectOnRelease_ = false;
    }

private:
    bool selectOnRelease_ = false;
};

// A box that takes only what its input mask allows ("99-99;_" for a date).
// Its text() drops the blanks of an empty box but keeps the separators ("-"),
// so read displayText() or hasAcceptableInput() to see what was typed. With a
// full mask a caret at the end takes no typing, so the box selects its text
// on focus instead.
inline QLineEdit* MakeMaskedBox(QWidget* parent, const char* name, const QString& spoken, const QString& mask) {
    auto* box = Named(new WholeTextBox(parent), name, spoken);
    box->setInputMask(mask);
    const auto shown = static_cast<int>(mask.contains(';') ? mask.indexOf(';') : mask.size());
    box->setMaximumWidth(box->fontMetrics().averageCharWidth() * (shown + 3) + 12);
    return box;
}

}  // namespace tessamo
