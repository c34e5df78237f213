#include "widgets/StatusPanels.h"

#include <QLabel>
#include <QStatusBar>

namespace tessamo {

QStatusBar* MakeStatusBar(QWidget* parent, const char* name, const QString& spoken) {
    auto* bar = new QStatusBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setAccessibleName(spoken);
    bar->setSizeGripEnabled(false);
    return bar;
}

QLabel* AddStatusPanel(QStatusBar* bar, const char* key, const QString& role, int stretch) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(QString::fromLatin1(key));
    panel->setAccessibleDescription(role);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(panel, stretch);
    return panel;
}

QLabel* StatusPanel(const QStatusBar* bar, const QString& key) {
    return bar->findChild<QLabel*>(key);
}

}  // namespace tessamo
