#include "mainscreen/frmMainScreen.h"

namespace tessamo {

frmMainScreen::frmMainScreen(SharedState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    setObjectName(QStringLiteral("frmMainScreen"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    resize(900, 600);
}

}  // namespace tessamo
