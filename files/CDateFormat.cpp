#include "files/CDateFormat.h"

#include "files/Formats.h"
#include "os/AsciiText.h"

#include <cstdio>

namespace {

// The derived fields the C library's broken-down time carries.
struct Derived {
  int wday;  // 0 = Sunday
  int yday;  // 0-365
};

Derived Derive(const CTempsLocal& t) {
  const int64_t days = DaysFromCivil(t.year, t.month, t.day);
  Derived d;
  d.wday = static_cast<int>(((days % 7) + 7 + 4) % 7);  // 1970-01-01 was a Thursday
  d.yday = static_cast<int>(days - DaysFromCivil(t.year, 1, 1));
  return d;
}

// Number of repetitions of s[i] from i.
size_t RunLength(const std::string& s, size_t i) {
  size_t n = 1;
  while (n <= s.size() - i - 1 && s[i + n] == s[i]) ++n;
  return n;
}

// Expands a Win32 date or time picture ("M/d/yyyy", "h:mm:ss tt").
void AppendPicture(std::string& out, const std::string& pic, const CTempsLocal& t,
                   const Derived& d, const CLocaleDates& loc) {
  size_t i = 0;
  while (i < pic.size()) {
    const char c = pic[i];
    if (c == '\'' && i + 1 < pic.size() && pic[i + 1] == '\'') {
      out += '\'';  // two quotes in a row give one quote
      i += 2;
      continue;
    }
    if (c == '\'') {
      // Quoted text, up to the next lone quote (or the end).
      ++i;
      while (i < pic.size()) {
        if (pic[i] == '\'') {
          if (i + 1 < pic.size() && pic[i + 1] == '\'') {
            out += '\'';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        out += pic[i++];
      }
      continue;
    }
    const size_t n = RunLength(pic, i);
    const int w = n >= 2 ? 2 : 1;
    const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    const std::string& ampm = t.hour < 12 ? loc.am : loc.pm;
    switch (c) {
      case 'd':
        if (n <= 2) out += FormatNombre(t.day, w);
        else out += n == 3 ? loc.abbr_days[d.wday] : loc.days[d.wday];
        break;
      case 'M':
        if (n <= 2) out += FormatNombre(t.month, w);
        else out += n == 3 ? loc.abbr_months[t.month - 1] : loc.months[t.month - 1];
        break;
      case 'y':
        if (n <= 2) out += FormatNombre(t.year % 100, w);
        else out += FormatNombre(t.year, 1);
        break;
      case 'g':
        break;  // era: the Gregorian calendar has none worth writing
      case 'h': out += FormatNombre(hour12, w); break;
      case 'H': out += FormatNombre(t.hour, w); break;
      case 'm': out += FormatNombre(t.minute, w); break;
      case 's': out += FormatNombre(t.second, w); break;
      case 't':
        if (n == 1) out += ampm.substr(0, 1);
        else out += ampm;
        break;
      default:
        out.append(n, c);
        break;
    }
    i += n;
  }
}

}  // namespace

CDateFormat::CDateFormat() : locale_(&UserLocaleDates()) {}
CDateFormat::CDateFormat(const CLocaleDates& locale) : locale_(&locale) {}

std::string CDateFormat::FormaterChamps(const CTempsLocal& t, const std::string& format) const {
  if (format.empty() || t.year < 1970) return std::string();
  const Derived d = Derive(t);
  const CLocaleDates& loc = *locale_;
  std::string out;
  size_t i = 0;
  while (i < format.size()) {
    const char c = format[i];
    if (c != '%') {
      out += c;
      ++i;
      continue;
    }
    const size_t start = i++;
    const bool alt = i < format.size() && format[i] == '#';
    if (alt) ++i;
    if (i >= format.size()) {
      // A lone `%` (or `%#`) at the end is kept as written.
      out.append(format, start, std::string::npos);
      break;
    }
    const char conv = format[i++];
    const int w2 = alt ? 1 : 2;
    switch (conv) {
      case 'a': out += loc.abbr_days[d.wday]; break;
      case 'A': out += loc.days[d.wday]; break;
      case 'b': out += loc.abbr_months[t.month - 1]; break;
      case 'B': out += loc.months[t.month - 1]; break;
      case 'c':
        AppendPicture(out, alt ? loc.long_date : loc.short_date, t, d, loc);
        out += ' ';
        AppendPicture(out, loc.time, t, d, loc);
        break;
      case 'x': AppendPicture(out, alt ? loc.long_date : loc.short_date, t, d, loc); break;
      case 'X': AppendPicture(out, loc.time, t, d, loc); break;
      case 'd': out += FormatNombre(t.day, w2); break;
      case 'H': out += FormatNombre(t.hour, w2); break;
      case 'I': out += FormatNombre(t.hour % 12 == 0 ? 12 : t.hour % 12, w2); break;
      case 'j': out += FormatNombre(d.yday + 1, alt ? 1 : 3); break;
      case 'm': out += FormatNombre(t.month, w2); break;
      case 'M': out += FormatNombre(t.minute, w2); break;
      case 'S': out += FormatNombre(t.second, w2); break;
      case 'p': out += t.hour < 12 ? loc.am : loc.pm; break;
      case 'U': out += FormatNombre((d.yday + 7 - d.wday) / 7, w2); break;
      case 'W': out += FormatNombre((d.yday + 7 - (d.wday + 6) % 7) / 7, w2); break;
      case 'w': out += FormatNombre(d.wday, 1); break;
      case 'y': out += FormatNombre(t.year % 100, w2); break;
      case 'Y': out += FormatNombre(t.year, alt ? 1 : 4); break;
      case 'z':
      case 'Z': out += TimeZoneName(t.dst); break;
      case '%': out += '%'; break;
      default:
        // Not a conversion: copied as written, so a stray `%` stays visible.
        out.append(format, start, i - start);
        break;
    }
    if (out.size() > kDateTexteMax) return std::string();
  }
  if (out.size() > kDateTexteMax) return std::string();
  return out;
}

std::string CDateFormat::Formater(FileTime ft, const std::string& format) const {
  if (format.empty()) return std::string();
  CTempsLocal t;
  if (FileTimeToLocalTime(ft, &t) != 0) return std::string();
  return FormaterChamps(t, format);
}

int DecalerDate(FileTime ft, int64_t secondes, FileTime* out) {
  if (ft == 0 || ft > kFileTimeMax) return -1;
  const int64_t span = static_cast<int64_t>(kFileTimeMax / kFileTimeTicksPerSecond);
  if (secondes > span || secondes < -span) return -1;
  const int64_t delta = secondes * kFileTimeTicksPerSecond;
  const int64_t base = static_cast<int64_t>(ft);
  if (delta > 0 && base > static_cast<int64_t>(kFileTimeMax) - delta) return -1;
  const int64_t r = base + delta;  // cannot overflow below: base > 0, |delta| < 2^63
  if (r <= 0) return -1;
  *out = static_cast<FileTime>(r);
  return 0;
}

namespace {

size_t SkipBlanks(const std::string& s, size_t pos) {
  while (pos < s.size() && IsBlank(s[pos])) ++pos;
  return pos;
}

// total + v × unit, clamped to kDureeLimite.
int64_t AddClamped(int64_t total, int64_t v, int64_t unit, bool* clamped) {
  if (v > (kDureeLimite - total) / unit) {
    *clamped = true;
    return kDureeLimite;
  }
  return total + v * unit;
}

}  // namespace

CDuree LireDuree(const std::string& texte, size_t pos) {
  CDuree r;
  size_t i = SkipBlanks(texte, pos < texte.size() ? pos : texte.size());
  bool negatif = false;
  if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) {
    negatif = texte[i] == '-';
    r.lue = true;
    i = SkipBlanks(texte, i + 1);
  }
  if (i >= texte.size() || !IsAsciiDigit(texte[i])) {
    r.fin = i;
    return r;  // no digits: the default stays, or 0 after a sign
  }
  r.lue = true;
  int64_t total = 0;
  int rang = 0;  // last unit used: 1 h, 2 m, 3 s
  while (i < texte.size() && IsAsciiDigit(texte[i])) {
    const size_t debut = i;
    int64_t v = 0;
    while (i < texte.size() && IsAsciiDigit(texte[i])) {
      if (v <= kDureeLimite) v = v * 10 + (texte[i] - '0');
      ++i;
    }
    const char u = i < texte.size() ? texte[i] : '\0';
    int unite = u == 'h' ? 1 : u == 'm' ? 2 : u == 's' ? 3 : 0;
    if (unite == 0 && ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z'))) {
      r.fin = i;  // another letter: not a group, the reading stops on it
      r.secondes = negatif ? -total : total;
      return r;
    }
    const bool nue = unite == 0;  // final digits without a unit: seconds
    if (nue) unite = 3;
    if (unite <= rang) {
      // Out of order or repeated: stop on the unit letter, or on the bare
      // digits that would repeat the seconds.
      r.fin = nue ? debut : i;
      r.secondes = negatif ? -total : total;
      return r;
    }
    total = AddClamped(total, v, unite == 1 ? 3600 : unite == 2 ? 60 : 1, &r.limitee);
    rang = unite;
    if (nue) break;
    ++i;
  }
  r.fin = SkipBlanks(texte, i);
  r.secondes = negatif ? -total : total;
  return r;
}

int LireDureeOption(const std::string& texte, int* secondes) {
  const CDuree d = LireDuree(texte, 0);
  if (d.fin != texte.size()) return -1;
  if (d.limitee || d.secondes > 2147483647LL || d.secondes < -2147483648LL) return -2;
  *secondes = static_cast<int>(d.secondes);
  return 0;
}

std::string AfficherDuree(int64_t secondes) {
  const char signe = secondes < 0 ? '-' : '+';
  // Magnitude as unsigned so that the most negative value does not overflow.
  const uint64_t m = secondes < 0 ? 0 - static_cast<uint64_t>(secondes) : static_cast<uint64_t>(secondes);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%c%lluh%02um%02us", signe, static_cast<unsigned long long>(m / 3600),
                static_cast<unsigned>(m / 60 % 60), static_cast<unsigned>(m % 60));
  return buf;
}
