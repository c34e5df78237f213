#include "widgets/OwnedWindow.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
#include <optional>

namespace tessamo {
namespace {

constexpr const char* kGuardName = "OwnedWindowGuard";
constexpr const char* kEscapeName = "CloseOnEscape";
constexpr const char* kOwnerLinkName = "OwnedWindowLink";
constexpr const char* kPlacesName = "WindowPlaces";

// Where each kind of window was last left in this run (its frame's top-left),
// kept by the application object so that it lasts as long as the run.
class WindowPlaces : public QObject {
public:
    static WindowPlaces& Of() {
        auto* places = qApp->findChild<WindowPlaces*>(QString::fromLatin1(kPlacesName), Qt::FindDirectChildrenOnly);
        return places ? *places : *new WindowPlaces;
    }
    static QString KeyOf(const QWidget* window) {
        return window->objectName().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                              : window->objectName();
    }
    std::optional<QPoint> Find(const QWidget* window) const {
        const auto found = places_.constFind(KeyOf(window));
        return found == places_.cend() ? std::nullopt : std::optional<QPoint>(*found);
    }
    void Remember(const QWidget* window) { places_.insert(KeyOf(window), window->pos()); }

private:
    WindowPlaces() : QObject(qApp) { setObjectName(QString::fromLatin1(kPlacesName)); }
    QHash<QString, QPoint> places_;
};

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
            WindowPlaces::Of().Remember(static_cast<QWidget*>(watched));
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

// The frame a window will get, estimated before it is shown from its owner's
// (the window manager gives its windows the same borders).
QMargins FrameMargins(const QWidget* owner) {
    const QRect inner = owner->geometry(), outer = owner->frameGeometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

// `frame` moved as little as needed to lie wholly in `screen` (its top-left
// corner inside when it is larger).
QPoint InsideScreen(QRect frame, const QRect& screen) {
    frame.moveLeft(std::max(screen.left(), std::min(frame.left(), screen.right() - frame.width() + 1)));
    frame.moveTop(std::max(screen.top(), std::min(frame.top(), screen.bottom() - frame.height() + 1)));
    return frame.topLeft();
}

}  // namespace

void PlaceOverOwner(const QWidget* owner, QWidget* window) {
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    const QWidget* top = owner ? owner->window() : nullptr;
    const QMargins margins = top ? FrameMargins(top) : QMargins();
    QRect frame(QPoint(0, 0), window->size().grownBy(margins));
    if (const std::optional<QPoint> place = WindowPlaces::Of().Find(window))
        frame.moveTopLeft(*place);
    else if (top)
        frame.moveCenter(top->frameGeometry().center());
    QScreen* screen = top ? top->screen() : QGuiApplication::primaryScreen();
    if (QScreen* under = QGuiApplication::screenAt(frame.center())) screen = under;
    if (screen) window->move(InsideScreen(frame, screen->availableGeometry()));
}

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
    PlaceOverOwner(owner, window);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace tessamo
