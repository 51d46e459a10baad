// Character classes and trimming over byte strings, by ASCII rules only, so
// that every reader, check and clean-up of the program agrees on them.
#pragma once

#include <string>

constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
// White space: space, tab, CR, LF, vertical tab and form feed.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// s without the characters of `chars` at both ends: the command line and the
// configuration's /I trim spaces only, what the user types spaces and tabs.
inline std::string Trim(const std::string& s, const char* chars) {
  const size_t b = s.find_first_not_of(chars);
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(chars) - b + 1);
}
