#include "expr/CTexteNum.h"

#include <charconv>
#include <cstdio>

std::string FormatNombre(long long v, int size) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%0*lld", size, v);
  return buf;
}

std::string FormatDeuxDecimales(double v) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
  if (r.ec != std::errc()) return std::string();
  return std::string(buf, r.ptr);
}

std::string FormatTaille(uint64_t size, char form, const std::string& ko, const std::string& mo,
                         const std::string& go) {
  const double kK = 1024.0, kM = kK * 1024.0, kG = kM * 1024.0;
  const double d = static_cast<double>(size);
  switch (form) {
    case 'b': return std::to_string(size);
    case 'k': return FormatDeuxDecimales(d / kK);
    case 'm': return FormatDeuxDecimales(d / kM);
    case 'g': return FormatDeuxDecimales(d / kG);
    default: break;
  }
  if (d >= kG) return FormatDeuxDecimales(d / kG) + ' ' + go;
  if (d >= kM) return FormatDeuxDecimales(d / kM) + ' ' + mo;
  if (d >= kK) return FormatDeuxDecimales(d / kK) + ' ' + ko;
  return std::to_string(size);
}
