#include <gtest/gtest.h>

#include <climits>

#include "files/Formats.h"

TEST(Formats, ZeroPaddedNumbers) {
  const struct {
    int64_t v;
    int size;
    std::string text;
  } cases[] = {
      {1, 3, "001"},
      {-1, 3, "-01"},
      {12345, 1, "12345"},
      {-5, 1, "-5"},
      {7, 0, "7"},
      {7, -4, "7"},
      {0, 3, "000"},
      {-12, 5, "-0012"},
      {INT64_MIN, 3, "-9223372036854775808"},
      // Sizes from the configuration file past the options page's 20.
      {7, 50, std::string(49, '0') + "7"},
      {-7, 100, "-" + std::string(98, '0') + "7"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNombre(c.v, c.size), c.text) << c.v << " " << c.size;
  EXPECT_EQ(static_cast<size_t>(kTailleNombreLimite), FormatNombre(7, INT32_MAX).size());
}

TEST(Formats, Sizes) {
  const CSizeUnits en;
  const CSizeUnits fr{"Ko", "Mo", "Go"};
  const struct {
    uint64_t size;
    char form;
    const CSizeUnits* units;
    const char* expected;
  } cases[] = {
      {0, 0, &en, "0"},
      {1023, 0, &en, "1023"},
      {1024, 0, &en, "1.00 KB"},
      {1536, 0, &fr, "1.50 Ko"},
      {1048575, 0, &en, "1024.00 KB"},
      {1048576, 0, &fr, "1.00 Mo"},
      {1073741823, 0, &en, "1024.00 MB"},
      {1073741824, 0, &en, "1.00 GB"},
      {10995116277760ull, 0, &fr, "10240.00 Go"},
      {1536, 'k', &en, "1.50"},
      {1536, 'b', &en, "1536"},
      {1536, 'm', &en, "0.00"},
      {5368709120ull, 'g', &en, "5.00"},
      {18446744073709551615ull, 'b', &en, "18446744073709551615"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatTaille(c.size, c.form, *c.units), c.expected) << c.size;
}

TEST(Formats, TextTableFormatsTakeOnlyArgumentsOfTheirKind) {
  const struct {
    const char* format;
    std::string text;
  } cases[] = {
      {"Sel:%d/%d", "Sel:2/3"},
      {"%d%%%s %d %d", "2%%s 3 %d"},  // a text conversion skips a number; fields past the end stay text
      {"%s", "%s"},
      {"[%5d|%-4d|%03d]", "[    2|3   |%03d]"},
      {"%x %X %u %i", "2 3 %u %i"},
      {"%lu and %ld", "2 and 3"},
      {"%n %p %f %c", "%n %p %f %c"},  // never handed to printf
      {"%99999999d", "%99999999d"},
      {"trailing %", "trailing %"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatTexte(c.format, {2, 3}), c.text) << c.format;
  EXPECT_EQ(FormatTexte("Unable to access %s", {"C:\\x"}), "Unable to access C:\\x");
  EXPECT_EQ(FormatTexte("%d error%s", {std::string("s")}), "%d errors");
  EXPECT_EQ(FormatTexte("%.3s|%-6s|", {"abcdef", "ab"}), "abc|ab    |");
  EXPECT_EQ(FormatTexte("%s", {std::string(5000, 'x')}).size(), 5000u);
}
