#include "framework/Numbers.h"

#include <gtest/gtest.h>

TEST(Numbers, Placeholder) { EXPECT_EQ(fw::Str(32.0 / 20.0 - 1.0), "0.6"); }
