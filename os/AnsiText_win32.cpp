#include "os/AnsiText.h"

#include <windows.h>

#include <vector>

namespace {

std::string WideToAnsi(const wchar_t* wide, int units) {
  const int n = WideCharToMultiByte(CP_ACP, 0, wide, units, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, units, &out[0], n, nullptr, nullptr);
  return out;
}

// The Macintosh Roman code page, whatever the system's own Macintosh page.
constexpr UINT kMacRoman = 10000;

std::string CodePageToAnsi(UINT codePage, const std::string& text) {
  if (text.empty() || text.size() > 0x7FFFFFF) return std::string();
  const int size = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  if (units <= 0) return std::string();
  std::vector<wchar_t> wide(static_cast<size_t>(units));
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), units);
  return WideToAnsi(wide.data(), units);
}

}  // namespace

std::string Utf8VersAnsi(const std::string& utf8) { return CodePageToAnsi(CP_UTF8, utf8); }
std::string MacVersAnsi(const std::string& mac) { return CodePageToAnsi(kMacRoman, mac); }

std::string Utf16VersAnsi(const unsigned char* bytes, size_t units, bool bigEndian) {
  if (units == 0 || units > 0x7FFFFFF) return std::string();
  std::vector<wchar_t> wide(units);
  for (size_t i = 0; i < units; ++i) {
    const unsigned a = bytes[2 * i], b = bytes[2 * i + 1];
    wide[i] = static_cast<wchar_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  }
  return WideToAnsi(wide.data(), static_cast<int>(units));
}
