// Printing the report, read back from a PDF with pdftotext: two empty lines,
// then the report's lines page by page, Tabs at multiples of 8; text typed
// after View printed as typed; an empty report one page with the two empty
// lines alone; the preview shows the pages of the PDF.
#include <QBuffer>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>

#include "platform/qt/QtPrinter.h"
#include "reports/NewPrintReport.h"
#include "reports/ReportWindowHarness.h"
#include "reports/ui/ReportPrinting.h"
#include "widgets/PageOutput.h"
#include "widgets/PagePreview.h"
#include "support/CatchShow.h"

using namespace tessamo;

namespace {

// The margin of three quarters of an inch in characters of 6 points.
constexpr int kMarginColumns = 9;

QString Pdftotext(const QStringList& arguments) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), arguments);
    if (!reader.waitForFinished(20000) || reader.exitCode() != 0) return {};
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// A page's lines without the margin and without blank lines at either end
// (pdftotext cannot see those).
QStringList Trimmed(QStringList lines) {
    for (QString& line : lines) line = line.mid(kMarginColumns).replace(QRegularExpression(QStringLiteral(" +$")), {});
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    while (!lines.isEmpty() && lines.first().isEmpty()) lines.removeFirst();
    return lines;
}

// Lines on a page of the report's PDF, as the printer measures them.
int LinesPerPdfPage() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    SetUpReportPdf(writer);
    QtPrinter printer(writer, nullptr, QStringLiteral("PDF"));
    if (!printer.Start(ReportPrintFont()).ok()) return 0;
    const int lines = printer.LinesPerPage();
    printer.Abort();
    return lines;
}

}  // namespace

class tst_reportprint : public QObject {
    Q_OBJECT

    // Saves Text1 as a PDF through the File menu; its path.
    static QString SavePdf(ReportWindowHarness& h) {
        const QString pdf = QString::fromStdString(h.env.folder.path() + "/out/report.pdf");
        QDir().mkpath(QFileInfo(pdf).path());
        h.env.dialogs.files = {pdf.toStdString()};
        h.window->rmnuSavePdf->trigger();
        return pdf;
    }
    // The pages as pdftotext reads them in columns of 6 points (the font's).
    static QList<QStringList> Pages(const QString& pdf) {
        QStringList texts = Pdftotext({"-layout", "-fixed", "6", pdf, "-"}).split(QLatin1Char('\f'));
        texts.removeLast();  // after the last page's form feed
        QList<QStringList> pages;
        for (const QString& text : texts) pages << text.split(QLatin1Char('\n'));
        return pages;
    }
    // The tops of the first two lines of text of each page, in points.
    static QList<QList<double>> LineTops(const QString& pdf) {
        QList<QList<double>> pages;
        const QRegularExpression top(QStringLiteral("yMin=\"([0-9.]+)\""));
        for (const QString& page : Pdftotext({"-bbox", pdf, "-"}).split(QStringLiteral("<page")).mid(1)) {
            QList<double> tops;
            for (auto m = top.globalMatch(page); m.hasNext() && tops.size() < 2;) {
                const double y = m.next().captured(1).toDouble();
                if (tops.isEmpty() || y > tops.last() + 0.5) tops << y;
            }
            pages << tops;
        }
        return pages;
    }
    static std::vector<LedgerRecord> LongLedger() {
        std::vector<LedgerRecord> ledger = {Line("07-01-99", "SA", Money(10), "Caf\xe9 au lait")};
        for (int i = 0; i < 150; ++i)
            ledger.push_back(Line("06-01-99", "FD", -Money(i + 1), "Shop " + std::to_string(i) + "\tbag"));
        return ledger;
    }
    static void ViewFullReport(ReportWindowHarness& h) {
        h.Press("rtbAll");
        h.Press("rtbFull");
        h.Press("rtbView");
    }

private slots:
    void thePdfHoldsTwoEmptyLinesThenTheReportPageByPage() {
        ReportWindowHarness h(LongLedger());
        ViewFullReport(h);
        QTest::keyClick(h.window->Text1, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(h.window->Text1, Qt::Key_Return);
        QTest::keyClicks(h.window->Text1, QStringLiteral("Typed by hand"));
        const QString pdf = SavePdf(h);
        const QList<QStringList> pages = Pages(pdf);

        // What paper gets: the two empty lines, then the text's lines, Tabs expanded.
        QStringList want = {"", ""};
        for (const QString& line : h.window->Text1->toPlainText().split(QLatin1Char('\n')))
            want << QString::fromStdString(ExpandTabs(line.toStdString()));
        const int perPage = LinesPerPdfPage();
        QVERIFY(perPage > 40);
        QCOMPARE(pages.size(), (want.size() + perPage - 1) / perPage);
        for (qsizetype p = 0; p < pages.size(); ++p)
            QCOMPARE(Trimmed(pages[p]), Trimmed(want.mid(p * perPage, perPage).replaceInStrings(
                                            QRegularExpression(QStringLiteral("^")), QString(kMarginColumns, ' '))));
        QCOMPARE(Trimmed(pages.last()).last(), QStringLiteral("Typed by hand"));
        QStringList printed;
        for (const QStringList& page : pages) printed << Trimmed(page);
        QVERIFY(printed.join('\n').contains(QStringLiteral("Caf\u00e9 au lait")));
        // The note at column 32, "bag" after the next Tab at 48.
        QVERIFY(printed.contains(QStringLiteral(" 06-01-99") + QString(11, ' ') + QStringLiteral("$150.00") +
                                 QString(5, ' ') + QStringLiteral("Shop 149") + QString(8, ' ') + QStringLiteral("bag")));

        // Page 1 starts two lines lower than page 2 (whose first two lines follow each other).
        const QList<QList<double>> tops = LineTops(pdf);
        const double lineHeight = tops[1][1] - tops[1][0];
        QVERIFY(lineHeight > 5);
        QVERIFY(std::abs(tops[0][0] - tops[1][0] - 2 * lineHeight) < 0.5);
    }

    // Before View there is nothing to print: the preview and the PDF say so
    // instead of giving a blank page. A report emptied by hand still prints
    // the page of the two empty lines, and the status bar says where it went.
    void nothingViewedIsToldAnEmptiedReportPrintsTheEmptyPage() {
        ReportWindowHarness h;
        const QString pdf = SavePdf(h);
        h.window->rmnuPrintPreview->trigger();
        QCOMPARE(h.env.dialogs.Texts(), (std::vector<std::string>(2, "View a report first.")));
        QVERIFY(!QFileInfo::exists(pdf));

        ViewFullReport(h);
        h.window->Text1->clear();
        const QList<QStringList> pages = Pages(SavePdf(h));
        QCOMPARE(pages.size(), 1);
        QVERIFY(Trimmed(pages[0]).isEmpty());
        QVERIFY(h.window->statusBar()->currentMessage().endsWith(pdf));
    }

    void thePreviewShowsThePagesOfThePdf() {
        ReportWindowHarness h(LongLedger());
        ViewFullReport(h);
        const qsizetype pdfPages = Pages(SavePdf(h)).size();
        int previewPages = 0;
        CatchShow answer([&](QDialog* box) {
            if (auto* preview = qobject_cast<PagePreview*>(box)) previewPages = preview->Pages()->pageCount();
            box->reject();
        });
        h.window->rmnuPrintPreview->trigger();
        QCOMPARE(previewPages, static_cast<int>(pdfPages));
    }
};

QTEST_MAIN(tst_reportprint)
#include "tst_reportprint.moc"
