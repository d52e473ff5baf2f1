#include "document/nulls.h"

#include <gtest/gtest.h>

using namespace norva;

TEST(Nulls, BothDoubleFormsAreNull) {
  EXPECT_TRUE(IsNullValue(kNullDouble));
  EXPECT_TRUE(IsNullValue(kNullBox));
  EXPECT_FALSE(IsNullValue(0.0));
  EXPECT_TRUE(IsNullValue(kNullInt16));
  EXPECT_TRUE(IsNullValue(kNullInt32));
  EXPECT_FALSE(IsNullValue(int16_t{0}));
}
