#include "journal/ChangeText.h"

#include "core/FixedText.h"
#include "core/ItemListSummary.h"
#include "platform/CodePage.h"

namespace tessamo {

std::string LineChangeText(const std::string& verb, const LedgerRecord& line, const MoneyFormat& money) {
    return verb + " line " + Cp1252ToUtf8(TrimBlanks(line.Date)) + " " + ItemAmountText(line.Amount, money) + " " +
           Cp1252ToUtf8(TrimBlanks(line.Code)) + " " + Cp1252ToUtf8(TrimBlanks(line.Note));
}

std::string CountedText(const std::string& what, std::size_t count, const std::string& unit) {
    return what + " of " + std::to_string(count) + " " + unit + (count == 1 ? "" : "s");
}

std::string CategoryChangeText(const std::string& verb, const std::string& code) {
    return verb + " category " + Cp1252ToUtf8(TrimBlanks(code));
}

}  // namespace tessamo
