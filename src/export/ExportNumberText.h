#pragma once
// The number text of the comma-delimited export: a minus sign or one blank,
// the digits without grouping, the decimals that are needed (one to four,
// none for a whole number) after the system's decimal separator, no "0"
// before it between -1 and 1, and one blank after the number:
// " 1234.5 ", "-100 ", " .5 ", "-.25 ", " 0 ".
#include <cstdint>
#include <string>

#include "core/Amounts.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

std::string ExportNumberText(AmountSum amount, const MoneyFormat& money);

}  // namespace tessamo
