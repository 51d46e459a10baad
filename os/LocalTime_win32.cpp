// Win32 side of the local time seam.
#include <windows.h>

#include "os/LocalTime.h"

namespace {

// The time zone, asked once: the conversions run for every date of every
// file loaded, and asking the system each time costs more than converting.
struct CZone {
  TIME_ZONE_INFORMATION tz = {};
  DWORD mode = TIME_ZONE_ID_INVALID;
  CZone() { mode = GetTimeZoneInformation(&tz); }
};

const CZone& Zone() {
  static const CZone zone;
  return zone;
}

// The zone to pass to the conversions; null lets the system use its own.
TIME_ZONE_INFORMATION* ZoneInfo() {
  const CZone& z = Zone();
  return z.mode == TIME_ZONE_ID_INVALID ? nullptr : const_cast<TIME_ZONE_INFORMATION*>(&z.tz);
}

}  // namespace

int FileTimeToLocalTime(uint64_t ft, CTempsLocal* out) {
  if (ft == 0 || ft > kFileTimeMax) return -1;
  FILETIME f;
  f.dwLowDateTime = static_cast<DWORD>(ft & 0xFFFFFFFFu);
  f.dwHighDateTime = static_cast<DWORD>(ft >> 32);
  SYSTEMTIME utc, local;
  if (!FileTimeToSystemTime(&f, &utc)) return -2;
  // The rule in force at that date, not today's (FileTimeToLocalFileTime
  // would apply today's offset to every date).
  if (!SystemTimeToTzSpecificLocalTime(ZoneInfo(), &utc, &local)) return -2;
  CTempsLocal t;
  t.year = local.wYear;
  t.month = local.wMonth;
  t.day = local.wDay;
  t.hour = local.wHour;
  t.minute = local.wMinute;
  t.second = local.wSecond;
  if (!LocalTimeFieldsValid(t)) return -2;
  // Daylight time is in force when local time lies further from UTC than
  // the standard bias.
  const TIME_ZONE_INFORMATION& tz = Zone().tz;
  const DWORD mode = Zone().mode;
  if (mode == TIME_ZONE_ID_STANDARD || mode == TIME_ZONE_ID_DAYLIGHT) {
    FILETIME lf;
    if (SystemTimeToFileTime(&local, &lf)) {
      const int64_t l = (static_cast<int64_t>(lf.dwHighDateTime) << 32) | lf.dwLowDateTime;
      const int64_t biasMinutes = (static_cast<int64_t>(ft) - l) / (60LL * 10000000LL);
      t.dst = tz.DaylightBias != 0 && biasMinutes == tz.Bias + tz.DaylightBias;
    }
  }
  *out = t;
  return 0;
}

int LocalTimeToFileTime(const CTempsLocal& t, uint64_t* out) {
  if (!LocalTimeFieldsValid(t)) return -1;
  SYSTEMTIME local = {};
  local.wYear = static_cast<WORD>(t.year);
  local.wMonth = static_cast<WORD>(t.month);
  local.wDay = static_cast<WORD>(t.day);
  local.wHour = static_cast<WORD>(t.hour);
  local.wMinute = static_cast<WORD>(t.minute);
  local.wSecond = static_cast<WORD>(t.second);
  SYSTEMTIME utc;
  if (!TzSpecificLocalTimeToSystemTime(ZoneInfo(), &local, &utc)) return -2;
  FILETIME f;
  if (!SystemTimeToFileTime(&utc, &f)) return -2;
  *out = (static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
  return *out == 0 ? -2 : 0;
}

uint64_t CurrentFileTime() {
  FILETIME f;
  GetSystemTimeAsFileTime(&f);
  return (static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
}

uint32_t TickCountMs() { return GetTickCount(); }

std::string TimeZoneName(bool dst) {
  TIME_ZONE_INFORMATION tz;
  if (GetTimeZoneInformation(&tz) == TIME_ZONE_ID_INVALID) return std::string();
  char name[64];
  const int n = WideCharToMultiByte(CP_ACP, 0, dst ? tz.DaylightName : tz.StandardName, -1, name,
                                    sizeof name, nullptr, nullptr);
  return n > 0 ? std::string(name) : std::string();
}

namespace {

// A name the system does not give keeps the English one; the A.M./P.M.
// texts may rightly be empty (24-hour locales), so `may_be_empty` keeps those.
void ReadInfo(LCID lcid, LCTYPE type, std::string* text, bool may_be_empty = false) {
  char buf[128];
  const int n = GetLocaleInfoA(lcid, type, buf, sizeof buf);
  if (n > 1 || (n == 1 && may_be_empty)) text->assign(buf, static_cast<size_t>(n - 1));
}

}  // namespace

CLocaleDates LocaleDatesOf(unsigned long lcid) {
  CLocaleDates l = EnglishLocaleDates();
  ReadInfo(lcid, LOCALE_SSHORTDATE, &l.short_date);
  ReadInfo(lcid, LOCALE_SLONGDATE, &l.long_date);
  ReadInfo(lcid, LOCALE_STIMEFORMAT, &l.time);
  ReadInfo(lcid, LOCALE_S1159, &l.am, true);
  ReadInfo(lcid, LOCALE_S2359, &l.pm, true);
  // The system numbers days from Monday (LOCALE_SDAYNAME1); the table starts
  // on Sunday, as the C library's weekday does.
  for (int i = 0; i < 7; ++i) {
    const int sys = (i + 6) % 7;
    ReadInfo(lcid, LOCALE_SDAYNAME1 + sys, &l.days[i]);
    ReadInfo(lcid, LOCALE_SABBREVDAYNAME1 + sys, &l.abbr_days[i]);
  }
  for (int i = 0; i < 12; ++i) {
    ReadInfo(lcid, LOCALE_SMONTHNAME1 + i, &l.months[i]);
    ReadInfo(lcid, LOCALE_SABBREVMONTHNAME1 + i, &l.abbr_months[i]);
  }
  return l;
}

const CLocaleDates& UserLocaleDates() {
  static const CLocaleDates table = LocaleDatesOf(LOCALE_USER_DEFAULT);
  return table;
}
