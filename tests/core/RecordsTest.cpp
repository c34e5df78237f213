#include <gtest/gtest.h>

#include "core/Records.h"

namespace tessamo {
TEST(Smoke, Builds) { EXPECT_EQ(LedgerRecord::kSize, 58u); }
}  // namespace tessamo
