// What a screen reader finds in the main window: every control has a name,
// every label is heard as it reads, the status panels follow their text, and
// the item list's cells are read out (an open item as words, not its marker).
// The walk goes through the toolkit's accessibility interfaces in-process,
// the same ones the AT-SPI bridge reads.
#include <QAccessible>
#include <QLabel>
#include <QSpinBox>
#include <QToolBar>

#include "mainscreen/MainScreenHarness.h"

using namespace tessamo;

namespace {

// Roles a person acts on or reads as one thing: each needs a name.
bool NeedsName(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::EditableText:
        case QAccessible::SpinBox:
        case QAccessible::ComboBox:
        case QAccessible::Table:
        case QAccessible::ToolBar:
        case QAccessible::StatusBar:
        case QAccessible::MenuBar:
        case QAccessible::MenuItem:
        case QAccessible::ButtonMenu:
        case QAccessible::Grouping: return true;
        default: return false;
    }
}

QString Describe(QAccessibleInterface* node) {
    QObject* object = node->object();
    return QStringLiteral("%1 (role %2)").arg(object ? object->objectName() : QStringLiteral("?")).arg(node->role());
}

// The shown controls under `node` that a screen reader cannot name, and the
// labels it would read differently from the screen.
void Walk(QAccessibleInterface* node, QStringList& faults) {
    if (!node || node->state().invisible) return;
    const QString name = node->text(QAccessible::Name);
    if (auto* label = qobject_cast<QLabel*>(node->object())) {
        if (name != label->text()) faults << Describe(node) + ": heard \"" + name + "\", shown \"" + label->text() + "\"";
    } else if (NeedsName(node->role()) && name.trimmed().isEmpty()) {
        faults << Describe(node) + ": no name";
    }
    // A table's cells are its model's texts; the grid itself is checked above.
    if (node->role() == QAccessible::Table) return;
    for (int i = 0; i < node->childCount(); ++i) Walk(node->child(i), faults);
}

QStringList Faults(QWidget* window) {
    QStringList faults;
    Walk(QAccessible::queryAccessibleInterface(window), faults);
    return faults;
}

void ExpectNoFaults(QWidget* window) {
    const QStringList faults = Faults(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

}  // namespace

class tst_accessibility : public QObject {
    Q_OBJECT
private slots:
    // The window as it opens and with each of its panels open.
    void everyControlNamedAndEveryLabelHeardAsShown() {
        MainScreenHarness h;
        h.env.PutCategories({CategoryRecord::Make("FO", "Food")});
        h.env.PutLedger({Line("03-10-99", "FO", Money(-12.5), "bread")});
        QVERIFY(h.Load());
        frmMainScreen& w = *h.window;
        ExpectNoFaults(&w);
        w.mnuNewItem->trigger();
        ExpectNoFaults(&w);
        h.ui.CancelEdit->click();
        w.mnuNewCategory->trigger();
        ExpectNoFaults(&w);
        h.ui.CatEdCancel->click();
        h.ui.YearOff->click();
        w.mnuShowMacro->trigger();
        ExpectNoFaults(&w);
        w.mnuYear->trigger();
        ExpectNoFaults(&w);
    }

    // The toolkit's hidden "more buttons" check box of the toolbar is named.
    void toolbarExtensionNamed() {
        MainScreenHarness h;
        QVERIFY(h.Load());
        auto* more = h.window->ToolbarTSM->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button"));
        QVERIFY(more);
        QCOMPARE(QAccessible::queryAccessibleInterface(more)->text(QAccessible::Name),
                 QStringLiteral("More toolbar buttons"));
    }

    void panelsAndLabelsSpeakTheirCurrentText() {
        MainScreenHarness h;
        h.env.PutCategories({CategoryRecord::Make("FO", "Food")});
        QVERIFY(h.Load());
        frmMainScreen& w = *h.window;
        auto heard = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        auto role = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
        };
        QCOMPARE(heard(w.stbIncome), QStringLiteral("  No Income! "));
        QCOMPARE(role(w.stbIncome), QStringLiteral("Income total"));
        h.AddLine(0, "2500", "pay", false);
        QCOMPARE(heard(w.stbIncome), QStringLiteral("  Income = $2,500.00  "));
        QCOMPARE(heard(w.stbYear), QStringLiteral("   Active Year = 1999  "));
        w.mnuNewItem->trigger();
        QCOMPARE(heard(h.ui.SmYr), QStringLiteral("1999"));
        h.DoubleClickCell(h.ui.SmCatList, 0, 0);
        QCOMPARE(heard(h.ui.CatCodeLabel), QStringLiteral("FO"));
        QCOMPARE(heard(h.ui.CatNameLabel), QStringLiteral("Food            "));
        QCOMPARE(role(h.ui.SmCatList), QStringLiteral("Double-click or press <Enter> to select"));
        h.ui.CancelEdit->click();
        w.mnuTTO->trigger();  // tool tips off: the list still says how to choose
        QCOMPARE(role(h.ui.SmCatList), QStringLiteral("Double-click or press <Enter> to select"));
    }

    void openItemReadAsWords() {
        MainScreenHarness h;
        h.env.PutLedger({Line("03-10-99", "FO", 0, "open"), Line("03-09-99", "FO", Money(-12.5), "bread")});
        QVERIFY(h.Load());
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(h.window->ItemList)->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("open item, no amount"));
        QCOMPARE(table->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("($12.50)"));
        QCOMPARE(h.Cell(h.window->ItemList, 0, 1), QStringLiteral("****?****"));  // the cell still shows the marker
    }
};

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
