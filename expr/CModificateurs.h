// The modifiers of a variable's value: substring, replace, array and regular
// expression. Each works in place and returns false when it fails (the
// variable's value then becomes empty and the chain stops).
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>

// Longest value a modifier may produce. Names never come near it; it keeps a
// chain of growing replacements from exhausting memory.
constexpr size_t kLongMaxValeur = 32768;

// (p) and (p,n), 1-based; hasN false for (p).
bool ModSousChaine(std::string& v, long long p, bool hasN, long long n);
// ("str1","str2",s,n,c).
bool ModRemplacer(std::string& v, const std::string& str1, const std::string& str2, long long s,
                  long long n, long long c);
// [i] and [i,"s"]: seps is the separator set.
bool ModTableau(std::string& v, long long i, const std::string& seps);

// Compiled regular expressions of one run, by pattern and case flag, so a
// pattern is compiled once per run and not once per file.
class CRegexCache {
 public:
  CRegexCache();
  ~CRegexCache();
  CRegexCache(const CRegexCache&) = delete;
  CRegexCache& operator=(const CRegexCache&) = delete;
  // Whether the pattern compiles.
  bool Compile(const std::string& pattern, bool icase);
  // (s/exp/fmt/mod): every match with global, else the first one.
  bool Remplacer(std::string& v, const std::string& pattern, bool icase, const std::string& fmt,
                 bool global);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
