// The automatic backups in the main window: a checked backup left by closing
// it, a failed one told at the next start, the settings dialog and the
// restore window, each driven by the keyboard.
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "backups/AutoBackup.h"
#include "backups/BackupSettings.h"
#include "backups/ui/BackupSettingsDialog.h"
#include "backups/ui/RestoreWindow.h"
#include "mainscreen/MainScreenHarness.h"
#include "support/Unnamed.h"
#include "widgets/OwnedWindow.h"

using namespace tessamo;

class tst_backupwindows : public QObject {
    Q_OBJECT

    // A main window on a 1999 folder whose backups go to a folder of the test's own.
    struct Folder {
        explicit Folder(const std::string& backupFolder = "") {
            BackupSettings settings;
            settings.folder = backupFolder.empty() ? root.path() : backupFolder;
            RequireOk(WriteBackupSettings(*ConfigFolderOf(h.env.files), h.env.files.Folder(), settings));
            h.env.clock.Set({3, 15, 1999}, {9, 0, 0});
            h.env.PutCategories({CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("PA", "Pay")});
            h.env.PutLedger({Line("03-01-99", "FO", Money(-12.5), "groceries"), Line("03-02-99", "PA", Money(100), "pay")});
        }
        std::vector<BackupEntry> Backups() const { return ListBackups(*rootFiles); }
        TempFolder root;
        std::unique_ptr<FileSystem> rootFiles = std::make_unique<PosixFileSystem>(root.path());
        MainScreenHarness h;
    };

    TempFolder config_;

    static RestoreWindow* OpenRestoreWindow(Folder& f) {
        f.h.window->mnuRestore->trigger();
        auto* w = RaiseOpenWindow<RestoreWindow>(f.h.window.get());
        if (!w || !QTest::qWaitForWindowActive(w)) return nullptr;
        return QTest::qWaitFor([w] { return w->BackupList->hasFocus(); }) ? w : nullptr;
    }

    static void FillSettingsByKeyboard(BackupSettingsDialog* dialog, const ScriptedDialogs& dialogs) {
        QVERIFY(dialog && QTest::qWaitForWindowActive(dialog));
        QVERIFY2(UnnamedControls(dialog).isEmpty(), qPrintable(UnnamedControls(dialog).join(' ')));
        QVERIFY(dialog->AutomaticBackups->isChecked());
        QTRY_VERIFY(dialog->AutomaticBackups->hasFocus());
        QTest::keyClick(dialog->AutomaticBackups, Qt::Key_Space);
        QTest::keyClick(dialog, Qt::Key_F, Qt::AltModifier);
        QVERIFY(dialog->BackupFolder->hasFocus());
        dialog->BackupFolder->selectAll();
        QTest::keyClicks(dialog->BackupFolder, "relative/folder");
        QTest::keyClick(dialog->BackupFolder, Qt::Key_Return);  // refused; the dialog stays
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
        QVERIFY(dialog->isVisible());
        QTest::keyClick(dialog->BackupFolder, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(dialog->BackupFolder, "/srv/copies");
        QTest::keyClick(dialog->BackupFolder, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
    }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config_.path())); }

    void closingAfterAChangeLeavesACheckedBackup() {
        Folder f;
        QVERIFY(f.h.LoadActive());
        f.h.env.PutLedger({Line("03-02-99", "PA", Money(100), "pay")});
        f.h.window->close();
        f.h.window.reset();  // waits for the backup
        const auto backups = f.Backups();
        QCOMPARE(backups.size(), std::size_t{1});
        BackupEntry checked;
        RequireOk(CheckBackup(*f.rootFiles, backups[0].name, backups[0].manifest.folder, checked));
        QVERIFY2(checked.good, checked.problem.c_str());
        QCOMPARE(f.root.Read(backups[0].name + "/1999TSM.DAT"), f.h.env.folder.Read("1999TSM.DAT"));
    }

    void aFailedBackupAtExitIsToldOnceAtTheNextStart() {
        TempFolder blocked;
        blocked.Write("file", "not a folder");
        Folder f(blocked.PathOf("file/backups"));
        QVERIFY(f.h.LoadActive());
        f.h.window->mnuExit->trigger();
        f.h.window.reset();
        QVERIFY(f.h.env.dialogs.messages.empty());  // nothing held the program open
        for (int start = 0; start < 2; ++start) {
            f.h.window = std::make_unique<frmMainScreen>(f.h.env.state);
            QVERIFY(f.h.Load());
            f.h.window->close();  // fails again, and is kept again
            f.h.window.reset();
        }
        const auto texts = f.h.env.dialogs.Texts();
        QCOMPARE(texts.size(), std::size_t{2});
        QVERIFY2(texts[0].find("When Tessamo last closed:\r\nThe automatic backup into " + blocked.PathOf("file/backups") +
                               " failed:") == 0, texts[0].c_str());
        QVERIFY(texts[0].find("It is tried again at the next close.") != std::string::npos);
    }

    void settingsDialogByKeyboard() {
        Folder f;
        QVERIFY(f.h.LoadActive());
        QCOMPARE(f.h.window->mnuOptions->actions().last(), f.h.window->mnuAutoBackups);
        BackupSettingsDialog dialog(f.h.env.state, f.h.window.get());
        QVERIFY(dialog.OpenSettings());
        dialog.show();
        FillSettingsByKeyboard(&dialog, f.h.env.dialogs);
        BackupSettings saved;
        RequireOk(ReadBackupSettings(*ConfigFolderOf(f.h.env.files), f.h.env.files.Folder(), saved));
        QVERIFY(!saved.automatic);
        QCOMPARE(saved.folder, std::string("/srv/copies"));
    }

    void restoreWindowUndoesADayByKeyboard() {
        Folder f;
        QVERIFY(f.h.LoadActive());
        const std::string morningLedger = f.h.env.folder.Read("1999TSM.DAT");
        const std::string morningCategories = f.h.env.folder.Read("1999CATS.DAT");
        QCOMPARE(MakeAutomaticBackup(f.h.env.files, *f.rootFiles, f.h.env.clock).outcome, AutoBackupOutcome::Made);
        // The day's mistakes: a line gone, a wrong one typed, a category added.
        f.h.env.PutLedger({Line("03-02-99", "PA", Money(100), "pay"), Line("03-03-99", "FO", Money(-99), "wrong")});
        f.h.env.PutCategories({CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("PA", "Pay"),
                               CategoryRecord::Make("XX", "Mistake")});
        f.h.env.clock.Set({3, 15, 1999}, {18, 0, 0});

        QCOMPARE(f.h.window->mnuFile->actions().last(), f.h.window->mnuRestore);
        f.h.window->mnuRestore->trigger();
        auto* w = RaiseOpenWindow<RestoreWindow>(f.h.window.get());
        QVERIFY(w && QTest::qWaitForWindowActive(w));
        QVERIFY2(UnnamedControls(w).isEmpty(), qPrintable(UnnamedControls(w).join(' ')));
        QTRY_VERIFY(w->BackupList->hasFocus());
        QVERIFY(!f.h.window->isEnabled());
        QCOMPARE(w->BackupList->rowCount(), 1);
        QCOMPARE(w->BackupList->item(0, 1)->text(), QStringLiteral("good"));
        QCOMPARE(w->BackupList->item(0, 3)->text(), QStringLiteral("1999: 2 lines, income $100.00, expenses ($12.50)"));
        std::string expected;
        RequireOk(PosixFileSystem(TESSAMO_TEST_DATA).ReadAll("backups/restore_window.txt", expected));
        QCOMPARE(w->Difference->toPlainText().toStdString(), expected);

        f.h.env.dialogs.answers = {Answer::No};
        QTest::keyClick(w->BackupList, Qt::Key_Return);
        QCOMPARE(f.h.env.folder.Read("1999CATS.DAT").size(), std::size_t{3 * CategoryRecord::kSize});
        f.h.env.dialogs.answers = {Answer::Yes};
        QTest::keyClick(w->BackupList, Qt::Key_R, Qt::AltModifier);  // &Restore, pressed as a click is
        QTRY_COMPARE(f.h.env.folder.Read("1999TSM.DAT"), morningLedger);
        QCOMPARE(f.h.env.folder.Read("1999CATS.DAT"), morningCategories);
        QCOMPARE(f.h.env.dialogs.Last().text.substr(0, 36), std::string("Restored 2 files from 1999-03-15_090"));
        QCOMPARE(w->BackupList->rowCount(), 2);  // today's files, kept first
        QCOMPARE(f.h.window->ItemList->model()->rowCount(), 2);
        QCOMPARE(f.h.window->CatList->model()->rowCount(), 2);

        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible() && f.h.window->isEnabled());
    }

    void otherFoldersBackupsAreApartAndRestoredOnlyAfterAQuestion() {
        Folder f;
        QVERIFY(f.h.LoadActive());
        TestEnv other;
        other.PutCategories({CategoryRecord::Make("OT", "Other")});
        other.PutLedger({Line("03-05-99", "OT", Money(-3), "theirs")});
        QCOMPARE(MakeAutomaticBackup(other.files, *f.rootFiles, other.clock).outcome, AutoBackupOutcome::Made);
        RestoreWindow* w = OpenRestoreWindow(f);
        QVERIFY(w);
        QCOMPARE(w->BackupList->rowCount(), 2);  // the heading, then theirs
        QVERIFY(w->BackupList->item(0, 0)->text().startsWith(QStringLiteral("From other data folders")));
        QTest::keyClick(w->BackupList, Qt::Key_Up);  // the keyboard passes the heading by
        QCOMPARE(w->BackupList->currentRow(), 1);
        QVERIFY(w->Difference->toPlainText().startsWith(QStringLiteral("This backup was made from another data folder.")));
        QVERIFY(w->RestoreButton->isEnabled() && !w->RemoveButton->isEnabled());

        f.h.env.dialogs.answers = {Answer::Yes};
        QTest::keyClick(w->BackupList, Qt::Key_Return);
        QVERIFY(f.h.env.dialogs.messages.at(0).text.find("was made from another data folder") != std::string::npos);
        QCOMPARE(f.h.env.folder.Read("1999TSM.DAT"), other.folder.Read("1999TSM.DAT"));
        QCOMPARE(w->BackupList->rowCount(), 3);  // our safety copy, the heading, theirs
        QTest::keyClick(w, Qt::Key_Escape);
    }

    void fromFolderRestoresPlainCopiesByKeyboard() {
        Folder f;
        QVERIFY(f.h.LoadActive());
        TempFolder copies;
        copies.Write("1999TSM.DAT", EncodeRecords(std::vector{Line("03-04-99", "FO", Money(-1), "copied")}));
        RestoreWindow* w = OpenRestoreWindow(f);
        QVERIFY(w);
        QCOMPARE(w->FromFolderButton->text(), QString::fromUtf8("From &Folder\u2026"));
        f.h.env.dialogs.files = {std::nullopt, copies.path()};
        QTest::keyClick(w->BackupList, Qt::Key_F, Qt::AltModifier);  // pressed as a click is; cancelled
        QTRY_COMPARE(f.h.env.dialogs.choosers.size(), std::size_t{1});
        QCOMPARE(f.h.env.dialogs.messages.size(), std::size_t{0});
        f.h.env.dialogs.answers = {Answer::Yes};
        QTest::keyClick(w->BackupList, Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(f.h.env.folder.Read("1999TSM.DAT"), copies.Read("1999TSM.DAT"));
        QVERIFY(f.h.env.dialogs.choosers.at(1).kind == ChooserKind::Folder);
        const std::string told = "Restored 1 files from " + copies.path() + ".";
        QCOMPARE(f.h.env.dialogs.Last().text.substr(0, told.size()), told);
        QCOMPARE(w->BackupList->rowCount(), 1);  // the safety copy, of this folder
        QCOMPARE(f.h.window->ItemList->model()->rowCount(), 1);
        QTest::keyClick(w, Qt::Key_Escape);
    }
};

QTEST_MAIN(tst_backupwindows)
#include "tst_backupwindows.moc"
