#pragma once
// Small builders for the controls of every window's panels: each control gets
// its system name as objectName and what a person would hear as its
// accessible name.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
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

inline QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    return Named(label, name, label->text());
}

// A label whose text changes as the window works (a result, a folder, a
// progress text): it carries no fixed accessible name, so a screen reader
// hears its current text; its role is the accessible description.
inline QLabel* MakeReadout(QWidget* parent, const char* name, const char* role, const QString& text = QString()) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleDescription(QString::fromLatin1(role));
    return label;
}

// A button that Enter in a text box does not press by itself.
inline QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* toolTip) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setToolTip(QString::fromLatin1(toolTip));
    button->setAutoDefault(false);
    return Named(button, name, button->text());
}

// A frame with a caption drawn in its border. The caption keeps its blanks
// (" Select Year "), which set it off from the line; the accessible name is
// the caption without them.
inline QGroupBox* MakeCaptionFrame(QWidget* parent, const char* name, const char* caption) {
    auto* frame = new QGroupBox(QString::fromLatin1(caption), parent);
    frame->setAutoFillBackground(true);
    return Named(frame, name, frame->title().trimmed());
}

// A box that takes only what its input mask allows ("99-99;_" for a date).
// Its text() drops the blanks of an empty box but keeps the separators ("-"),
// so read displayText() or hasAcceptableInput() to see what was typed.
inline QLineEdit* MakeMaskedBox(QWidget* parent, const char* name, const QString& spoken, const QString& mask) {
    auto* box = Named(new QLineEdit(parent), name, spoken);
    box->setInputMask(mask);
    const auto shown = static_cast<int>(mask.contains(';') ? mask.indexOf(';') : mask.size());
    box->setMaximumWidth(box->fontMetrics().averageCharWidth() * (shown + 3) + 12);
    return box;
}

}  // namespace tessamo
