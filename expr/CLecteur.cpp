#include "expr/CLecteur.h"

#include "files/CDateFormat.h"
#include "os/AsciiText.h"

namespace {
constexpr long long kIntMax = 1000000000LL;
}  // namespace

void CLecteur::SkipBlanks() {
  while (!End() && IsBlank(s_[i_])) ++i_;
}

long long CLecteur::ReadDigits() {
  long long v = 0;
  while (!End() && IsAsciiDigit(s_[i_])) {
    if (v <= kIntMax) v = v * 10 + (s_[i_] - '0');
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
  if (!End() && IsAsciiDigit(Cur())) {
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
  const CDuree d = LireDuree(s_, i_);
  i_ = d.fin;
  given = d.lue;
  if (given) seconds = d.secondes;
}
