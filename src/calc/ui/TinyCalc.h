#pragma once
// TinyCalc: the two-operand calculator window. It stays beside the main
// window (which remains usable), uses no file and no shared state; the
// arithmetic and the result text are TCCompute's.
//
//   TCAdd "+"   TCClear "C"     TCTopNum
//   TCSub "-"   TCOp (operator) TCBotNum
//   TCMul "x"   TCCompute "="   TCResult
//   TCDiv "/"   TCRepeat "result on top"
//
// Keyboard: Enter in either box computes; "+", "-", "*", "x" and "/" typed
// outside the boxes choose the operator.
#include <QMainWindow>

#include "calc/TinyCalcLogic.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tessamo {

class TinyCalc : public QMainWindow {
    Q_OBJECT
public:
    explicit TinyCalc(QWidget* parent = nullptr);

    void TCAdd_Click() { SetOperator("+"); }
    void TCSub_Click() { SetOperator("-"); }
    void TCMul_Click() { SetOperator("x"); }
    void TCDiv_Click() { SetOperator("/"); }
    void TCCompute_Click();
    void TCRepeat_Click();
    void TCClear_Click();
    void tcmnuExit_Click() { close(); }

    QMenu* tcmnuFile = nullptr;
    QAction* tcmnuExit = nullptr;
    QPushButton* TCAdd = nullptr;
    QPushButton* TCClear = nullptr;
    QLineEdit* TCTopNum = nullptr;
    QPushButton* TCSub = nullptr;
    QLabel* TCOp = nullptr;
    QLineEdit* TCBotNum = nullptr;
    QPushButton* TCMul = nullptr;
    QPushButton* TCCompute = nullptr;
    QLabel* TCResult = nullptr;
    QPushButton* TCDiv = nullptr;
    QPushButton* TCRepeat = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SetOperator(const char* op);
    void createMenu();
    void createControls();

    TinyCalcNumbers numbers_;
};

}  // namespace tessamo
