#include "files/CFiltre.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "os/AnsiCase.h"

namespace {

unsigned char Up(char c) { return AnsiUpper(static_cast<unsigned char>(c)); }

bool EndOfSpec(char c) { return c == '\0' || c == ';'; }

// Each star tries the rest of its pattern at every remaining position of the
// name, so k stars over a name of length n cost n^k steps if nothing is
// remembered. A nested try depends only on the star and the name position,
// a success ends the whole match, and a star whose tries all fail from
// position n on fails from every later position too: remembering that first
// failing position per star bounds the work by stars x name length.
class CMatcher {
 public:
  CMatcher(const char* filter, const char* name)
      : f_(filter), n_(name), nameLen_(std::strlen(name)) {}

  bool Run(bool nested) { return Match(0, 0, nested); }

 private:
  bool Match(size_t p, size_t n, bool nested);
  // Nested tries of the pattern after the star at `star`, from name position
  // n to the last character.
  bool TryStar(size_t star, size_t n);
  // Class at p (just after '['); moves p past the class and n past the
  // character it consumed. Returns whether the class passed.
  bool MatchClass(size_t* p, size_t* n);
  // Start of the file spec after the one p lies in, or npos when there is none;
  // escaped characters (a ';' among them) do not end a file spec.
  size_t NextSpec(size_t p, bool escaped) const;

  static constexpr size_t npos = static_cast<size_t>(-1);
  static constexpr size_t kMaxDepth = 2000;
  size_t depth_ = 0;
  const char* f_;
  const char* n_;
  size_t nameLen_;
  // Per filter position of a star: the first name position from which every
  // nested try of that star is known to fail (npos: none known yet).
  std::vector<size_t> failedFrom_;
};

size_t CMatcher::NextSpec(size_t p, bool escaped) const {
  if (escaped && f_[p] != '\0') ++p;
  while (f_[p] != '\0') {
    if (f_[p] == '\\') {
      ++p;
      if (f_[p] == '\0') break;
    } else if (f_[p] == ';') {
      return p + 1;
    }
    ++p;
  }
  return npos;
}

bool CMatcher::MatchClass(size_t* pp, size_t* pn) {
  size_t p = *pp;
  const unsigned char c = Up(n_[*pn]);
  bool negated = false;
  if (f_[p] == '!') {
    negated = true;
    ++p;
  }
  bool hit = false;
  while (!EndOfSpec(f_[p]) && f_[p] != ']') {
    if (hit) {
      ++p;
      continue;
    }
    const char x = f_[p];
    // x-y is a range unless the '-' comes right before ']' (or the file spec ends
    // there); a '-' right after '[' or '!' or before ']' is a literal
    // character, which this parse also gives since it starts no range.
    if (f_[p + 1] == '-' && f_[p + 2] != ']' && !EndOfSpec(f_[p + 2])) {
      hit = Up(x) <= c && c <= Up(f_[p + 2]);
      p += 3;
      continue;
    }
    hit = Up(x) == c;
    ++p;
  }
  if (f_[p] == ']') {
    ++p;
    ++*pn;
  }
  *pp = p;
  return hit != negated;
}

bool CMatcher::TryStar(size_t star, size_t n) {
  // Each nested level stands for one star of the filter; a filter with
  // thousands of stars in one file spec is not a file filter, and failing it
  // keeps the stack bounded.
  if (depth_ >= kMaxDepth) return false;
  if (failedFrom_.empty()) failedFrom_.assign(std::strlen(f_), npos);
  // Positions from failedFrom_[star] on are known to fail.
  const size_t limit = std::min(failedFrom_[star], nameLen_);
  ++depth_;
  bool found = false;
  for (size_t k = n; k < limit && !found; ++k) found = Match(star + 1, k, true);
  --depth_;
  if (!found && n < failedFrom_[star]) failedFrom_[star] = n;
  return found;
}

bool CMatcher::Match(size_t p, size_t n, bool nested) {
  if (f_[p] == '\0') return n_[n] == '\0';
  size_t specStart = p;
  bool escaped = false;
  for (;;) {
    const char pc = f_[p];
    bool failed = false;
    if (pc == '\0') {
      if (n_[n] == '\0') return true;
      failed = true;
    } else if (escaped) {
      // Compared below as an ordinary character.
    } else if (pc == '\\') {
      escaped = true;
      ++p;
      continue;
    } else if (pc == ';') {
      if (n_[n] == '\0') return true;
      if (nested) return false;
      failed = true;
    } else if (pc == '*') {
      const char a = f_[p + 1];
      if (EndOfSpec(a)) return true;
      if (a == '.' && EndOfSpec(f_[p + 2])) {
        if (std::strchr(n_ + n, '.') == nullptr) return true;
        failed = true;
      } else if (a == '.' && f_[p + 2] == '*' && EndOfSpec(f_[p + 3])) {
        return true;
      } else if (TryStar(p, n)) {
        return true;
      } else {
        failed = true;
      }
    } else if (pc == '?') {
      if (n_[n] == '\0') {
        failed = true;
      } else {
        ++n;
        ++p;
        continue;
      }
    } else if (pc == '[') {
      if (n_[n] == '\0') {
        failed = true;
      } else {
        ++p;
        if (MatchClass(&p, &n)) continue;
        failed = true;
      }
    } else if (pc == '.' && n_[n] == '\0' && p != specStart && f_[p + 1] == '*' &&
               EndOfSpec(f_[p + 2])) {
      // The tail of "name.*": "name" matches too.
      ++p;
      continue;
    }
    if (!failed) {
      if (n_[n] != '\0' && Up(pc) == Up(n_[n])) {
        ++p;
        ++n;
        escaped = false;
        continue;
      }
      failed = true;
    }
    // The file spec failed: a nested try simply fails, a top-level match goes on
    // with the next file spec and the whole name.
    if (nested) return false;
    const size_t next = NextSpec(p, escaped);
    if (next == npos) return false;
    p = specStart = next;
    n = 0;
    escaped = false;
  }
}

}  // namespace

bool match(const char* filter, const char* name, bool nested) {
  if (filter == nullptr || name == nullptr) return false;
  CMatcher m(filter, name);
  return m.Run(nested);
}
