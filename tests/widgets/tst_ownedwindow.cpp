// Windows of their own: the owner is disabled while the window is open and
// given back however the window goes away; a window beside its owner
// disables nothing; an open window is raised instead of opened twice.
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <memory>

#include "widgets/OwnedWindow.h"

using namespace tessamo;

namespace {

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ToolWindow() : closeButton(new QPushButton("Close", this)) {
        connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    }
    QPushButton* closeButton;
};

using Closing = std::function<void(ToolWindow*)>;

}  // namespace

Q_DECLARE_METATYPE(Closing)

class tst_ownedwindow : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> owner;

private slots:
    void init() {
        owner = std::make_unique<QWidget>();
        owner->show();
        QVERIFY(QTest::qWaitForWindowExposed(owner.get()));
    }
    void cleanup() { owner.reset(); }

    void ownerComesBackHoweverTheWindowGoes_data() {
        QTest::addColumn<Closing>("close");
        QTest::newRow("its button") << Closing([](ToolWindow* w) { QTest::mouseClick(w->closeButton, Qt::LeftButton); });
        QTest::newRow("its menu (hide)") << Closing([](ToolWindow* w) { w->hide(); });
        QTest::newRow("window manager") << Closing([](ToolWindow* w) { w->windowHandle()->close(); });
        QTest::newRow("Escape") << Closing([](ToolWindow* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QTest::newRow("deleted") << Closing([](ToolWindow* w) { delete w; });
        QTest::newRow("deleted on close") << Closing([](ToolWindow* w) {
            w->setAttribute(Qt::WA_DeleteOnClose);
            w->close();
        });
    }
    void ownerComesBackHoweverTheWindowGoes() {
        QFETCH(Closing, close);
        QPointer<ToolWindow> window = new ToolWindow;
        OpenOwnedWindow(owner.get(), window);
        // A transient window counts as active while its owner is, so wait for the window itself.
        QTRY_COMPARE(QApplication::activeWindow(), window.data());
        QCOMPARE(window->windowHandle()->transientParent(), owner->windowHandle());
        QCOMPARE(OwnerOfOpenWindow(window), owner.get());
        QVERIFY(!owner->isEnabled());
        QVERIFY(window->isEnabled() && window->closeButton->isEnabled());
        close(window);
        QVERIFY(!window || !window->isVisible());
        QVERIFY(owner->isEnabled());
        QTRY_COMPARE(QApplication::activeWindow(), owner.get());
        delete window;
    }

    void windowGoesWithItsOwner() {
        QPointer<ToolWindow> window = new ToolWindow;
        OpenOwnedWindow(owner.get(), window);
        owner.reset();
        QVERIFY(!window);
    }

    void reopenedWindowDisablesAgain() {
        auto* window = new ToolWindow;
        for (int round = 0; round < 2; ++round) {
            OpenOwnedWindow(owner.get(), window);
            OpenOwnedWindow(owner.get(), window);  // already open: only raised
            QVERIFY(!owner->isEnabled());
            window->close();
            QVERIFY(owner->isEnabled() && !OwnerOfOpenWindow(window));
            QCoreApplication::processEvents();  // the given-back guard's deferred deletion
        }
    }

    void windowBesideOwnerDisablesNothing() {
        auto* window = new ToolWindow;
        OpenOwnedWindow(owner.get(), window, OwnerWhileOpen::Enabled);
        QVERIFY(window->isVisible() && owner->isEnabled());
        owner->setEnabled(false);  // another window that disables the owner meanwhile
        QVERIFY(window->isEnabled());
        owner->setEnabled(true);
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible() && owner->isEnabled());
    }

    // Centred on the owner, pushed wholly onto the screen, and back where the
    // user left it when opened again.
    void opensCentredOnTheOwnerAndWhollyOnScreen_data() {
        QTest::addColumn<QPoint>("ownerAt");
        QTest::addColumn<QString>("name");
        QTest::newRow("middle") << QPoint(200, 150) << "middle";
        QTest::newRow("right edge") << QPoint(100000, 150) << "right";
        QTest::newRow("top left") << QPoint(-100000, -100000) << "topleft";
    }
    void opensCentredOnTheOwnerAndWhollyOnScreen() {
        QFETCH(QPoint, ownerAt);
        QFETCH(QString, name);
        const QRect screen = owner->screen()->availableGeometry();
        owner->resize(400, 300);
        owner->move(ownerAt);
        auto* window = new ToolWindow;
        window->setObjectName(name);
        window->resize(300, 200);
        OpenOwnedWindow(owner.get(), window);
        QVERIFY(screen.contains(window->frameGeometry()));
        if (screen.contains(owner->frameGeometry()))
            QVERIFY((window->frameGeometry().center() - owner->frameGeometry().center()).manhattanLength() <= 2);
        window->move(screen.topLeft() + QPoint(10, 20));
        window->close();
        OpenOwnedWindow(owner.get(), window);
        QCOMPARE(window->pos(), screen.topLeft() + QPoint(10, 20));
    }

    void openWindowIsRaisedNotOpenedTwice() {
        QCOMPARE(RaiseOpenWindow<ToolWindow>(owner.get()), nullptr);
        auto* window = new ToolWindow;
        OpenOwnedWindow(owner.get(), window);
        QCOMPARE(RaiseOpenWindow<ToolWindow>(owner.get()), window);
        QCOMPARE(RaiseOpenWindow<QPushButton>(owner.get()), nullptr);
        window->close();
        QCOMPARE(RaiseOpenWindow<ToolWindow>(owner.get()), nullptr);
    }
};

QTEST_MAIN(tst_ownedwindow)
#include "tst_ownedwindow.moc"
