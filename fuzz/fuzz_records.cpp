// The record readers and the settings record on any file content: every
// whole record decodes and encodes back to the same bytes, a partial tail is
// left out, and the listing of the decoded ledger can be built.
#include <cstdint>
#include <string>
#include <vector>

#include "Check.h"
#include "core/ItemListSummary.h"
#include "core/RecordFile.h"
#include "core/Records.h"

using namespace tessamo;

namespace {

template <class Record>
std::vector<Record> DecodeAll(const std::string& bytes) {
    std::vector<Record> records;
    for (std::size_t at = 0; at + Record::kSize <= bytes.size(); at += Record::kSize)
        records.push_back(Record::Decode(bytes.data() + at));
    FUZZ_CHECK(EncodeRecords(records) == bytes.substr(0, records.size() * Record::kSize));
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<LedgerRecord> ledger = DecodeAll<LedgerRecord>(bytes);
    const std::vector<CategoryRecord> categories = DecodeAll<CategoryRecord>(bytes);
    DecodeAll<MacroLine>(bytes);

    const SettingsRecord settings = SettingsRecord::FromBytes(bytes);
    std::string expected = bytes.substr(0, SettingsRecord::kSize);
    expected.resize(SettingsRecord::kSize, '\0');
    FUZZ_CHECK(settings.Bytes() == expected);
    FUZZ_CHECK(settings.UserName().size() == 28 && settings.DateStyle().size() == 1);
    settings.PassCode();
    for (int slot = 1; slot <= 10; ++slot) FUZZ_CHECK(settings.ReminderText(slot).size() == 40);

    const std::string code = ledger.empty() ? std::string(kAllCategories) : ledger.front().Code;
    const std::size_t count = ledger.size();
    const ItemListSummary summary =
        SummarizeLedger(std::move(ledger), categories, code, "1999", MoneyFormat::Reference());
    FUZZ_CHECK(summary.items.size() <= count);
    return 0;
}
