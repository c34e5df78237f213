// Long texts in a plain-text box: what the box hands back is the text put in,
// its line count is right before any line is painted, and it stays editable.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

#include "widgets/LargePlainText.h"

using namespace tessamo;

namespace {

QString Lines(int count, const QString& tail = QString()) {
    QStringList lines;
    for (int i = 0; i < count; ++i) lines << QStringLiteral("line %1\tnote").arg(i);
    return lines.join(QLatin1Char('\n')) + tail;
}

}  // namespace

class tst_largeplaintext : public QObject {
    Q_OBJECT
private slots:
    void handsBackTheTextWithEveryLineCounted_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::newRow("empty") << QString() << 1;
        QTest::newRow("one line") << Lines(1) << 1;
        QTest::newRow("one paragraph full") << Lines(kLinesPerParagraph) << kLinesPerParagraph;
        QTest::newRow("one line more") << Lines(kLinesPerParagraph + 1) << kLinesPerParagraph + 1;
        QTest::newRow("line break last") << Lines(2 * kLinesPerParagraph, "\n") << 2 * kLinesPerParagraph + 1;
        QTest::newRow("lone CR in a note") << Lines(100) + QStringLiteral("\nA\rB") << 102;
    }
    void handsBackTheTextWithEveryLineCounted() {
        QFETCH(QString, text);
        QFETCH(int, lines);
        QPlainTextEdit edit;
        edit.setLineWrapMode(QPlainTextEdit::NoWrap);
        SetLargePlainText(&edit, text);
        QCOMPARE(edit.toPlainText(), QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        QCOMPARE(edit.document()->lineCount(), lines);
        // Laying the paragraphs out finds the same count.
        for (QTextBlock b = edit.document()->begin(); b.isValid(); b = b.next())
            edit.document()->documentLayout()->blockBoundingRect(b);
        QCOMPARE(edit.document()->lineCount(), lines);
    }

    void staysEditableAndTheLoadIsNoUndoStep() {
        QPlainTextEdit edit;
        edit.setLineWrapMode(QPlainTextEdit::NoWrap);
        edit.resize(400, 300);
        edit.show();
        SetLargePlainText(&edit, Lines(200));
        QVERIFY(!edit.document()->isUndoAvailable());
        QVERIFY(edit.verticalScrollBar()->maximum() > 150);  // spans the lines, not the paragraphs
        QTextCursor cursor(edit.document()->findBlockByLineNumber(70));
        cursor.movePosition(QTextCursor::Down);  // into the next line of the same paragraph
        edit.setTextCursor(cursor);
        QTest::keyClicks(&edit, "typed ");
        QTest::keyClick(&edit, Qt::Key_Return);
        QStringList want = Lines(200).split(QLatin1Char('\n'));
        want.insert(65, QStringLiteral("typed "));
        QCOMPARE(edit.toPlainText(), want.join(QLatin1Char('\n')));
    }
};

QTEST_MAIN(tst_largeplaintext)
#include "tst_largeplaintext.moc"
