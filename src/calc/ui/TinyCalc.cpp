#include "calc/ui/TinyCalc.h"

#include <QAction>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "widgets/Grid.h"
#include "widgets/PanelWidgets.h"

namespace tessamo {
namespace {

QLabel* MakeSunkenReadout(QWidget* parent, const char* name, const char* role, const QString& text) {
    QLabel* label = MakeReadout(parent, name, role, text);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QLineEdit* MakeNumberBox(QWidget* parent, const char* name, const char* spoken) {
    auto* box = Named(new QLineEdit(parent), name, QString::fromLatin1(spoken));
    box->setMinimumWidth(CharacterWidth(box, 16));
    return box;
}

}  // namespace

TinyCalc::TinyCalc(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TinyCalc"));
    setWindowTitle(QStringLiteral("TinyCalc"));
    // A closed calculator is gone: the next "Calculator" starts from 0.
    setAttribute(Qt::WA_DeleteOnClose);
    createMenu();
    createControls();
}

void TinyCalc::createMenu() {
    tcmnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    tcmnuFile->setObjectName(QStringLiteral("tcmnuFile"));
    tcmnuExit = tcmnuFile->addAction(QStringLiteral("E&xit"));
    tcmnuExit->setObjectName(QStringLiteral("tcmnuExit"));
    connect(tcmnuExit, &QAction::triggered, this, &TinyCalc::tcmnuExit_Click);
}

void TinyCalc::createControls() {
    auto* area = new QWidget(this);
    setCentralWidget(area);
    TCAdd = MakeButton(area, "TCAdd", "+", "");
    TCClear = MakeButton(area, "TCClear", "C", "");
    TCTopNum = MakeNumberBox(area, "TCTopNum", "Top number");
    TCSub = MakeButton(area, "TCSub", "-", "");
    TCOp = MakeSunkenReadout(area, "TCOp", "Operator", QStringLiteral("+"));
    TCOp->setAlignment(Qt::AlignCenter);
    TCBotNum = MakeNumberBox(area, "TCBotNum", "Bottom number");
    TCMul = MakeButton(area, "TCMul", "x", "");
    TCCompute = MakeButton(area, "TCCompute", "=", "");
    TCResult = MakeSunkenReadout(area, "TCResult", "Result", QString());
    TCDiv = MakeButton(area, "TCDiv", "/", "");
    TCRepeat = MakeButton(area, "TCRepeat", "result on top", "");
    // Spoken names for the one-character captions.
    TCAdd->setAccessibleName(QStringLiteral("Plus"));
    TCSub->setAccessibleName(QStringLiteral("Minus"));
    TCMul->setAccessibleName(QStringLiteral("Times"));
    TCDiv->setAccessibleName(QStringLiteral("Divided by"));
    TCClear->setAccessibleName(QStringLiteral("Clear"));
    TCCompute->setAccessibleName(QStringLiteral("Equals"));

    auto* grid = new QGridLayout(area);
    grid->addWidget(TCAdd, 0, 0);
    grid->addWidget(TCClear, 0, 1);
    grid->addWidget(TCTopNum, 0, 2);
    grid->addWidget(TCSub, 1, 0);
    grid->addWidget(TCOp, 1, 1);
    grid->addWidget(TCBotNum, 1, 2);
    grid->addWidget(TCMul, 2, 0);
    grid->addWidget(TCCompute, 2, 1);
    grid->addWidget(TCResult, 2, 2);
    grid->addWidget(TCDiv, 3, 0);
    grid->addWidget(TCRepeat, 3, 1, 1, 2);
    QWidget* const order[] = {TCTopNum, TCBotNum, TCCompute, TCRepeat, TCClear, TCAdd, TCSub, TCMul, TCDiv};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(TCAdd, &QPushButton::clicked, this, &TinyCalc::TCAdd_Click);
    connect(TCSub, &QPushButton::clicked, this, &TinyCalc::TCSub_Click);
    connect(TCMul, &QPushButton::clicked, this, &TinyCalc::TCMul_Click);
    connect(TCDiv, &QPushButton::clicked, this, &TinyCalc::TCDiv_Click);
    connect(TCCompute, &QPushButton::clicked, this, &TinyCalc::TCCompute_Click);
    connect(TCRepeat, &QPushButton::clicked, this, &TinyCalc::TCRepeat_Click);
    connect(TCClear, &QPushButton::clicked, this, &TinyCalc::TCClear_Click);
    connect(TCTopNum, &QLineEdit::returnPressed, this, &TinyCalc::TCCompute_Click);
    connect(TCBotNum, &QLineEdit::returnPressed, this, &TinyCalc::TCCompute_Click);
}

void TinyCalc::SetOperator(const char* op) { TCOp->setText(QString::fromLatin1(op)); }

void TinyCalc::TCCompute_Click() {
    const std::string text = tessamo::TCCompute(numbers_, TCTopNum->text().toStdString(), TCBotNum->text().toStdString(),
                                       TCOp->text().toStdString());
    TCResult->setText(QString::fromStdString(text));
}

void TinyCalc::TCRepeat_Click() {
    TCTopNum->setText(TCResult->text());
    TCBotNum->clear();
    TCResult->clear();
}

void TinyCalc::TCClear_Click() {
    numbers_ = TinyCalcNumbers{};
    TCTopNum->clear();
    TCBotNum->clear();
    TCResult->clear();
}

void TinyCalc::keyPressEvent(QKeyEvent* event) {
    const QString key = event->text();
    if (key == QLatin1String("+")) return TCAdd_Click();
    if (key == QLatin1String("-")) return TCSub_Click();
    if (key == QLatin1String("*") || key.compare(QLatin1String("x"), Qt::CaseInsensitive) == 0) return TCMul_Click();
    if (key == QLatin1String("/")) return TCDiv_Click();
    QMainWindow::keyPressEvent(event);
}

void TinyCalc::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    TCTopNum->setFocus();
}

}  // namespace tessamo
