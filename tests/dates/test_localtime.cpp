// The local time seam under TZ=Europe/Paris (CET, CEST from the last Sunday
// of March to the last Sunday of October): each date converts with the rule
// in force at that date, in both directions, natively and under Wine alike.
#include <gtest/gtest.h>

#include "os/LocalTime.h"

namespace {

// File time of a Unix time (seconds since 1970-01-01 UTC).
uint64_t FromUnix(int64_t unix_secs) {
  return static_cast<uint64_t>(unix_secs + 11644473600LL) * 10000000ULL;
}

struct Conversion {
  const char* what;
  int64_t unix_utc;
  CTempsLocal local;
};

// Reference instants (Unix times from `date -u -d ... +%s`).
const Conversion kConversions[] = {
    {"winter, January", 1105790400, {2005, 1, 15, 13, 0, 0, false}},   // 2005-01-15 12:00 UTC
    {"summer, July", 1121428800, {2005, 7, 15, 14, 0, 0, true}},       // 2005-07-15 12:00 UTC
    {"Exif winter morning", 1107248400, {2005, 2, 1, 10, 0, 0, false}},  // 2005-02-01 09:00 UTC
    {"Exif summer morning", 1120204800, {2005, 7, 1, 10, 0, 0, true}},   // 2005-07-01 08:00 UTC
    {"last second before the spring change", 1111885199, {2005, 3, 27, 1, 59, 59, false}},
    {"first second after the spring change", 1111885200, {2005, 3, 27, 3, 0, 0, true}},
    {"leap day", 1078052400, {2004, 2, 29, 12, 0, 0, false}},
    {"year 2100 summer", 4118126400, {2100, 7, 1, 14, 0, 0, true}},
    {"the Unix epoch", 0, {1970, 1, 1, 1, 0, 0, false}},
};

TEST(LocalTime, EachDateUsesTheRuleInForceAtThatDate) {
  for (const auto& c : kConversions) {
    SCOPED_TRACE(c.what);
    CTempsLocal t;
    ASSERT_EQ(0, FileTimeToLocalTime(FromUnix(c.unix_utc), &t));
    EXPECT_EQ(c.local.year, t.year);
    EXPECT_EQ(c.local.month, t.month);
    EXPECT_EQ(c.local.day, t.day);
    EXPECT_EQ(c.local.hour, t.hour);
    EXPECT_EQ(c.local.minute, t.minute);
    EXPECT_EQ(c.local.second, t.second);
    EXPECT_EQ(c.local.dst, t.dst);
  }
}

TEST(LocalTime, LocalTimesConvertBackToTheSameInstant) {
  for (const auto& c : kConversions) {
    SCOPED_TRACE(c.what);
    uint64_t ft = 0;
    ASSERT_EQ(0, LocalTimeToFileTime(c.local, &ft));
    EXPECT_EQ(FromUnix(c.unix_utc), ft);
    CTempsLocal back;
    ASSERT_EQ(0, FileTimeToLocalTime(ft, &back));
    EXPECT_EQ(c.local.hour, back.hour);
  }
}

TEST(LocalTime, SubSecondTicksDoNotChangeTheFields) {
  CTempsLocal t;
  ASSERT_EQ(0, FileTimeToLocalTime(FromUnix(1107248400) + 9999999, &t));
  EXPECT_EQ(10, t.hour);
  EXPECT_EQ(0, t.second);
}

TEST(LocalTime, FileTimesOutsideTheRangeAreRefused) {
  CTempsLocal t;
  EXPECT_EQ(-1, FileTimeToLocalTime(0, &t));
  EXPECT_EQ(-1, FileTimeToLocalTime(~0ULL, &t));
  EXPECT_EQ(-1, FileTimeToLocalTime(kFileTimeMax + 1, &t));
  // 30828-09-14 UTC: beyond the last year both platforms accept.
  EXPECT_EQ(-2, FileTimeToLocalTime(kFileTimeMax, &t));
  // The first tick after 1601-01-01 00:00 UTC is still 1601 in Paris.
  ASSERT_EQ(0, FileTimeToLocalTime(1, &t));
  EXPECT_EQ(1601, t.year);
}

TEST(LocalTime, TheLastAcceptedYearConverts) {
  const CTempsLocal last = {30827, 12, 31, 23, 59, 59, false};
  uint64_t ft = 0;
  ASSERT_EQ(0, LocalTimeToFileTime(last, &ft));
  CTempsLocal t;
  ASSERT_EQ(0, FileTimeToLocalTime(ft, &t));
  EXPECT_EQ(30827, t.year);
  EXPECT_EQ(23, t.hour);
}

TEST(LocalTime, InvalidFieldsAreRefused) {
  const struct {
    const char* what;
    CTempsLocal t;
    int expected;
  } cases[] = {
      {"29 February of a common year", {2005, 2, 29, 0, 0, 0, false}, -1},
      {"29 February of a leap year", {2004, 2, 29, 0, 0, 0, false}, 0},
      {"29 February 1900 (not leap)", {1900, 2, 29, 0, 0, 0, false}, -1},
      {"29 February 2000 (leap)", {2000, 2, 29, 0, 0, 0, false}, 0},
      {"31 April", {2005, 4, 31, 0, 0, 0, false}, -1},
      {"month 0", {2005, 0, 1, 0, 0, 0, false}, -1},
      {"month 13", {2005, 13, 1, 0, 0, 0, false}, -1},
      {"day 0", {2005, 1, 0, 0, 0, 0, false}, -1},
      {"hour 24", {2005, 1, 1, 24, 0, 0, false}, -1},
      {"minute 60", {2005, 1, 1, 0, 60, 0, false}, -1},
      {"second 60", {2005, 1, 1, 0, 0, 60, false}, -1},
      {"negative second", {2005, 1, 1, 0, 0, -1, false}, -1},
      {"year 1600", {1600, 12, 31, 23, 0, 0, false}, -1},
      {"year 30828", {30828, 1, 1, 0, 0, 0, false}, -1},
      {"year 1969", {1969, 12, 31, 12, 0, 0, false}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    uint64_t ft = 0;
    EXPECT_EQ(c.expected, LocalTimeToFileTime(c.t, &ft));
  }
}

TEST(LocalTime, ClockAndTickCount) {
  const uint64_t now = CurrentFileTime();
  EXPECT_GT(now, FromUnix(1577836800));  // after 2020-01-01
  const uint32_t a = TickCountMs();
  const uint32_t b = TickCountMs();
  EXPECT_LT(static_cast<uint32_t>(b - a), 1000u);
}

TEST(LocalTime, ZoneNamesDifferBetweenStandardAndDaylight) {
  const std::string standard = TimeZoneName(false);
  const std::string daylight = TimeZoneName(true);
  EXPECT_FALSE(standard.empty());
  EXPECT_FALSE(daylight.empty());
  EXPECT_NE(standard, daylight);
}

TEST(LocalTime, EnglishTableStartsOnSunday) {
  const CLocaleDates& l = EnglishLocaleDates();
  EXPECT_EQ("Sunday", l.days[0]);
  EXPECT_EQ("Sat", l.abbr_days[6]);
  EXPECT_EQ("December", l.months[11]);
  EXPECT_EQ("Sep", l.abbr_months[8]);
}

}  // namespace
