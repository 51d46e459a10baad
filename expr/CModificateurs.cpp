#include "expr/CModificateurs.h"

#include "expr/CAnsiRegex.h"
#include "os/AnsiCase.h"

namespace {

bool IsWhite(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

bool SameChar(char a, char b, bool caseSensitive) {
  if (caseSensitive) return a == b;
  return AnsiUpper(static_cast<unsigned char>(a)) == AnsiUpper(static_cast<unsigned char>(b));
}

bool MatchAt(const std::string& v, size_t pos, const std::string& pat, bool cs) {
  for (size_t k = 0; k < pat.size(); ++k)
    if (!SameChar(v[pos + k], pat[k], cs)) return false;
  return true;
}

// First occurrence starting at or after from.
size_t FindForward(const std::string& v, size_t from, const std::string& pat, bool cs) {
  if (pat.size() > v.size()) return std::string::npos;
  for (size_t p = from; p <= v.size() - pat.size(); ++p)
    if (MatchAt(v, p, pat, cs)) return p;
  return std::string::npos;
}

// Last occurrence ending at or before limit.
size_t FindBackward(const std::string& v, size_t limit, const std::string& pat, bool cs) {
  if (pat.size() > limit) return std::string::npos;
  for (size_t p = limit - pat.size() + 1; p-- > 0;)
    if (MatchAt(v, p, pat, cs)) return p;
  return std::string::npos;
}


}  // namespace

bool ModSousChaine(std::string& v, long long p, bool hasN, long long n) {
  const long long len = static_cast<long long>(v.size());
  if (p < 0) p += len + 1;
  if (p <= 0) {
    v.clear();
    return true;
  }
  const long long start = p > len ? len : p - 1;
  const long long remain = len - start;
  long long count = remain;
  if (hasN) {
    count = n < 0 ? len + n - start : n;
    if (count < 0) count = 0;
    if (count > remain) count = remain;
  }
  v = v.substr(static_cast<size_t>(start), static_cast<size_t>(count));
  return true;
}

bool ModRemplacer(std::string& v, const std::string& str1, const std::string& str2, long long s,
                  long long n, long long c) {
  if (str1.empty() || s == 0 || n == 0) return true;
  const bool cs = c != 0;
  size_t pos = std::string::npos;
  if (s > 0) {
    size_t from = 0;
    for (long long k = 0; k < s; ++k) {
      pos = FindForward(v, from, str1, cs);
      if (pos == std::string::npos) return true;
      from = pos + str1.size();
    }
  } else {
    size_t limit = v.size();
    for (long long k = 0; k < -s; ++k) {
      pos = FindBackward(v, limit, str1, cs);
      if (pos == std::string::npos) return true;
      limit = pos;
    }
  }
  long long done = 0;
  while (pos != std::string::npos) {
    v.replace(pos, str1.size(), str2);
    if (v.size() > kLongMaxValeur) return false;
    ++done;
    if (n > 0 && done >= n) break;
    pos = FindForward(v, pos + str2.size(), str1, cs);
  }
  return true;
}

bool ModTableau(std::string& v, long long i, const std::string& seps) {
  if (i == 0) {
    const size_t a = v.find_first_not_of(' ');
    if (a == std::string::npos) {
      v.clear();
      return true;
    }
    v = v.substr(a, v.find_last_not_of(' ') - a + 1);
    return true;
  }
  bool sep[256] = {};
  for (unsigned char ch : seps) sep[ch] = true;
  auto isSep = [&](size_t k) { return sep[static_cast<unsigned char>(v[k])]; };
  const size_t len = v.size();
  size_t start = 0;
  if (i > 0) {
    long long found = 0;
    size_t k = 0;
    for (; k < len && found < i - 1; ++k)
      if (isSep(k)) ++found;
    if (found < i - 1) {
      v.clear();
      return true;
    }
    // k is just after the (i-1)-th separator; at len when it was the last character.
    if (i > 1 && k >= len) {
      v.clear();
      return true;
    }
    start = k;
  } else {
    // Backwards from the end. A separator in the very first position counts
    // like any other, so the element after it is the one taken.
    const long long want = -i;
    long long found = 0;
    size_t k = len;
    bool located = false;
    while (k > 0) {
      --k;
      if (isSep(k) && ++found == want) {
        start = k + 1;
        located = true;
        break;
      }
    }
    if (!located) {
      if (found != want - 1) {
        v.clear();
        return true;
      }
      start = 0;
    }
  }
  while (start < len && IsWhite(v[start])) ++start;
  if (start >= len) return false;
  size_t end = start;
  while (end < len && !isSep(end)) ++end;
  while (end > start && IsWhite(v[end - 1])) --end;
  v = v.substr(start, end - start);
  return true;
}

struct CRegexCache::Impl {
  // A null entry remembers a pattern that does not compile.
  std::map<std::string, std::unique_ptr<CAnsiRegex>> compiled;

  const CAnsiRegex* Get(const std::string& pattern, bool icase) {
    std::string key;
    key.reserve(pattern.size() + 1);
    key += icase ? 'i' : 'c';
    key += pattern;
    auto it = compiled.find(key);
    if (it != compiled.end()) return it->second.get();
    std::unique_ptr<CAnsiRegex> re;
    try {
      const boost::regex_constants::syntax_option_type flags =
          icase ? (boost::regex_constants::perl | boost::regex_constants::icase) : boost::regex_constants::perl;
      re.reset(new CAnsiRegex(pattern, flags));
    } catch (...) {
      re.reset();
    }
    const CAnsiRegex* result = re.get();
    compiled.emplace(std::move(key), std::move(re));
    return result;
  }
};

CRegexCache::CRegexCache() : impl_(new Impl) {}
CRegexCache::~CRegexCache() = default;

bool CRegexCache::Compile(const std::string& pattern, bool icase) {
  return impl_->Get(pattern, icase) != nullptr;
}

bool CRegexCache::Remplacer(std::string& v, const std::string& pattern, bool icase,
                            const std::string& fmt, bool global) {
  const CAnsiRegex* re = impl_->Get(pattern, icase);
  if (!re) return false;
  try {
    const boost::regex_constants::match_flag_type flags =
        global ? boost::regex_constants::format_all
               : (boost::regex_constants::format_all | boost::regex_constants::format_first_only);
    std::string result = boost::regex_replace(v, *re, fmt, flags);
    if (result.size() > kLongMaxValeur) return false;
    v.swap(result);
    return true;
  } catch (...) {
    // Too complex a match, a bad format or no memory: the modifier fails.
    return false;
  }
}
