// The windowed program: finds the data folder, takes its lock, gathers the
// system's conventions, runs the start-up of frmMainScreen and shows it.
// "--quit-after-show" ends the program as soon as the window is up (a check
// that the program starts on a data folder).
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include <iostream>

#include "core/SharedState.h"
#include "help/AboutText.h"
#include "help/ProgramUsage.h"
#include "help/ui/QtHelpEngine.h"
#include "mainscreen/frmMainScreen.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/StartUp.h"
#include "platform/PosixFileSystem.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/SystemMoneyFormat.h"

using namespace tessamo;

namespace {

int Refuse(const QString& text) {
    QMessageBox::critical(nullptr, QString::fromLatin1(kProgramTitle), text);
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // --help and --version need no display, so they come before the toolkit.
    switch (ProgramRequestOf(std::vector<std::string>(argv + 1, argv + argc))) {
        case ProgramRequest::Help: std::cout << ProgramUsage(); return 0;
        case ProgramRequest::Version: std::cout << VersionLine("tessamo") << "\n"; return 0;
        case ProgramRequest::Run: break;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessamo"));
    QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    InitHelpResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tessamo.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tessamo"));

    InstanceLock lock;
    std::string folder;
    if (std::string refusal; !EnterDataFolder(ExecutableDirectory(), lock, folder, refusal))
        return Refuse(QString::fromStdString(refusal));

    PosixFileSystem files(folder);
    QtDialogs dialogs;
    SystemClock clock;
    Env env{files, dialogs, clock, SystemMoneyFormat()};
    SharedState state(env);

    frmMainScreen window(state);
    dialogs.SetParent(&window);
    if (!window.Form_Load()) return 0;  // three wrong passcodes, or settings unusable
    window.show();
    window.ShowDueEntriesAtStart();
    if (QApplication::arguments().contains(QStringLiteral("--quit-after-show")))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
