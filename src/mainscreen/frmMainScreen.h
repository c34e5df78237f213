#pragma once
// frmMainScreen: the program's main window. For now a bare window with its
// title; the ledger view, menus and editors are built on top of this.
#include <QMainWindow>

#include "core/SharedState.h"

namespace tessamo {

class frmMainScreen : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMainScreen(SharedState& state, QWidget* parent = nullptr);

private:
    SharedState& state_;
};

}  // namespace tessamo
