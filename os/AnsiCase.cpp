#include "os/AnsiCase.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

struct CaseTables {
  unsigned char upper[256];
  unsigned char lower[256];
  CaseTables() {
#ifdef _WIN32
    char up[256], low[256];
    for (int i = 0; i < 256; ++i) up[i] = low[i] = static_cast<char>(i);
    // Byte 0 is left alone: the system functions stop at nothing here since
    // a length is given, but NUL maps to itself anyway.
    CharUpperBuffA(up + 1, 255);
    CharLowerBuffA(low + 1, 255);
    for (int i = 0; i < 256; ++i) {
      upper[i] = static_cast<unsigned char>(up[i]);
      lower[i] = static_cast<unsigned char>(low[i]);
    }
#else
    for (int i = 0; i < 256; ++i) upper[i] = lower[i] = static_cast<unsigned char>(i);
    for (int c = 'a'; c <= 'z'; ++c) {
      upper[c] = static_cast<unsigned char>(c - 32);
      lower[c - 32] = static_cast<unsigned char>(c);
    }
    // Windows-1252: the letters of 0x8A/0x9A, 0x8C/0x9C, 0x8E/0x9E, 0x9F/0xFF and
    // 0xC0-0xDE/0xE0-0xFE (except the multiplication and division signs).
    const int pairs[][2] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};
    for (const auto& p : pairs) {
      upper[p[1]] = static_cast<unsigned char>(p[0]);
      lower[p[0]] = static_cast<unsigned char>(p[1]);
    }
    for (int c = 0xE0; c <= 0xFE; ++c) {
      if (c == 0xF7) continue;
      upper[c] = static_cast<unsigned char>(c - 32);
      lower[c - 32] = static_cast<unsigned char>(c);
    }
#endif
  }
};

const CaseTables& Tables() {
  static const CaseTables tables;
  return tables;
}

}  // namespace

unsigned char AnsiUpper(unsigned char c) { return Tables().upper[c]; }
unsigned char AnsiLower(unsigned char c) { return Tables().lower[c]; }

void AnsiUpperInPlace(std::string& s) {
  for (char& c : s) c = static_cast<char>(AnsiUpper(static_cast<unsigned char>(c)));
}

void AnsiLowerInPlace(std::string& s) {
  for (char& c : s) c = static_cast<char>(AnsiLower(static_cast<unsigned char>(c)));
}

int AnsiCompareNoCase(const char* a, size_t na, const char* b, size_t nb) {
  const size_t n = na < nb ? na : nb;
  for (size_t i = 0; i < n; ++i) {
    const int ca = AnsiUpper(static_cast<unsigned char>(a[i]));
    const int cb = AnsiUpper(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca - cb;
  }
  return na < nb ? -1 : (na > nb ? 1 : 0);
}
