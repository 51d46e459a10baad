// printf-style formatting into a std::string, for the value texts of the
// format readers ("F%0.1lf", "%um", "1%s%us").
#pragma once

#include <cstdarg>
#include <cstdio>
#include <string>

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
inline std::string Printf(const char* format, ...) {
  char buf[512];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  if (n < 0) return std::string();
  return std::string(buf, static_cast<size_t>(n) < sizeof buf ? static_cast<size_t>(n) : sizeof buf - 1);
}
