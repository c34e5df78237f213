#include "widgets/StatusPanels.h"

#include <QDateTime>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QLayout>
#include <QStatusBar>
#include <QTimer>
#include <QToolTip>

namespace tessamo {
namespace {

constexpr int kGapAbovePanels = 2;

// The toolkit's bar lays its panels out between a spacing above and one
// below them; the one below would show as a strip under the bar. The bar
// builds its layout anew when its panels change, so this runs after each.
void TrimBarSpacing(QStatusBar* bar) {
    auto* column = qobject_cast<QBoxLayout*>(bar->layout());
    if (!column || column->count() < 2) return;
    if (QSpacerItem* above = column->itemAt(0)->spacerItem()) above->changeSize(0, kGapAbovePanels);
    if (QSpacerItem* below = column->itemAt(column->count() - 1)->spacerItem()) below->changeSize(0, 0);
    column->invalidate();
}

// Shows a panel's whole text above its own tip while the panel is too narrow
// for the text; otherwise the panel's own tip, if it has one, shows as usual.
class CutTextTip : public QObject {
public:
    explicit CutTextTip(QLabel* panel) : QObject(panel) { panel->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QObject::eventFilter(watched, event);
        auto* panel = static_cast<QLabel*>(watched);
        if (panel->fontMetrics().horizontalAdvance(panel->text()) <= panel->contentsRect().width())
            return false;
        const QString tip = panel->toolTip().isEmpty() ? panel->text() : panel->text() + QLatin1Char('\n') + panel->toolTip();
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, panel);
        return true;
    }
};

int MillisecondsToMidnight() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime midnight(now.date().addDays(1), QTime(0, 0));
    return static_cast<int>(now.msecsTo(midnight)) + 1000;  // a second past, safely on the new day
}

}  // namespace

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
    panel->setTextFormat(Qt::PlainText);
    new CutTextTip(panel);
    bar->addWidget(panel, stretch);
    TrimBarSpacing(bar);
    return panel;
}

QLabel* StatusPanel(const QStatusBar* bar, const QString& key) {
    return bar->findChild<QLabel*>(key);
}

int StackStatusBarsAtFoot(QStatusBar* upper, QStatusBar* lower) {
    const QWidget* area = lower->parentWidget();
    const int width = area->width();
    const int bottom = area->height();
    const int lowerHeight = lower->sizeHint().height();
    const int upperHeight = upper->sizeHint().height();
    lower->setGeometry(0, bottom - lowerHeight, width, lowerHeight);
    upper->setGeometry(0, bottom - lowerHeight - upperHeight, width, upperHeight);
    return bottom - lowerHeight - upperHeight;
}

void FollowDate(QLabel* panel, std::function<QString()> dateText) {
    panel->setText(dateText());
    auto* timer = new QTimer(panel);
    timer->setObjectName(QStringLiteral("MidnightTimer"));
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, panel, [panel, timer, dateText = std::move(dateText)] {
        panel->setText(dateText());
        timer->start(MillisecondsToMidnight());
    });
    timer->start(MillisecondsToMidnight());
}

}  // namespace tessamo
