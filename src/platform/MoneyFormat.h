#pragma once
// MoneyFormat: the system's conventions for currency text and typed numbers,
// gathered once at start-up (from the Qt side, SystemMoneyFormat) into this
// plain struct so that the logic stays free of Qt and both programs agree.
// The default value is the reference form: "$1,234.50", negative "($12.00)".
#include <string>

namespace tessamo {

struct MoneyFormat {
    // Patterns in which "#" stands for the grouped number with two decimals.
    std::string positivePattern = "$#";
    std::string negativePattern = "($#)";
    std::string decimalPoint = ".";
    std::string groupSeparator = ",";

    static MoneyFormat Reference() { return MoneyFormat{}; }
};

}  // namespace tessamo
