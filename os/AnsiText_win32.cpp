#include "os/AnsiText.h"

#include <windows.h>

#include <vector>

std::string Utf16VersAnsi(const unsigned char* bytes, size_t units, bool bigEndian) {
  if (units == 0 || units > 0x7FFFFFF) return std::string();
  std::vector<wchar_t> wide(units);
  for (size_t i = 0; i < units; ++i) {
    const unsigned a = bytes[2 * i], b = bytes[2 * i + 1];
    wide[i] = static_cast<wchar_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  }
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(units), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(units), &out[0], n, nullptr, nullptr);
  return out;
}
