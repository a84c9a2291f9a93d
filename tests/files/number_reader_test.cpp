// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/number_reader.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/test_data.h"

namespace vrel {
namespace {

TEST(NumberReader, ReadsNumbersAcrossAnyWhitespace) {
  NumberReader reader(test::WriteScratch("nr1.txt", "2\t3\n\n 2 1.5e-3\n-4 .5 +7. trailing text"));
  int a = 0, b = 0, c = 0;
  double x = 0, y = 0, z = 0, w = 0;
  ASSERT_TRUE(reader.ReadInt(a) && reader.ReadInt(b) && reader.ReadInt(c));
  EXPECT_EQ(a + b + c, 7);
  ASSERT_TRUE(reader.ReadDouble(x) && reader.ReadDouble(y) && reader.ReadDouble(z) &&
              reader.ReadDouble(w));
  EXPECT_DOUBLE_EQ(x, 1.5e-3);
  EXPECT_DOUBLE_EQ(y, -4.0);
  EXPECT_DOUBLE_EQ(z, 0.5);
  EXPECT_DOUBLE_EQ(w, 7.0);
  EXPECT_FALSE(reader.Failed());
}

TEST(NumberReader, FailsForGoodOnBadTokensAndAtTheEnd) {
  int i = 0;
  double d = 0;
  NumberReader decimalAsInt(test::WriteScratch("nr2.txt", "3.5 4"));
  EXPECT_FALSE(decimalAsInt.ReadInt(i));
  EXPECT_FALSE(decimalAsInt.ReadInt(i));  // stays failed
  NumberReader word(test::WriteScratch("nr3.txt", "1 abc"));
  EXPECT_TRUE(word.ReadDouble(d));
  EXPECT_FALSE(word.ReadDouble(d));
  EXPECT_TRUE(word.Failed());
  for (const char* token : {"nan", "inf", "0x10", "1e999"}) {
    NumberReader one(test::WriteScratch("nr4.txt", token));
    EXPECT_FALSE(one.ReadDouble(d)) << token;
  }
  NumberReader huge(test::WriteScratch("nr6.txt", "99999999999"));
  EXPECT_FALSE(huge.ReadInt(i));
  NumberReader empty(test::WriteScratch("nr7.txt", ""));
  EXPECT_FALSE(empty.ReadInt(i));
  NumberReader missing("/nonexistent/dir/file.dat");
  EXPECT_FALSE(missing.IsOpen());
  EXPECT_FALSE(missing.ReadInt(i));
}

}  // namespace
}  // namespace vrel
