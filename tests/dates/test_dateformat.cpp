// The date formatter and date variables. Runs under TZ=Europe/Paris.
#include <gtest/gtest.h>

#include <string>

#include "files/CDateFormat.h"

#ifdef _WIN32
#include <windows.h>

#include <clocale>
#include <ctime>
#endif

namespace {

uint64_t FromUnix(int64_t unix_secs) {
  return static_cast<uint64_t>(unix_secs + 11644473600LL) * 10000000ULL;
}

// File time of a local time in the test's zone.
uint64_t Local(int y, int mo, int d, int h, int mi, int s) {
  uint64_t ft = 0;
  EXPECT_EQ(0, LocalTimeToFileTime(CTempsLocal{y, mo, d, h, mi, s, false}, &ft));
  return ft;
}

const CTempsLocal kTuesday = {2005, 2, 1, 10, 5, 7, false};

struct FieldCase {
  CTempsLocal t;
  const char* format;
  const char* expected;
};

// Expected texts checked against the C library's strftime in the "C" locale
// for the numeric conversions and the English names.
const FieldCase kFieldCases[] = {
    {kTuesday, "%a %A %b %B", "Tue Tuesday Feb February"},
    {kTuesday, "%d %H %I %j %m %M %S %p", "01 10 10 032 02 05 07 AM"},
    {kTuesday, "%U %w %W %y %Y", "05 2 05 05 2005"},
    {kTuesday, "%#d %#H %#I %#j %#m %#M %#S %#U %#w %#W %#y %#Y", "1 10 10 32 2 5 7 5 2 5 5 2005"},
    {kTuesday, "%c", "2/1/2005 10:05:07 AM"},
    {kTuesday, "%#c", "Tuesday, February 1, 2005 10:05:07 AM"},
    {kTuesday, "%x|%#x|%X|%#X", "2/1/2005|Tuesday, February 1, 2005|10:05:07 AM|10:05:07 AM"},
    {kTuesday, "%#a %#A %#b %#B %#p %#%", "Tue Tuesday Feb February AM %"},
    {kTuesday, "%Y%m%d_%H%M%S", "20050201_100507"},
    {kTuesday, "%d-%m-%Y", "01-02-2005"},
    {kTuesday, "100%%", "100%"},
    {kTuesday, "a\\b/c", "a\\b/c"},
    // A lone `%` at the end, and unknown conversions, are copied as written.
    {kTuesday, "%Y%", "2005%"},
    {kTuesday, "%Y%#", "2005%#"},
    {kTuesday, "%", "%"},
    {kTuesday, "%Q%E%#q% x", "%Q%E%#q% x"},
    {kTuesday, "%-d %5d", "%-d %5d"},
    // Midnight and noon on the 12-hour clock.
    {{2005, 1, 1, 0, 0, 0, false}, "%I %#I %p %a %j %U %W %w", "12 12 AM Sat 001 00 00 6"},
    {{2006, 1, 1, 12, 0, 0, false}, "%I %p %a %U %W %c", "12 PM Sun 01 00 1/1/2006 12:00:00 PM"},
    {{2007, 1, 1, 23, 59, 59, false}, "%I %p %U %W %X", "11 PM 00 01 11:59:59 PM"},
    {{2000, 12, 31, 0, 30, 0, false}, "%j %U %W %y %#y", "366 53 52 00 0"},
    {{2006, 7, 1, 0, 0, 0, false}, "%j", "182"},
    {{1970, 1, 1, 0, 0, 0, false}, "%A %y %Y", "Thursday 70 1970"},
    {{3001, 3, 4, 5, 6, 7, false}, "%a %j %U %W %y %Y %c", "Wed 063 09 09 01 3001 3/4/3001 5:06:07 AM"},
    {{30827, 12, 31, 23, 59, 59, false}, "%Y %y %#c", "30827 27 Friday, December 31, 30827 11:59:59 PM"},
    // Before 1970 the fields are not broken down: empty text.
    {{1969, 12, 31, 23, 59, 59, false}, "%Y", ""},
    {{1601, 1, 1, 0, 0, 0, false}, "literal", ""},
    {kTuesday, "", ""},
};

TEST(DateFormat, Conversions) {
  const CDateFormat f(EnglishLocaleDates());
  for (const auto& c : kFieldCases) {
    SCOPED_TRACE(c.format);
    EXPECT_EQ(c.expected, f.FormaterChamps(c.t, c.format));
  }
}

TEST(DateFormat, ZoneNameFollowsTheDate) {
  const CDateFormat f(EnglishLocaleDates());
  CTempsLocal summer = kTuesday;
  summer.dst = true;
  EXPECT_EQ(TimeZoneName(false), f.FormaterChamps(kTuesday, "%Z"));
  EXPECT_EQ(TimeZoneName(true), f.FormaterChamps(summer, "%z"));
}

TEST(DateFormat, ResultIsLimitedTo511Characters) {
  const CDateFormat f(EnglishLocaleDates());
  EXPECT_EQ(511u, f.FormaterChamps(kTuesday, std::string(511, 'a')).size());
  EXPECT_EQ("", f.FormaterChamps(kTuesday, std::string(512, 'a')));
  // 127 four-digit years plus three letters is 511; one more year is too long.
  std::string fits;
  for (int i = 0; i < 127; ++i) fits += "%Y";
  EXPECT_EQ(511u, f.FormaterChamps(kTuesday, fits + "abc").size());
  EXPECT_EQ("", f.FormaterChamps(kTuesday, fits + "%Y"));
  // A long format that expands past the limit stops early and gives nothing.
  std::string huge;
  for (int i = 0; i < 10000; ++i) huge += "%#c";
  EXPECT_EQ("", f.FormaterChamps(kTuesday, huge));
}

TEST(DateFormat, PicturesWithQuotesAndOtherLetters) {
  CLocaleDates l = EnglishLocaleDates();
  l.short_date = "dd.MM.yy 'le' d'' ddd";
  l.long_date = "dddd d MMMM yyyy gg";
  l.time = "HH'h'mm t tt";
  const CDateFormat f(l);
  EXPECT_EQ("01.02.05 le 1' Tue", f.FormaterChamps(kTuesday, "%x"));
  EXPECT_EQ("Tuesday 1 February 2005 ", f.FormaterChamps(kTuesday, "%#x"));
  EXPECT_EQ("10h05 A AM", f.FormaterChamps(kTuesday, "%X"));
  l.time = "h:mm 'unclosed";
  EXPECT_EQ("10:05 unclosed", CDateFormat(l).FormaterChamps(kTuesday, "%X"));
}

// A local time read from a file (an Exif date) formats back to itself,
// whatever the season of the date or of the run.
TEST(DateFormat, ExifLocalTimesFormatBackExactly) {
  const CDateFormat f(EnglishLocaleDates());
  const struct {
    int month;
    const char* expected;
  } cases[] = {{1, "20050101_100000"}, {2, "20050201_100000"}, {7, "20050701_100000"},
               {10, "20051001_100000"}, {12, "20051201_100000"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.month);
    EXPECT_EQ(c.expected, f.Formater(Local(2005, c.month, 1, 10, 0, 0), "%Y%m%d_%H%M%S"));
  }
}

TEST(DateFormat, FileTimesFormatInLocalTime) {
  const CDateFormat f(EnglishLocaleDates());
  const struct {
    uint64_t ft;
    const char* expected;
  } cases[] = {
      {FromUnix(1105790400), "2005-01-15 13:00"},  // 12:00 UTC in winter
      {FromUnix(1121428800), "2005-07-15 14:00"},  // 12:00 UTC in summer
      {FromUnix(0), "1970-01-01 01:00"},
      {FromUnix(-3601), ""},  // 1969-12-31 23:59:59 local
      {0, ""},
      {~0ULL, ""},
      {kFileTimeMax, ""},
      {1, ""},  // 1601
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(c.expected, f.Formater(c.ft, "%Y-%m-%d %H:%M"));
  }
  EXPECT_EQ("", f.Formater(FromUnix(1105790400), ""));
}

// --- Date shifts ----------------------------------------------------------

TEST(DateVariable, ShiftArithmeticAtTheLimits) {
  FileTime out = 0;
  EXPECT_EQ(-1, DecalerDate(0, 10, &out));
  EXPECT_EQ(-1, DecalerDate(~0ULL, -10, &out));
  EXPECT_EQ(-1, DecalerDate(kFileTimeMax, 1, &out));
  ASSERT_EQ(0, DecalerDate(kFileTimeMax, 0, &out));
  EXPECT_EQ(kFileTimeMax, out);
  ASSERT_EQ(0, DecalerDate(kFileTimeMax - 10000000, 1, &out));
  EXPECT_EQ(kFileTimeMax, out);
  EXPECT_EQ(-1, DecalerDate(10000000, -1, &out));  // lands on 0: no date
  ASSERT_EQ(0, DecalerDate(10000001, -1, &out));
  EXPECT_EQ(1u, out);
  EXPECT_EQ(-1, DecalerDate(1, INT64_MAX, &out));
  EXPECT_EQ(-1, DecalerDate(kFileTimeMax, INT64_MIN, &out));
  EXPECT_EQ(-1, DecalerDate(1, 922337203686LL, &out));
}

#ifdef _WIN32
// The C runtime's strftime in a locale and our formatter with the table read
// from the system for that locale give the same text.
TEST(DateFormat, MatchesTheCRuntimeInEachLocale) {
  const struct {
    const char* crt;
    unsigned long lcid;
  } locales[] = {{"English_United States.1252", 0x409},
                 {"French_France.1252", 0x40C},
                 {"German_Germany.1252", 0x407},
                 {"English_United Kingdom.1252", 0x809}};
  const char* formats[] = {"%c", "%#c", "%x", "%#x", "%X", "%a %A %b %B %p",
                           "%d %H %I %j %m %M %S %U %w %W %y %Y",
                           "%#d %#H %#I %#j %#m %#M %#S %#U %#w %#W %#y %#Y"};
  // Weekday and day of year given, so the C runtime sees complete fields.
  const struct {
    CTempsLocal t;
    int wday;
    int yday;
  } dates[] = {{{2005, 2, 1, 10, 5, 7, false}, 2, 31},     {{2006, 1, 1, 0, 0, 0, false}, 0, 0},
               {{2007, 12, 31, 12, 30, 59, false}, 1, 364}, {{1999, 9, 9, 23, 9, 9, false}, 4, 251},
               {{2999, 7, 4, 7, 0, 0, false}, 4, 184}};
  for (const auto& loc : locales) {
    ASSERT_NE(nullptr, setlocale(LC_TIME, loc.crt)) << loc.crt;
    const CLocaleDates table = LocaleDatesOf(loc.lcid);
    const CDateFormat f(table);
    for (const auto& dt : dates) {
      const CTempsLocal& t = dt.t;
      struct tm tm = {};
      tm.tm_year = t.year - 1900;
      tm.tm_mon = t.month - 1;
      tm.tm_mday = t.day;
      tm.tm_hour = t.hour;
      tm.tm_min = t.minute;
      tm.tm_sec = t.second;
      tm.tm_wday = dt.wday;
      tm.tm_yday = dt.yday;
      for (const char* fmt : formats) {
        char buf[512];
        const size_t n = strftime(buf, sizeof buf, fmt, &tm);
        SCOPED_TRACE(std::string(loc.crt) + " " + fmt);
        EXPECT_EQ(std::string(buf, n), f.FormaterChamps(t, fmt));
      }
    }
  }
  setlocale(LC_TIME, "C");
}

TEST(DateFormat, UserTableIsTheUserDefaultLocale) {
  const CLocaleDates& l = UserLocaleDates();
  char buf[80];
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, buf, sizeof buf), 0);
  EXPECT_EQ(buf, l.short_date);
}
#endif

}  // namespace
