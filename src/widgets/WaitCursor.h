#pragma once
// WaitCursor: the hourglass over the whole program while a handler works
// without taking events (a report, an export, a print job); the normal
// pointer comes back when it goes out of scope, however the handler ends.
#include <QApplication>

namespace tessamo {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace tessamo
