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
#include "journal/JournalSettings.h"
#include "journal/JournaledFileSystem.h"
#include "journal/Recovery.h"
#include "core/Settings.h"
#include "mainscreen/WelcomeDialog.h"
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
    const Result<std::string> entered = EnterDataFolder(ExecutableDirectory(), lock);
    if (!entered.ok()) return Refuse(QString::fromStdString(entered.status().reason()));
    const std::string& folder = entered.value();

    SystemClock clock;
    PosixFileSystem folderFiles(folder);
    JournaledFileSystem files(folderFiles, clock, ReadJournalLimits(*folderFiles.OtherFolder(UserConfigFolder())));
    QtDialogs dialogs;
    // Under the lock, before anything reads a data file: an interrupted change is taken back.
    if (const std::string recovered = RecoverJournal(files); !recovered.empty())
        QMessageBox::information(nullptr, QString::fromLatin1(kProgramTitle), QString::fromStdString(recovered));
    Env env{files, dialogs, clock, SystemMoneyFormat()};
    SharedState state(env);

    // Looked at before the start-up writes PERSONAL.DAT as it always does.
    FileInfo settings;
    const bool firstStart = files.Inspect(kSettingsFileName, settings).ok() && settings.kind == FileKind::Missing;

    frmMainScreen window(state);
    dialogs.SetParent(&window);
    if (!window.Form_Load()) return 0;  // three wrong passcodes, or settings unusable
    window.show();
    window.ShowDueEntriesAtStart();
    if (QApplication::arguments().contains(QStringLiteral("--quit-after-show")))
        QTimer::singleShot(0, &app, &QApplication::quit);
    else if (firstStart)
        QTimer::singleShot(0, &window, [&window, &state] {
            // The entry editor fills its own list each time it opens.
            if (OfferWelcome(&window, state)) window.PopCatList();
        });
    return app.exec();
}
