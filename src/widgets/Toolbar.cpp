#include "widgets/Toolbar.h"

#include <QAction>
#include <QIcon>
#include <QLayout>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

// Resources are initialised outside any namespace (Q_INIT_RESOURCE's rule);
// the toolbar icons live in the windows' static library.
static void RegisterToolbarIcons() { Q_INIT_RESOURCE(toolbar); }

namespace tessamo {

QToolBar* MakeToolbar(QWidget* window, const char* name, const QString& spoken) {
    auto* toolbar = new QToolBar(spoken, window);
    toolbar->setObjectName(QString::fromLatin1(name));
    toolbar->setAccessibleName(spoken);
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar->layout()->setSpacing(0);
    toolbar->layout()->setContentsMargins(0, 0, 0, 0);
    if (auto* main = qobject_cast<QMainWindow*>(window)) main->addToolBar(Qt::TopToolBarArea, toolbar);
    return toolbar;
}

void SetButtonText(QAction* action, const char* caption, const char* toolTip) {
    action->setIconText(QString::fromLatin1(caption));
    action->setToolTip(QString::fromLatin1(toolTip));
}

// The icon belongs to the toolbar button, not to the action: a menu bar shows
// an entry with an icon as the icon alone, which would hide "Reports". The
// button takes its look from the action again whenever the action changes,
// and gets the icon back right after (changed() follows that update).
void AddToolbarButton(QToolBar* toolbar, QAction* action, const char* key, const QIcon& icon) {
    toolbar->addAction(action);
    auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
    button->setIcon(icon);
    QObject::connect(action, &QAction::changed, button, [button, icon] { button->setIcon(icon); });
    button->setObjectName(QString::fromLatin1(key));
    button->setAccessibleName(action->iconText());
}

QIcon ProgramIcon(const char* name) {
    static const bool registered = (RegisterToolbarIcons(), true);
    (void)registered;
    QIcon icon;
    for (int size : {24, 48})
        icon.addFile(QStringLiteral(":/toolbar/%1-%2.png").arg(QLatin1String(name)).arg(size), QSize(size, size));
    return icon;
}

void NameOverflowButton(QToolBar* toolbar) {
    if (auto* more = toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("More toolbar buttons"));
}

void SpreadToolbarButtons(QToolBar* toolbar, int windowWidth) {
    const QList<QAction*> buttons = toolbar->actions();
    if (buttons.isEmpty()) return;
    const int width = (windowWidth - kToolbarRightGap) / static_cast<int>(buttons.size());
    if (width <= 0) return;
    for (QAction* action : buttons)
        if (QWidget* button = toolbar->widgetForAction(action)) button->setFixedWidth(width);
}

}  // namespace tessamo
