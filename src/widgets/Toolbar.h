#pragma once
// The toolbars of every window: each button is its command's own QAction.
// The button shows the action's iconText as its caption and its tool tip,
// carries the program's own icon (the same look on every desktop) and is
// keyed by the system's button name (its objectName). The buttons share the
// window's width evenly.
#include <QIcon>

class QAction;
class QToolBar;
class QWidget;

namespace tessamo {

// A toolbar across the top of a window, buttons with the caption under the icon.
QToolBar* MakeToolbar(QWidget* window, const char* name, const QString& spoken);

// What a command shows on its toolbar button: the caption (iconText) and the
// tool tip; the menu entry keeps its own caption.
void SetButtonText(QAction* action, const char* caption, const char* toolTip);

// Puts `action` onto the toolbar as the button `key`, with its icon.
void AddToolbarButton(QToolBar* toolbar, QAction* action, const char* key, const QIcon& icon);

// One of the program's own toolbar icons (resources/toolbar, 24 and 48
// pixels): the same look on every desktop and no icon-theme search.
QIcon ProgramIcon(const char* name);

// The room left of a window's right edge when its buttons span it (100 twips).
inline constexpr int kToolbarRightGap = 7;

// The toolkit's own button for buttons that do not fit (a check box to a
// screen reader, hidden while all fit) gets a name for what it opens.
void NameOverflowButton(QToolBar* toolbar);

// Gives each button an equal share of the window's width less the right gap:
// (windowWidth - 7) / buttons. A share below one pixel changes nothing.
void SpreadToolbarButtons(QToolBar* toolbar, int windowWidth);

}  // namespace tessamo
