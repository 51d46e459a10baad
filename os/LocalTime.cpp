#include "os/LocalTime.h"

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return (m == 2 && IsLeap(y)) ? 29 : kDays[m - 1];
}

CLocaleDates MakeEnglish() {
  CLocaleDates l;
  l.short_date = "M/d/yyyy";
  l.long_date = "dddd, MMMM d, yyyy";
  l.time = "h:mm:ss tt";
  l.am = "AM";
  l.pm = "PM";
  const char* days[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  const char* months[12] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
  for (int i = 0; i < 7; ++i) {
    l.days[i] = days[i];
    l.abbr_days[i] = l.days[i].substr(0, 3);
  }
  for (int i = 0; i < 12; ++i) {
    l.months[i] = months[i];
    l.abbr_months[i] = l.months[i].substr(0, 3);
  }
  return l;
}

}  // namespace

int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

int UtcTimeToFileTime(const CTempsLocal& t, uint64_t* out) {
  if (!LocalTimeFieldsValid(t)) return -1;
  const int64_t seconds = DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 +
                          t.second + kSecondsFrom1601To1970;
  *out = static_cast<uint64_t>(seconds) * kFileTimeTicksPerSecond;
  return 0;
}

bool LocalTimeFieldsValid(const CTempsLocal& t) {
  if (t.year < 1601 || t.year > 30827 || t.month < 1 || t.month > 12) return false;
  if (t.day < 1 || t.day > DaysInMonth(t.year, t.month)) return false;
  return t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 &&
         t.second <= 59;
}

const CLocaleDates& EnglishLocaleDates() {
  static const CLocaleDates table = MakeEnglish();
  return table;
}
