#include "support/LedgerGenerator.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "core/Dates.h"

namespace tessamo::bench {
namespace {

const char* const kNames[] = {"Food", "Rent", "Salary", "Car", "Fuel", "Phone", "Power", "Water",
                              "Gifts", "Clothes", "Doctor", "School", "Books", "Travel", "Garden", "Pets",
                              "Insurance", "Taxes", "Savings", "Loan", "Cable", "Dining", "Hobby", "Church",
                              "Repairs", "Toys", "Bonus", "Interest", "Rental", "Misc"};
const char* const kNotes[] = {"Groceries at the corner store", "Paid rent", "Monthly pay", "Oil change",
                              "Gas station", "Cell phone bill", "Electric company", "City water",
                              "Birthday present", "New shoes", "Checkup", "Lunch money", "Paperbacks",
                              "Bus tickets", "Seeds and soil", "Dog food", "", "Refund check"};

}  // namespace

std::vector<CategoryRecord> GenerateCategories(int count) {
    std::vector<CategoryRecord> categories;
    for (int i = 0; i < count; ++i) {
        char code[3] = {static_cast<char>('A' + i / 26 * 3 + i % 7), static_cast<char>('A' + i % 26), 0};
        categories.push_back(CategoryRecord::Make(code, kNames[i % 30]));
    }
    std::stable_sort(categories.begin(), categories.end(),
                     [](const auto& a, const auto& b) { return a.Code < b.Code; });
    return categories;
}

std::vector<LedgerRecord> GenerateLedger(std::size_t count, const std::string& yearDigits, int categoryCount,
                                         unsigned seed) {
    std::mt19937 random(seed);
    const auto categories = GenerateCategories(categoryCount);
    std::vector<LedgerRecord> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const int month = static_cast<int>(random() % 12) + 1;
        const int day = static_cast<int>(random() % 28) + 1;
        char date[16];
        std::snprintf(date, sizeof date, "%02d-%02d-%s", month, day, yearDigits.c_str());
        const auto& category = categories[random() % categories.size()];
        const unsigned kind = random() % 10;  // 2 income, 7 expense, 1 open item
        std::int64_t amount = static_cast<std::int64_t>(random() % 5000000) * 100;
        if (kind >= 2 && kind < 9) amount = -amount;
        if (kind == 9) amount = 0;
        records.push_back(LedgerRecord::Make(date, category.Code, amount, kNotes[random() % 18]));
    }
    std::stable_sort(records.begin(), records.end(), [](const LedgerRecord& a, const LedgerRecord& b) {
        return SortKey(a, "A") > SortKey(b, "A");
    });
    return records;
}

}  // namespace tessamo::bench
