// Native side of the local time seam: the C library under TZ.
#include <time.h>

#include <cerrno>

#include "os/LocalTime.h"

int FileTimeToLocalTime(uint64_t ft, CTempsLocal* out) {
  if (ft == 0 || ft > kFileTimeMax) return -1;
  // Whole seconds only: the 100 ns remainder never changes the calendar fields.
  const time_t secs =
      static_cast<time_t>(static_cast<int64_t>(ft / kFileTimeTicksPerSecond) - kSecondsFrom1601To1970);
  struct tm tm;
  if (localtime_r(&secs, &tm) == nullptr) return -2;
  CTempsLocal t;
  t.year = tm.tm_year + 1900;
  t.month = tm.tm_mon + 1;
  t.day = tm.tm_mday;
  t.hour = tm.tm_hour;
  t.minute = tm.tm_min;
  t.second = tm.tm_sec;
  t.dst = tm.tm_isdst > 0;
  // Same range as SYSTEMTIME, so both builds accept the same file times.
  if (!LocalTimeFieldsValid(t)) return -2;
  *out = t;
  return 0;
}

int LocalTimeToFileTime(const CTempsLocal& t, uint64_t* out) {
  if (!LocalTimeFieldsValid(t)) return -1;
  struct tm tm = {};
  tm.tm_year = t.year - 1900;
  tm.tm_mon = t.month - 1;
  tm.tm_mday = t.day;
  tm.tm_hour = t.hour;
  tm.tm_min = t.minute;
  tm.tm_sec = t.second;
  tm.tm_isdst = -1;  // let the rule at that date decide
  errno = 0;
  const time_t secs = mktime(&tm);
  // mktime's -1 is also a valid answer (1969-12-31 23:59:59 UTC); only errno
  // tells a failure apart.
  if (secs == static_cast<time_t>(-1) && errno != 0) return -2;
  const int64_t since1601 = static_cast<int64_t>(secs) + kSecondsFrom1601To1970;
  if (since1601 < 0) return -2;
  *out = static_cast<uint64_t>(since1601) * kFileTimeTicksPerSecond;
  return *out == 0 ? -2 : 0;
}

uint64_t CurrentFileTime() {
  struct timespec ts;
  clock_gettime(CLOCK_REALTIME, &ts);
  const int64_t secs = static_cast<int64_t>(ts.tv_sec) + kSecondsFrom1601To1970;
  return static_cast<uint64_t>(secs) * kFileTimeTicksPerSecond + static_cast<uint64_t>(ts.tv_nsec / 100);
}

uint32_t TickCountMs() {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u +
                               static_cast<uint64_t>(ts.tv_nsec / 1000000));
}

std::string TimeZoneName(bool dst) {
  tzset();
  return tzname[dst ? 1 : 0];
}

const CLocaleDates& UserLocaleDates() { return EnglishLocaleDates(); }
