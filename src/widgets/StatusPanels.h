#pragma once
// Status bars made of keyed panels, as every window shows them: a bar holds
// sunken text panels side by side, each found by its key (its objectName).
// A panel's text changes as the window works, so it carries no fixed
// accessible name: a screen reader hears its current text, and the panel's
// role ("Income total") is its accessible description. A panel too narrow
// for its text shows the whole text as its tool tip. The bar's panels reach
// its bottom edge, so two bars stacked at a window's foot leave no strip.
#include <QString>
#include <functional>

class QLabel;
class QStatusBar;
class QWidget;

namespace tessamo {

// A bar without a size grip, placed by the window's own layout.
QStatusBar* MakeStatusBar(QWidget* parent, const char* name, const QString& spoken);
// Appends a panel taking `stretch` shares of the bar's width.
QLabel* AddStatusPanel(QStatusBar* bar, const char* key, const QString& role, int stretch);
// The bar's panel of `key`, or nullptr.
QLabel* StatusPanel(const QStatusBar* bar, const QString& key);

// Stacks `upper` on `lower` at the foot of their parent, full width; returns
// the height left above them.
int StackStatusBarsAtFoot(QStatusBar* upper, QStatusBar* lower);

// Keeps `panel` showing `dateText()`: set now and again at every midnight of
// the system clock, so a program left running shows the new day.
void FollowDate(QLabel* panel, std::function<QString()> dateText);

}  // namespace tessamo
