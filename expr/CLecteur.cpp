#include "expr/CLecteur.h"

namespace {
constexpr long long kIntMax = 1000000000LL;
constexpr long long kDurationMax = 100000000000LL;  // about 3000 years in seconds
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

void CLecteur::SkipBlanks() {
  while (!End() && IsBlank(s_[i_])) ++i_;
}

long long CLecteur::ReadDigits() {
  long long v = 0;
  while (!End() && IsDigit(s_[i_])) {
    if (v < kDurationMax) v = v * 10 + (s_[i_] - '0');
    ++i_;
  }
  return v;
}

bool CLecteur::ReadSign(bool& neg) {
  SkipBlanks();
  neg = false;
  if (!At('+') && !At('-')) return false;
  neg = At('-');
  Next();
  SkipBlanks();
  return true;
}

void CLecteur::ReadInt(long long& v, bool& given) {
  bool neg = false;
  const bool sign = ReadSign(neg);
  if (!End() && IsDigit(Cur())) {
    long long d = ReadDigits();
    if (d > kIntMax) d = kIntMax;
    v = neg ? -d : d;
    given = true;
  } else if (sign) {
    v = 0;
    given = true;
  } else {
    given = false;
  }
  SkipBlanks();
}

bool CLecteur::ReadQuoted(std::string& out, bool& given) {
  SkipBlanks();
  given = false;
  if (!At('"')) return true;
  Next();
  out.clear();
  while (!End() && Cur() != '"') {
    if (Cur() == '\\') {
      Next();
      if (End()) return false;
    }
    out += Cur();
    Next();
  }
  if (End()) return false;
  Next();
  given = true;
  SkipBlanks();
  return true;
}

void CLecteur::ReadDuration(long long& seconds, bool& given) {
  bool neg = false;
  const bool sign = ReadSign(neg);
  if (End() || !IsDigit(Cur())) {
    given = sign;
    if (sign) seconds = 0;
    SkipBlanks();
    return;
  }
  given = true;
  long long total = 0;
  int lastUnit = -1;  // 0 h, 1 m, 2 s
  while (!End() && IsDigit(Cur())) {
    const size_t groupStart = i_;
    const long long d = ReadDigits();
    int unit = 2;
    const char c = Cur();
    if (c == 'h') unit = 0;
    else if (c == 'm') unit = 1;
    if (unit <= lastUnit) {
      // Out of order or repeated: a bare run after the seconds stops at its digits.
      if (!(c == 'h' || c == 'm' || c == 's')) i_ = groupStart;
      break;
    }
    const long long mult = unit == 0 ? 3600 : (unit == 1 ? 60 : 1);
    total += d * mult;
    if (total > kDurationMax) total = kDurationMax;
    lastUnit = unit;
    if (c == 'h' || c == 'm' || c == 's')
      Next();
    else
      break;  // a final run without unit: seconds
  }
  seconds = neg ? -total : total;
  SkipBlanks();
}
