// Durations: the syntax of date-block offsets and of the `ajo` option, and
// their display form.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "files/CDateFormat.h"

namespace {

struct DureeCase {
  const char* text;
  int64_t seconds;
  size_t fin;  // where the reading stops
  bool lue;
};

const DureeCase kCases[] = {
    {"1h", 3600, 2, true},
    {"-60m", -3600, 4, true},
    {"+1h30m", 5400, 6, true},
    {"-1h1m1s", -3661, 7, true},
    {"1h30", 3630, 4, true},
    {"48h", 172800, 3, true},
    {"90", 90, 2, true},
    {"0", 0, 1, true},
    {"1m30", 90, 4, true},
    {"  - 2h  ", -7200, 8, true},
    {"\t+\t5s\t", 5, 6, true},
    {"1h}", 3600, 2, true},  // a block's closing brace is where it stops
    // A sign alone is 0, but replaces the default.
    {"+", 0, 1, true},
    {"- ", 0, 2, true},
    {"-}", 0, 1, true},
    // Nothing read: the default stays.
    {"", 0, 0, false},
    {"   ", 0, 3, false},
    {"}", 0, 0, false},
    {"h", 0, 0, false},
    {"x1h", 0, 0, false},
    // Units out of order, repeated, unknown letters: the reading stops there.
    {"1m1h", 60, 3, true},
    {"1s1m", 1, 3, true},
    {"1h1h", 3600, 3, true},
    {"1m2m}", 60, 3, true},
    {"1s5", 1, 2, true},    // bare digits after the seconds repeat them: stop on the digits
    {"1s5}", 1, 2, true},
    {"1d", 0, 1, true},     // a day letter is not a unit
    {"1H", 0, 1, true},     // units are lower case
    {"2h3x", 7200, 3, true},
    {"1h 30m", 3600, 3, true},  // blanks end the groups
    {"1h--", 3600, 2, true},
};

TEST(Duree, Reading) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\"");
    const CDuree d = LireDuree(c.text, 0);
    EXPECT_EQ(c.seconds, d.secondes);
    EXPECT_EQ(c.fin, d.fin);
    EXPECT_EQ(c.lue, d.lue);
    EXPECT_FALSE(d.limitee);
  }
}

TEST(Duree, ReadingFromAPositionInsideABlock) {
  const std::string block = "{\"%H\",+1h30m}";
  const CDuree d = LireDuree(block, 6);
  EXPECT_EQ(5400, d.secondes);
  ASSERT_LT(d.fin, block.size());
  EXPECT_EQ('}', block[d.fin]);
  // A repeated unit leaves the block unclosed: the character there is no `}`.
  const std::string bad = "{\"\",1h2h}";
  const CDuree b = LireDuree(bad, 4);
  EXPECT_NE('}', bad[b.fin]);
  // Past the end: nothing read, stops at the end.
  const CDuree e = LireDuree(block, 100);
  EXPECT_FALSE(e.lue);
  EXPECT_EQ(block.size(), e.fin);
}

TEST(Duree, LimitsAreClampedNotOverflowed) {
  const struct {
    const char* text;
    int64_t seconds;
    bool limitee;
  } cases[] = {
      {"1000000000000h", kDureeLimite, true},      // 10^12 hours
      {"-1000000000000h", -kDureeLimite, true},
      {"277777777777h46m40s", kDureeLimite, false},  // exactly the limit
      {"277777777777h46m41s", kDureeLimite, true},
      {"99999999999999999999999999999999s", kDureeLimite, true},
      {"9223372036854775807", kDureeLimite, true},
      {"99999999999999999999m99999999999999999999s", kDureeLimite, true},
      {"2562047788015h", kDureeLimite, true},  // past INT64_MAX seconds when multiplied
      {"1000000000000000", kDureeLimite, false},
      {"596523h14m7s", 2147483647, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const CDuree d = LireDuree(c.text, 0);
    EXPECT_EQ(c.seconds, d.secondes);
    EXPECT_EQ(c.limitee, d.limitee);
    EXPECT_EQ(std::string(c.text).size(), d.fin);
  }
}

TEST(Duree, OptionField) {
  const struct {
    const char* text;
    int result;
    int seconds;
  } cases[] = {
      {"", 0, 0},
      {"1h30m", 0, 5400},
      {" -1h ", 0, -3600},
      {"+", 0, 0},
      {"596523h14m7s", 0, 2147483647},
      {"-596523h14m8s", 0, -2147483647 - 1},
      {"596523h14m8s", -2, 0},
      {"1000000000000h", -2, 0},
      {"1h1h", -1, 0},
      {"1h x", -1, 0},
      {"abc", -1, 0},
      {"1h 30m", -1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    int s = 12345;
    EXPECT_EQ(c.result, LireDureeOption(c.text, &s));
    if (c.result == 0) {
      EXPECT_EQ(c.seconds, s);
    }
  }
}

TEST(Duree, DisplayForm) {
  const struct {
    int64_t seconds;
    const char* expected;
  } cases[] = {
      {0, "+0h00m00s"},
      {5400, "+1h30m00s"},
      {-3661, "-1h01m01s"},
      {-5, "-0h00m05s"},
      {359999, "+99h59m59s"},
      {2147483647, "+596523h14m07s"},
      {-2147483647 - 1, "-596523h14m08s"},
      {kDureeLimite, "+277777777777h46m40s"},
      {INT64_MIN, "-2562047788015215h30m08s"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, AfficherDuree(c.seconds));
    // Every display form reads back to its value (within the limit).
    const CDuree d = LireDuree(c.expected, 0);
    if (c.seconds >= -kDureeLimite && c.seconds <= kDureeLimite) {
      EXPECT_EQ(c.seconds, d.secondes);
    }
  }
}

}  // namespace
