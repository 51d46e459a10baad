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

namespace {

// Code points of Macintosh Roman bytes 0x80-0xFF.
const uint16_t kMacRomanHaut[128] = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5,
    0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, 0x00F2, 0x00F4,
    0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6,
    0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8, 0x221E, 0x00B1, 0x2264, 0x2265,
    0x00A5, 0x00B5, 0x2202, 0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF,
    0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB, 0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5,
    0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA, 0x00FF, 0x0178, 0x2044,
    0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02, 0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, 0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9,
    0x0131, 0x02C6, 0x02DC, 0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7};

// Length of the UTF-8 sequence starting at s[i] and its code point; 0 when
// no valid sequence starts there.
size_t Utf8Sequence(const std::string& s, size_t i, uint32_t* cp) {
  const auto byte = [&s](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = byte(i);
  size_t n = 0;
  uint32_t v = 0, min = 0;
  if (b < 0x80) {
    *cp = b;
    return 1;
  }
  if (b >= 0xC2 && b <= 0xDF) n = 2, v = b & 0x1F, min = 0x80;
  else if (b >= 0xE0 && b <= 0xEF) n = 3, v = b & 0x0F, min = 0x800;
  else if (b >= 0xF0 && b <= 0xF4) n = 4, v = b & 0x07, min = 0x10000;
  else return 0;
  if (n > s.size() - i) return 0;
  for (size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    v = (v << 6) | (byte(i + k) & 0x3F);
  }
  if (v < min || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
  *cp = v;
  return n;
}

}  // namespace

std::string Utf8VersAnsi(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    uint32_t cp = 0;
    const size_t n = Utf8Sequence(utf8, i, &cp);
    out += n ? VersCp1252(cp) : '?';
    i += n ? n : 1;
  }
  return out;
}

std::string MacVersAnsi(const std::string& mac) {
  std::string out;
  out.reserve(mac.size());
  for (const char c : mac) {
    const unsigned char b = static_cast<unsigned char>(c);
    out += b < 0x80 ? c : VersCp1252(kMacRomanHaut[b - 0x80]);
  }
  return out;
}
