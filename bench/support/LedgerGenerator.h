#pragma once
// Realistic ledgers for the benchmarks: a year of dates, ~30 categories,
// income, expense and zero amounts, notes; kept in the ledger's descending
// sort-key order as a real file is. Deterministic for a given seed.
#include <string>
#include <vector>

#include "core/Records.h"

namespace tessamo::bench {

std::vector<CategoryRecord> GenerateCategories(int count = 30);
// `yearDigits` like "99"; dates in style "A".
std::vector<LedgerRecord> GenerateLedger(std::size_t count, const std::string& yearDigits = "99",
                                         int categoryCount = 30, unsigned seed = 1999);

}  // namespace tessamo::bench
