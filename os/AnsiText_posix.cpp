#include "os/AnsiText.h"

namespace {
// Code points of Windows-1252 bytes 0x80-0x9F (0 where the byte is unused
// and maps to the same C1 control code point).
const uint16_t kCp1252Haut[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char VersCp1252(uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i) {
    const uint32_t mapped = kCp1252Haut[i] ? kCp1252Haut[i] : 0x80u + static_cast<uint32_t>(i);
    if (mapped == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}
}  // namespace

std::string Utf16VersAnsi(const unsigned char* bytes, size_t units, bool bigEndian) {
  std::string out;
  out.reserve(units);
  for (size_t i = 0; i < units; ++i) {
    const unsigned a = bytes[2 * i], b = bytes[2 * i + 1];
    const uint32_t u = bigEndian ? (a << 8) | b : (b << 8) | a;
    // A surrogate pair stands for one character outside the code page.
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
      const unsigned c = bytes[2 * i + 2], d = bytes[2 * i + 3];
      const uint32_t low = bigEndian ? (c << 8) | d : (d << 8) | c;
      if (low >= 0xDC00 && low <= 0xDFFF) ++i;
    }
    out += VersCp1252(u);
  }
  return out;
}
