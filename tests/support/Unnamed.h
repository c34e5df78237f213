#pragma once
// The controls under a window that a screen reader would not name: every
// button, box, list, grid, progress bar and spin box must have an accessible
// name. Returns their object names (or class names) for the failure message.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QStringList>
#include <QWidget>

namespace tessamo {

inline QStringList UnnamedControls(QWidget* window) {
    QStringList unnamed;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool named = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                           qobject_cast<QAbstractItemView*>(control) || qobject_cast<QComboBox*>(control) ||
                           qobject_cast<QProgressBar*>(control) || qobject_cast<QAbstractSpinBox*>(control);
        // Scroll bars' buttons and a combo box's own list belong to their control.
        if (!named || control->objectName().startsWith(QLatin1String("qt_"))) continue;
        if (QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            unnamed << (control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                        : control->objectName());
    }
    return unnamed;
}

}  // namespace tessamo
