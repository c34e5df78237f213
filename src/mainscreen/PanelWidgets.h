#pragma once
// Small builders for the controls of the main window's panels: every control
// gets its system name as objectName and what a person would hear as its
// accessible name.
#include <QLabel>
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

// A button that Enter in a text box does not press by itself.
inline QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* toolTip) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setToolTip(QString::fromLatin1(toolTip));
    button->setAutoDefault(false);
    return Named(button, name, button->text());
}

}  // namespace tessamo
