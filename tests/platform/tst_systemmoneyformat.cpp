// The money format gathered from the system's locale gives the same texts the
// locale itself writes, and the C locale gives the reference form.
#include <QLocale>
#include <QtTest>

#include "core/Amounts.h"
#include "platform/qt/SystemMoneyFormat.h"

using namespace tessamo;

class SystemMoneyFormatTest : public QObject {
    Q_OBJECT
private slots:
    void cLocaleAndUnitedStatesGiveTheReferenceForm() {
        for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates)}) {
            const MoneyFormat f = MoneyFormatOf(locale);
            QCOMPARE(QString::fromStdString(CurrencyText(12345000, f)), QStringLiteral("$1,234.50"));
            QCOMPARE(QString::fromStdString(CurrencyText(-120000, f)), QStringLiteral("($12.00)"));
            QCOMPARE(ReadTypedAmount("1,234.50", f), std::optional<std::int64_t>(12345000));
        }
        // The test runs under LC_ALL=C.
        QCOMPARE(QString::fromStdString(CurrencyText(-120000, SystemMoneyFormat())), QStringLiteral("($12.00)"));
    }
    void otherLocalesMatchTheirOwnCurrencyText() {
        for (const char* name : {"de_DE", "fr_FR", "en_GB", "de_CH"}) {
            const QLocale locale(QString::fromLatin1(name));
            const MoneyFormat f = MoneyFormatOf(locale);
            QCOMPARE(QString::fromStdString(CurrencyText(-98765432100, f)), locale.toCurrencyString(-9876543.21, QString(), 2));
            QCOMPARE(QString::fromStdString(CurrencyText(5000, f)), locale.toCurrencyString(0.5, QString(), 2));
        }
        const MoneyFormat german = MoneyFormatOf(QLocale(QStringLiteral("de_DE")));
        QCOMPARE(ReadTypedAmount("12,50", german), std::optional<std::int64_t>(125000));
        QCOMPARE(ReadTypedAmount("1.234,5", german), std::optional<std::int64_t>(12345000));
    }
};

QTEST_GUILESS_MAIN(SystemMoneyFormatTest)
#include "tst_systemmoneyformat.moc"
