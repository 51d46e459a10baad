#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include "os/AnsiCase.h"

TEST(AnsiCase, SystemCasingAgreesWithTheWindowLibraryAndTheWindows1252TableOnEveryByte) {
  for (int c = 0; c < 256; ++c) {
    const unsigned char b = static_cast<unsigned char>(c);
    EXPECT_EQ(AnsiUpper(b), Cp1252Upper(b)) << c;
    EXPECT_EQ(AnsiLower(b), Cp1252Lower(b)) << c;
    EXPECT_EQ(AnsiIsLetter(b), Cp1252IsLetter(b)) << c;
#ifdef _WIN32
    // The table is built through the kernel; the window library must agree.
    if (c >= 128) {
      EXPECT_EQ(IsCharAlphaA(static_cast<char>(b)) != FALSE, AnsiIsLetter(b)) << c;
    }
    char up = static_cast<char>(b), low = static_cast<char>(b);
    if (c != 0) {
      CharUpperBuffA(&up, 1);
      CharLowerBuffA(&low, 1);
    }
    EXPECT_EQ(static_cast<unsigned char>(up), AnsiUpper(b)) << c;
    EXPECT_EQ(static_cast<unsigned char>(low), AnsiLower(b)) << c;
#endif
  }
}

TEST(AnsiCase, TableIsConsistent) {
  int pairs = 0;
  for (int c = 0; c < 256; ++c) {
    const unsigned char b = static_cast<unsigned char>(c);
    const unsigned char u = Cp1252Upper(b), l = Cp1252Lower(b);
    if (c < 128 && !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
      EXPECT_EQ(u, b);
      EXPECT_EQ(l, b);
    }
    if (u != b) {
      EXPECT_EQ(Cp1252Lower(u), b) << c;  // round trip
      ++pairs;
    }
  }
  EXPECT_EQ(pairs, 26 + 4 + 30);  // a-z, the four 8x/9x pairs, 0xE0-0xFE but 0xF7
  EXPECT_EQ(Cp1252Upper(0xDF), 0xDF);  // sharp s has no single upper case
  EXPECT_EQ(Cp1252Upper(0xB5), 0xB5);  // micro sign
  EXPECT_EQ(Cp1252Upper(0xFF), 0x9F);
}

TEST(AnsiCase, CompareNoCase) {
  EXPECT_EQ(AnsiCompareNoCase("abc", 3, "ABC", 3), 0);
  EXPECT_EQ(AnsiCompareNoCase("\xE9", 1, "\xC9", 1), 0);
  EXPECT_LT(AnsiCompareNoCase("ab", 2, "abc", 3), 0);
  EXPECT_GT(AnsiCompareNoCase("b", 1, "A", 1), 0);
  EXPECT_EQ(AnsiCompareNoCase("", 0, "", 0), 0);
}
