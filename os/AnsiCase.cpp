#ifdef _WIN32
#include <windows.h>
#endif

#include "os/AnsiCase.h"

namespace {

struct CaseTables {
  unsigned char upper[256];
  unsigned char lower[256];
  bool letter[256];
};

// Windows-1252: the letters of 0x8A/0x9A, 0x8C/0x9C, 0x8E/0x9E, 0x9F/0xFF and
// 0xC0-0xDE/0xE0-0xFE (except the multiplication and division signs).
CaseTables BuildCp1252() {
  CaseTables t;
  for (int i = 0; i < 256; ++i) t.upper[i] = t.lower[i] = static_cast<unsigned char>(i);
  for (int c = 'a'; c <= 'z'; ++c) {
    t.upper[c] = static_cast<unsigned char>(c - 32);
    t.lower[c - 32] = static_cast<unsigned char>(c);
  }
  const int pairs[][2] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};
  for (const auto& p : pairs) {
    t.upper[p[1]] = static_cast<unsigned char>(p[0]);
    t.lower[p[0]] = static_cast<unsigned char>(p[1]);
  }
  for (int c = 0xE0; c <= 0xFE; ++c) {
    if (c == 0xF7) continue;
    t.upper[c] = static_cast<unsigned char>(c - 32);
    t.lower[c - 32] = static_cast<unsigned char>(c);
  }
  // Letters: those with a case, plus the ones without (f with hook, the
  // modifier circumflex, the ordinal indicators, micro sign, sharp s).
  for (int i = 0; i < 256; ++i) t.letter[i] = t.upper[i] != i || t.lower[i] != i;
  for (int c : {0x83, 0x88, 0xAA, 0xB5, 0xBA, 0xDF}) t.letter[c] = true;
  return t;
}

const CaseTables& Cp1252Tables() {
  static const CaseTables tables = BuildCp1252();
  return tables;
}

#ifdef _WIN32
// The system's casing of a byte string in place, made as the window library
// makes it (to UTF-16 through the ANSI code page, cased in the user's locale,
// back again) but through the kernel alone: a run that never opens a window
// then never loads the window library. False when a conversion fails.
bool SystemUpperOrLower(char* text, int n, DWORD mapFlag) {
  WCHAR wide[128];
  const int nw = MultiByteToWideChar(CP_ACP, 0, text, n, wide, 128);
  if (nw <= 0) return false;
  if (LCMapStringW(LOCALE_USER_DEFAULT, mapFlag, wide, nw, wide, nw) != nw) return false;
  return WideCharToMultiByte(CP_ACP, 0, wide, nw, text, n, nullptr, nullptr) > 0;
}

bool SystemIsLetter(char c) {
  WCHAR wide;
  WORD type = 0;
  if (MultiByteToWideChar(CP_ACP, 0, &c, 1, &wide, 1) != 1) return false;
  return GetStringTypeW(CT_CTYPE1, &wide, 1, &type) && (type & C1_ALPHA) != 0;
}
#endif

CaseTables BuildSystem() {
  CaseTables t = Cp1252Tables();
#ifdef _WIN32
  // Only bytes from 128 come from the system: below that the C rule holds.
  char up[128], low[128];
  for (int i = 0; i < 128; ++i) up[i] = low[i] = static_cast<char>(128 + i);
  if (!SystemUpperOrLower(up, 128, LCMAP_UPPERCASE) || !SystemUpperOrLower(low, 128, LCMAP_LOWERCASE))
    return t;
  for (int i = 0; i < 128; ++i) {
    t.upper[128 + i] = static_cast<unsigned char>(up[i]);
    t.lower[128 + i] = static_cast<unsigned char>(low[i]);
    t.letter[128 + i] = SystemIsLetter(static_cast<char>(128 + i));
  }
#endif
  return t;
}

const CaseTables& Tables() {
  static const CaseTables tables = BuildSystem();
  return tables;
}

}  // namespace

unsigned char AnsiUpper(unsigned char c) { return Tables().upper[c]; }
unsigned char AnsiLower(unsigned char c) { return Tables().lower[c]; }
bool AnsiIsLetter(unsigned char c) { return Tables().letter[c]; }
bool Cp1252IsLetter(unsigned char c) { return Cp1252Tables().letter[c]; }
unsigned char Cp1252Upper(unsigned char c) { return Cp1252Tables().upper[c]; }
unsigned char Cp1252Lower(unsigned char c) { return Cp1252Tables().lower[c]; }

void AnsiUpperInPlace(std::string& s) {
  for (char& c : s) c = static_cast<char>(AnsiUpper(static_cast<unsigned char>(c)));
}

std::string AnsiUpperCopy(std::string s) {
  AnsiUpperInPlace(s);
  return s;
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
