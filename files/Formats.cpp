#include "files/Formats.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "os/AsciiText.h"

std::string FormatNombre(int64_t v, int size) {
  char buf[32];
  std::string digits(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
  const size_t want = static_cast<size_t>(size < 0                     ? 0
                                          : size < kTailleNombreLimite ? size
                                                                       : kTailleNombreLimite);
  if (digits.size() >= want) return digits;
  digits.insert(v < 0 ? 1 : 0, want - digits.size(), '0');
  return digits;
}

std::string FormatDeuxDecimales(double v) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
  if (r.ec != std::errc()) return std::string();
  return std::string(buf, r.ptr);
}

std::string FormatTaille(uint64_t size, char form, const CSizeUnits& units) {
  const double kK = 1024.0, kM = kK * 1024.0, kG = kM * 1024.0;
  const double d = static_cast<double>(size);
  switch (form) {
    case 'b':
      return std::to_string(size);
    case 'k':
      return FormatDeuxDecimales(d / kK);
    case 'm':
      return FormatDeuxDecimales(d / kM);
    case 'g':
      return FormatDeuxDecimales(d / kG);
    default:
      break;
  }
  if (d >= kG) return FormatDeuxDecimales(d / kG) + ' ' + units.gb;
  if (d >= kM) return FormatDeuxDecimales(d / kM) + ' ' + units.mb;
  if (d >= kK) return FormatDeuxDecimales(d / kK) + ' ' + units.kb;
  return std::to_string(size);
}

namespace {

// A conversion with a wider width or precision is refused, so that no format
// makes a text of gigabytes.
constexpr int kLargeurMax = 1024;

// Reads a run of digits at format[i]; past kLargeurMax it gives kLargeurMax + 1.
int ReadCount(const std::string& format, size_t& i) {
  int n = 0;
  while (i < format.size() && IsAsciiDigit(format[i])) {
    if (n <= kLargeurMax) n = n * 10 + (format[i] - '0');
    ++i;
  }
  return n <= kLargeurMax ? n : kLargeurMax + 1;
}

// FormatTexte, counting in *refused the conversions copied as they stand.
std::string Remplir(const std::string& format, const std::vector<CArgTexte>& args, int* refused) {
  std::string out;
  size_t next = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 >= format.size()) {
      out += format[i];
      continue;
    }
    if (format[i + 1] == '%') {
      out += '%';
      ++i;
      continue;
    }
    // %[flags][width][.precision][length]conversion
    size_t j = i + 1;
    std::string flags;
    while (j < format.size() && std::string("-+ 0#").find(format[j]) != std::string::npos)
      flags += format[j++];
    const int width = ReadCount(format, j);
    int precision = -1;
    if (j < format.size() && format[j] == '.') {
      ++j;
      precision = ReadCount(format, j);
    }
    while (j < format.size() && (format[j] == 'l' || format[j] == 'h')) ++j;
    const char conv = j < format.size() ? format[j] : '\0';
    const bool wantsNumber = conv == 'd' || conv == 'i' || conv == 'u' || conv == 'x' || conv == 'X';
    const bool wantsText = conv == 's';
    const bool bounded = width <= kLargeurMax && precision <= kLargeurMax;
    if ((!wantsNumber && !wantsText) || !bounded || next >= args.size() || args[next].IsText() != wantsText) {
      ++*refused;
      out += format[i];
      continue;
    }
    const CArgTexte& arg = args[next++];
    // The conversion is rebuilt from what was read, with the argument's own
    // type, so the call below always matches its format.
    std::string spec = "%" + flags + (width > 0 ? std::to_string(width) : "");
    if (precision >= 0) spec += "." + std::to_string(precision);
    std::vector<char> buf(static_cast<size_t>(2 * kLargeurMax + 64) + (wantsText ? arg.Text().size() : 0));
    if (wantsText) {
      spec += 's';
      std::snprintf(buf.data(), buf.size(), spec.c_str(), arg.Text().c_str());
    } else {
      spec += conv == 'd' || conv == 'i' ? "lld" : std::string("ll") + conv;
      std::snprintf(buf.data(), buf.size(), spec.c_str(), static_cast<long long>(arg.Number()));
    }
    out += buf.data();
    i = j;
  }
  return out;
}

}  // namespace

std::string FormatTexte(const std::string& format, const std::vector<CArgTexte>& args) {
  int refused = 0;
  return Remplir(format, args, &refused);
}

bool FormatComplet(const std::string& format, const std::vector<CArgTexte>& args) {
  int refused = 0;
  Remplir(format, args, &refused);
  return refused == 0;
}
