#include "ExprTestUtil.h"

#include <cstdio>

bool CTestHooks::FormatDate(FileTime t, const std::string& f, std::string& out) {
  long long secs = static_cast<long long>(t / 10000000ULL) - 11644473600LL;
  if (secs < 0) return true;
  long long days = secs / 86400, rem = secs % 86400;
  // Civil from days.
  days += 719468;
  const long long era = days / 146097;
  const long long doe = days - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  static const int cum[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const int yday = cum[m - 1] + d + (leap && m > 2 ? 1 : 0);
  out.clear();
  char buf[16];
  for (size_t i = 0; i < f.size(); ++i) {
    if (f[i] != '%' || i + 1 >= f.size()) {
      out += f[i];
      continue;
    }
    const char c = f[++i];
    switch (c) {
      case 'Y': std::snprintf(buf, sizeof buf, "%04d", y); break;
      case 'm': std::snprintf(buf, sizeof buf, "%02d", m); break;
      case 'd': std::snprintf(buf, sizeof buf, "%02d", d); break;
      case 'H': std::snprintf(buf, sizeof buf, "%02d", static_cast<int>(rem / 3600)); break;
      case 'M': std::snprintf(buf, sizeof buf, "%02d", static_cast<int>(rem / 60 % 60)); break;
      case 'S': std::snprintf(buf, sizeof buf, "%02d", static_cast<int>(rem % 60)); break;
      case 'j': std::snprintf(buf, sizeof buf, "%03d", yday); break;
      default: std::snprintf(buf, sizeof buf, "%%%c", c); break;
    }
    out += buf;
  }
  return true;
}

CFichier Fichier(const EntreeTest& t) {
  CFichier e;
  e.name = t.name;
  e.isDir = t.isDir;
  e.size = t.size;
  for (const auto& p : t.texts) e.items.text.Set(p.first, p.second);
  for (const auto& p : t.ints) e.items.ints.Set(p.first, p.second);
  for (const auto& p : t.dates) e.items.dates.Set(p.first, p.second);
  return e;
}

std::string Evaluer(const std::string& expr, const CFichier& e, const ExprOptions& o,
                    const std::string& repCourant) {
  CFichier copy = e;
  CTestHooks hooks;
  CCalculNoms calc(o, &hooks);
  calc.repCourant = repCourant;
  std::vector<CFichier*> sel{&copy};
  calc.Calculer(expr, sel);
  return copy.futureName;
}
