// The backup window from the main window: runs to two targets chosen in the
// real directory list, refusal of the data folder (also through a link),
// Cancel between files, and a failing copy that does not end the run.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>

#include "mainscreen/MainScreenHarness.h"
#include "support/Unnamed.h"
#include "tools/ui/frmBackup.h"
#include "widgets/FolderButtons.h"
#include "widgets/FolderLists.h"
#include "widgets/OwnedWindow.h"

using namespace tessamo;

class tst_backup : public QObject {
    Q_OBJECT

    // PERSONAL.DAT, the fifth, is made by the start-up.
    static constexpr const char* kFiles[] = {"1999TSM.DAT", "1999CATS.DAT", "pay.mcr", "1999_tsm.nts"};

    static frmBackup* Open(MainScreenHarness& h) {
        for (const char* name : kFiles) h.env.folder.Write(name, std::string("content of ") + name);
        h.env.folder.Write("TSM_DATA.TXT", "export");
        if (!h.Load()) return nullptr;
        h.window->mnuBackup->trigger();
        return RaiseOpenWindow<frmBackup>(h.window.get());
    }
    // Walks the directory list to `folder` as a user would: Enter on the
    // deepest listed folder on the way, until the folder itself is chosen.
    static void ChooseFolder(frmBackup* backup, const std::string& folder) {
        const QString wanted = QString::fromStdString(folder);
        DirectoryList* list = backup->BackUpDir;
        for (int step = 0; step < 32 && list->Folder() != wanted; ++step) {
            QListWidgetItem* best = nullptr;
            for (int row = 0; row < list->count(); ++row) {
                const QString path = list->item(row)->data(Qt::UserRole).toString();
                if (wanted == path || wanted.startsWith(path == "/" ? path : path + '/')) best = list->item(row);
            }
            QVERIFY(best);
            list->setCurrentItem(best);
            QTest::keyClick(list, Qt::Key_Return);
        }
        QCOMPARE(backup->BackUpTarget->text(), wanted);
    }
    static void Run(frmBackup* backup) { QTest::mouseClick(backup->RunBackup, Qt::LeftButton); }

private slots:
    void copiesToOneTargetThenAnother() {
        MainScreenHarness h;
        frmBackup* backup = Open(h);
        QVERIFY(backup);
        QCOMPARE(backup->windowTitle(), QStringLiteral("Data Backup"));
        QVERIFY(!h.window->isEnabled());
        QCOMPARE(backup->Label1->text(), QStringLiteral("Source:"));
        QCOMPARE(backup->Label2->text(), QStringLiteral("Target:"));
        QCOMPARE(backup->RunBackup->text(), QStringLiteral("Copy all Source files to Target"));
        QCOMPARE(backup->StopBackup->text(), QStringLiteral("Cancel"));
        QCOMPARE(backup->Backuplist->text().toStdString(), h.env.folder.path());
        QCOMPARE(backup->BackUpTarget->text().toStdString(), h.env.folder.path());
        QCOMPARE(backup->BackMeUp->count(), 5);
        QVERIFY2(UnnamedControls(backup).isEmpty(), qPrintable(UnnamedControls(backup).join(' ')));

        TempFolder first, second;
        for (const TempFolder* target : {&first, &second}) {
            ChooseFolder(backup, target->path());
            Run(backup);
            QCOMPARE(h.env.dialogs.Last().text, std::string("Finished"));
            for (const char* name : kFiles) QCOMPARE(target->Read(name), std::string("content of ") + name);
            QCOMPARE(target->Read("PERSONAL.DAT"), h.env.folder.Read("PERSONAL.DAT"));
            QVERIFY(!target->Exists("TSM_DATA.TXT"));
            QCOMPARE(backup->BackUpProgress->text(), QStringLiteral("Copying: PERSONAL.DAT"));
            QCOMPARE(backup->BackMeUp->currentRow(), 4);
        }
        QVERIFY(backup->isVisible());
        backup->StopBackup->click();
        QVERIFY(h.window->isEnabled());
    }

    // The target label follows a single click; Browse chooses any folder;
    // New Folder makes one inside the highlighted folder and chooses it.
    void targetByClickBrowseAndNewFolder() {
        MainScreenHarness h;
        frmBackup* backup = Open(h);
        TempFolder target;
        std::filesystem::create_directory(target.PathOf("sub"));
        h.env.dialogs.files = {target.path()};
        QTest::mouseClick(backup->TargetButtons->Browse, Qt::LeftButton);
        QCOMPARE(backup->BackUpTarget->text().toStdString(), target.path());

        DirectoryList* list = backup->BackUpDir;
        const QList<QListWidgetItem*> sub =
            list->findItems(QStringLiteral("sub"), Qt::MatchExactly);
        QCOMPARE(sub.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(sub[0]).center());
        QCOMPARE(backup->BackUpTarget->text().toStdString(), target.PathOf("sub"));

        h.env.dialogs.inputs = {std::string("new")};
        QTest::mouseClick(backup->TargetButtons->NewFolder, Qt::LeftButton);
        QVERIFY(std::filesystem::is_directory(target.PathOf("sub/new")));
        QCOMPARE(backup->BackUpTarget->text().toStdString(), target.PathOf("sub/new"));
        Run(backup);
        QCOMPARE(h.env.dialogs.Last().text, std::string("Finished"));
        QVERIFY(std::filesystem::exists(target.PathOf("sub/new/1999TSM.DAT")));
    }

    void refusesTheDataFolderAlsoThroughALink() {
        MainScreenHarness h;
        frmBackup* backup = Open(h);
        Run(backup);  // the target starts at the data folder
        QCOMPARE(h.env.dialogs.Last().text, std::string("Chose a different target!"));
        TempFolder target;
        std::filesystem::create_directory_symlink(h.env.folder.path(), target.PathOf("data"));
        ChooseFolder(backup, target.PathOf("data"));
        Run(backup);
        QCOMPARE(h.env.dialogs.Texts(), (std::vector<std::string>(2, "Chose a different target!")));
        QVERIFY(!h.env.folder.Exists("tempcopy.$$$"));
    }

    void cancelBetweenFilesCopiesNoFurtherFile() {
        MainScreenHarness h;
        QPointer<frmBackup> backup(Open(h));
        TempFolder target;
        ChooseFolder(backup, target.path());
        // Cancel is clicked while the second file is copied; the run sees it
        // before the third.
        connect(backup->BackMeUp, &QListWidget::currentRowChanged, backup, [&](int row) {
            if (row == 1) QTimer::singleShot(0, backup, [&] { QTest::mouseClick(backup->StopBackup, Qt::LeftButton); });
        });
        Run(backup);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(backup.isNull());
        QVERIFY(h.window->isEnabled());
        QVERIFY(target.Exists("1999CATS.DAT") && target.Exists("1999TSM.DAT"));
        QVERIFY(!target.Exists("1999_tsm.nts") && !target.Exists("pay.mcr") && !target.Exists("PERSONAL.DAT"));
        QVERIFY(h.env.dialogs.messages.empty());
    }

    void aFailingCopyIsNamedAndTheRunGoesOn() {
        MainScreenHarness h;
        frmBackup* backup = Open(h);
        TempFolder target;
        std::filesystem::create_directory(target.PathOf("1999TSM.DAT"));
        ChooseFolder(backup, target.path());
        Run(backup);
        const std::string text = h.env.dialogs.Last().text;
        QVERIFY2(text.starts_with("Finished: 4 of 5 files copied.\r\nNot copied:\r\n" + target.PathOf("1999TSM.DAT")),
                 text.c_str());
        QCOMPARE(target.Read("pay.mcr"), std::string("content of pay.mcr"));
        QVERIFY(backup->RunBackup->isEnabled());
    }
};

QTEST_MAIN(tst_backup)
#include "tst_backup.moc"
