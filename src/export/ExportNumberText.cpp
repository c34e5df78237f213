#include "export/ExportNumberText.h"

#include "core/Amounts.h"

namespace tessamo {

std::string ExportNumberText(AmountSum amount, const MoneyFormat& money) {
    std::string digits = PlainNumberText(amount, money);  // "-0.25", "1234.5", "0"
    if (amount < 0) digits.erase(0, 1);
    if (digits.size() > 1 && digits[0] == '0' && digits.compare(1, money.decimalPoint.size(), money.decimalPoint) == 0)
        digits.erase(0, 1);
    return (amount < 0 ? "-" : " ") + digits + " ";
}

}  // namespace tessamo
