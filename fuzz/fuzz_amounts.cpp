// Amounts: typed text cleaned and read by both money formats, the plain
// number text read back to the same amount, the leading-number rule, and
// every stored amount (any 64-bit value a file may hold) shown as text.
#include <cstdint>
#include <cstring>
#include <string>

#include "Check.h"
#include "FuzzInput.h"
#include "QuietState.h"
#include "core/Amounts.h"
#include "core/LeadingNumber.h"
#include "core/ItemListSummary.h"
#include "core/TypedEntry.h"
#include "macros/MacroFile.h"
#include "reports/ReportFields.h"

using namespace tessamo;

namespace {

void ShowStored(std::int64_t amount, const MoneyFormat& money) {
    FUZZ_CHECK(!CurrencyText(amount, money).empty());
    FUZZ_CHECK(!ItemAmountText(amount, money).empty());
    FUZZ_CHECK(AmountField(amount, money).size() >= kAmountFieldWidth);
    std::string plain = PlainNumberText(amount, money);
    const std::string cleaned = CleanAmount(plain);
    // Read back exactly (the reader refuses the last few values below the
    // 64-bit limit, far beyond any household amount).
    if (amount >= 0 && amount < 900'000'000'000'000'000) FUZZ_CHECK(ReadTypedAmount(cleaned, money) == amount);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const MoneyFormat money = input.Money();
    const bool expense = input.Byte() & 1;
    std::int64_t stored = 0;
    const std::string raw = input.Text(sizeof stored);
    std::memcpy(&stored, raw.data(), raw.size());
    ShowStored(stored, money);

    const std::string typed = input.Rest();
    std::string cleaned = typed;
    cleaned = CleanAmount(cleaned);
    if (const auto amount = ReadTypedAmount(cleaned, money)) ShowStored(*amount, money);
    if (const auto amount = AmountFromDouble(LeadingNumber(typed))) ShowStored(*amount, money);
    if (const auto amount = MacroAmount(typed)) ShowStored(*amount, money);

    QuietState quiet(money);
    TypedEntry entry{"03-15", "AA", typed, "note"};
    if (const auto record = BuildEntryRecord(quiet.state, entry, "99", expense)) {
        FUZZ_CHECK(expense ? record->Amount <= 0 : record->Amount >= 0);
        ShowStored(record->Amount, money);
    }
    return 0;
}
