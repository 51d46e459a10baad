// Local time seam: file times (100 ns units since 1601-01-01 UTC) to local
// calendar time and back, the current time, a tick count, the time-zone name
// and the locale's date and time texts.
//
// Every conversion applies the daylight-saving rule in force at the date
// converted, not the one in force today, so a file time shows the same local
// time whatever the season of the run, and a local time read from a file
// (Exif, IPTC, ...) converts back to exactly the file time it came from.
// Win32 asks the system (SystemTimeToTzSpecificLocalTime and its inverse);
// the native build asks the C library under TZ.
#pragma once

#include <cstdint>
#include <string>

// Broken-down local time. Fields are in their usual ranges: month 1-12,
// day 1-31, hour 0-23, minute and second 0-59.
struct CTempsLocal {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  bool dst = false;  // daylight-saving time in force at that moment
};

// Seconds from 1601-01-01 (the file-time epoch) to 1970-01-01 (the C
// library's), and file-time units per second.
constexpr int64_t kSecondsFrom1601To1970 = 11644473600LL;
constexpr int64_t kFileTimeTicksPerSecond = 10000000LL;

// Largest file time the conversions accept (the Win32 limit: the top bit set
// is not a file time).
constexpr uint64_t kFileTimeMax = 0x7FFFFFFFFFFFFFFFull;

// Local time of file time `ft`. Returns 0; -1 when ft is 0 or above
// kFileTimeMax; -2 when the platform cannot convert it (the result would lie
// outside the years 1601 to 30827).
int FileTimeToLocalTime(uint64_t ft, CTempsLocal* out);

// File time of local time `t` (its dst flag is ignored: the rule in force at
// that date decides). Returns 0; -1 when a field is out of range (a day past
// the month's end included) or the year is outside 1601 to 30827; -2 when the
// platform cannot convert it.
int LocalTimeToFileTime(const CTempsLocal& t, uint64_t* out);

// Whether every field of `t` lies in its range, the day within its month
// (Gregorian leap years) and the year within 1601 to 30827.
bool LocalTimeFieldsValid(const CTempsLocal& t);

// Days since 1970-01-01 of a Gregorian date (negative before it).
int64_t DaysFromCivil(int64_t y, int m, int d);

// File time of `t` read as a UTC time (no time-zone rule applies). Returns 0;
// -1 when a field is out of range as for LocalTimeToFileTime.
int UtcTimeToFileTime(const CTempsLocal& t, uint64_t* out);

// The current time as a file time (UTC).
uint64_t CurrentFileTime();

// Milliseconds since an arbitrary start; wraps after about 49.7 days, so
// compare two readings by their unsigned difference.
uint32_t TickCountMs();

// Name of the time zone in its standard or daylight-saving form (Win32: the
// system's names, "Central Europe Standard Time"; native: the C library's
// abbreviations, "CET").
std::string TimeZoneName(bool dst);

// The locale's date and time texts, in the ANSI code page. The pictures use
// the Win32 date and time picture letters (d dd ddd dddd, M MM MMM MMMM,
// y yy yyyy, h hh H HH, m mm, s ss, t tt, 'quoted text').
struct CLocaleDates {
  std::string short_date;  // "M/d/yyyy"
  std::string long_date;   // "dddd, MMMM d, yyyy"
  std::string time;        // "h:mm:ss tt"
  std::string am;          // "AM"
  std::string pm;          // "PM"
  std::string days[7];     // Sunday first
  std::string abbr_days[7];
  std::string months[12];  // January first
  std::string abbr_months[12];
};

// The fixed English (United States) table.
const CLocaleDates& EnglishLocaleDates();

// The user's regional settings (Win32: GetLocaleInfoA of the user default
// locale, read once; native: the English table, so both builds agree).
const CLocaleDates& UserLocaleDates();

#ifdef _WIN32
// The table of locale `lcid`, read from the system now; a missing entry keeps
// the English text.
CLocaleDates LocaleDatesOf(unsigned long lcid);
#endif
