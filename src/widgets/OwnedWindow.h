#pragma once
// Windows of their own (the report window, the sorter, the calculator ...)
// opened from an owner window. A window of its own is a top-level window kept
// above its owner (a transient window of it) and deleted with it; it is not a
// child of the owner, so disabling one window never disables another.
//
// Most windows disable their owner while they are open; the owner is enabled,
// raised and given the focus again however the window goes away: its own
// button or menu (close() or hide()), the window manager's close, Escape, or
// deletion. A window that stays beside its owner (the calculator, the help
// viewer) disables nothing.
#include <QApplication>
#include <QWidget>

namespace tessamo {

enum class OwnerWhileOpen { Disabled, Enabled };

// Shows `window` (made without a parent; one it has is dropped) over `owner`,
// placed by PlaceOverOwner, and activates it. Escape closes it unless it is a dialog, which handles
// Escape itself. Opening a window that is already open only raises it.
void OpenOwnedWindow(QWidget* owner, QWidget* window, OwnerWhileOpen ownerWhileOpen = OwnerWhileOpen::Disabled);

// Moves `window` (before it is shown) where it belongs: where the user left a
// window of its kind (its objectName) earlier in this run, else centred on
// `owner`'s window; in either case moved only as far as needed to lie wholly,
// frame included, on the screen. OpenOwnedWindow does this for every window.
void PlaceOverOwner(const QWidget* owner, QWidget* window);

// The owner a window was opened from while it is open, else nullptr.
QWidget* OwnerOfOpenWindow(const QWidget* window);

// The owner's open window of class Window, raised and activated; nullptr when
// none is open. With it a command opens its window once:
//   if (!RaiseOpenWindow<frmReports>(this)) OpenOwnedWindow(this, new frmReports(state_));
template <class Window>
Window* RaiseOpenWindow(QWidget* owner) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        if (window && OwnerOfOpenWindow(window) == owner) {
            window->raise();
            window->activateWindow();
            return window;
        }
    }
    return nullptr;
}

}  // namespace tessamo
