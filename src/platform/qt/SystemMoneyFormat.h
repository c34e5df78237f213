#pragma once
// Gathers the system's currency and number conventions from QLocale::system()
// into the plain MoneyFormat the logic uses. The C/POSIX locale gives the
// reference form ("$1,234.50", "($12.00)"), as en_US does.
#include "platform/MoneyFormat.h"

class QLocale;

namespace tessamo {

MoneyFormat SystemMoneyFormat();
// The conventions of one locale (C stands for en_US).
MoneyFormat MoneyFormatOf(const QLocale& locale);

}  // namespace tessamo
