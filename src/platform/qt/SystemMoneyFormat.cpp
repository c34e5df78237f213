#include "platform/qt/SystemMoneyFormat.h"

#include <QLocale>
#include <QString>

namespace tessamo {
namespace {

// Turns a formatted probe amount into a pattern by putting "#" where the
// number stood, so the core can fill in any amount the same way.
std::string PatternOf(const QString& formatted, const QString& number) {
    QString pattern = formatted;
    pattern.replace(number, QStringLiteral("#"));
    return pattern.toStdString();
}

}  // namespace

MoneyFormat SystemMoneyFormat() { return MoneyFormatOf(QLocale::system()); }

MoneyFormat MoneyFormatOf(const QLocale& given) {
    QLocale locale = given;
    if (locale.language() == QLocale::C) locale = QLocale(QLocale::English, QLocale::UnitedStates);
    MoneyFormat format;
    format.decimalPoint = locale.decimalPoint().toStdString();
    format.groupSeparator = locale.groupSeparator().toStdString();
    const QString number = locale.toString(1234567.25, 'f', 2);
    const QString positive = locale.toCurrencyString(1234567.25, QString(), 2);
    const QString negative = locale.toCurrencyString(-1234567.25, QString(), 2);
    if (positive.contains(number) && negative.contains(number)) {
        format.positivePattern = PatternOf(positive, number);
        format.negativePattern = PatternOf(negative, number);
    }
    return format;
}

}  // namespace tessamo
