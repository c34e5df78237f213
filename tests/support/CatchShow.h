#pragma once
// CatchShow: answers the modal boxes a test makes the program show. It watches
// the application for a dialog being shown and, once the box's own event loop
// runs, hands the box to the test, which reads it and answers it (a click, a
// key). Without it a box shown in a test would wait for a user forever.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace tessamo {

class CatchShow : public QObject {
public:
    using Handler = std::function<void(QDialog*)>;

    explicit CatchShow(Handler handler) : handler_(std::move(handler)) { qApp->installEventFilter(this); }
    ~CatchShow() override { qApp->removeEventFilter(this); }

    // How many boxes were shown while it watched.
    int Caught() const { return caught_; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && event->type() == QEvent::Show && !event->spontaneous()) {
            ++caught_;
            QTimer::singleShot(0, dialog, [this, box = QPointer<QDialog>(dialog)] {
                if (box) handler_(box);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Handler handler_;
    int caught_ = 0;
};

}  // namespace tessamo
