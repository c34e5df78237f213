#include "widgets/OwnedWindow.h"

#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QShortcut>
#include <QWindow>

namespace tessamo {
namespace {

constexpr const char* kGuardName = "OwnedWindowGuard";
constexpr const char* kEscapeName = "CloseOnEscape";
constexpr const char* kOwnerLinkName = "OwnedWindowLink";

// Lives while the window is open (a child of it) and gives the owner back when
// the window is hidden or deleted. A spontaneous hide (minimizing) leaves the
// window open.
class OwnerGuard : public QObject {
public:
    OwnerGuard(QWidget* owner, QWidget* window, OwnerWhileOpen ownerWhileOpen)
        : QObject(window), owner_(owner), disables_(ownerWhileOpen == OwnerWhileOpen::Disabled) {
        setObjectName(QString::fromLatin1(kGuardName));
        window->installEventFilter(this);
        if (disables_) owner->setEnabled(false);
    }
    ~OwnerGuard() override { GiveBack(); }

    QWidget* Owner() const { return owner_; }
    // The owner is going away: nothing to give back.
    void Disarm() { owner_ = nullptr; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && !event->spontaneous()) {
            GiveBack();
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void GiveBack() {
        QWidget* owner = owner_;
        if (!owner) return;
        owner_ = nullptr;
        if (disables_) owner->setEnabled(true);
        if (owner->isVisible()) {
            owner->raise();
            owner->activateWindow();
        }
    }

    QPointer<QWidget> owner_;
    bool disables_;
};

// The window's guard that still holds an owner (a given-back one awaits deletion).
OwnerGuard* GuardOf(const QWidget* window) {
    for (OwnerGuard* guard :
         window->findChildren<OwnerGuard*>(QString::fromLatin1(kGuardName), Qt::FindDirectChildrenOnly))
        if (guard->Owner()) return guard;
    return nullptr;
}

// Deletes the window with its owner, once per owner.
void TieToOwner(QWidget* owner, QWidget* window) {
    const QString link = QString::fromLatin1(kOwnerLinkName);
    auto* previous = window->findChild<QObject*>(link, Qt::FindDirectChildrenOnly);
    if (previous && previous->property("owner").value<QObject*>() == owner) return;
    delete previous;
    auto* tie = new QObject(window);
    tie->setObjectName(link);
    tie->setProperty("owner", QVariant::fromValue<QObject*>(owner));
    QObject::connect(owner, &QObject::destroyed, tie, [window] {
        if (OwnerGuard* guard = GuardOf(window)) guard->Disarm();
        delete window;
    });
}

void KeepAbove(QWidget* owner, QWidget* window) {
    QWidget* top = owner->window();
    if (!top->windowHandle()) return;
    window->winId();  // makes the window's native handle
    window->windowHandle()->setTransientParent(top->windowHandle());
}

}  // namespace

QWidget* OwnerOfOpenWindow(const QWidget* window) {
    OwnerGuard* guard = GuardOf(window);
    return guard && window->isVisible() ? guard->Owner() : nullptr;
}

void OpenOwnedWindow(QWidget* owner, QWidget* window, OwnerWhileOpen ownerWhileOpen) {
    if (OwnerOfOpenWindow(window)) {
        window->raise();
        window->activateWindow();
        return;
    }
    if (window->parentWidget()) window->setParent(nullptr, window->windowFlags() | Qt::Window);
    TieToOwner(owner, window);
    if (!qobject_cast<QDialog*>(window) && !window->findChild<QShortcut*>(QString::fromLatin1(kEscapeName))) {
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window, window, &QWidget::close);
        escape->setObjectName(QString::fromLatin1(kEscapeName));
    }
    new OwnerGuard(owner, window, ownerWhileOpen);
    KeepAbove(owner, window);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace tessamo
