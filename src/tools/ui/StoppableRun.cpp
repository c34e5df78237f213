#include "tools/ui/StoppableRun.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace tessamo {

StoppableRun::StoppableRun(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

void StoppableRun::Begin() {
    stop_ = false;
    running_ = true;
}

void StoppableRun::End() {
    running_ = false;
    if (window_->isHidden()) window_->deleteLater();
}

void StoppableRun::HandlePendingEvents() { QCoreApplication::processEvents(); }

bool StoppableRun::eventFilter(QObject* watched, QEvent* event) {
    // A spontaneous hide is the window being minimized: it stays open.
    if (watched == window_ && event->type() == QEvent::Hide && !event->spontaneous()) {
        stop_ = true;
        if (!running_) window_->deleteLater();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tessamo
