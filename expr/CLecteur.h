// Forward-only reading of an expression: the positions of parameter blocks
// and modifiers (integers, quoted strings, durations). Each read stops on the
// first character it cannot take; the caller decides whether that character
// closes the construct or makes it malformed.
#pragma once

#include <cstddef>
#include <string>

class CLecteur {
 public:
  CLecteur(const std::string& s, size_t pos) : s_(s), i_(pos) {}
  bool End() const { return i_ >= s_.size(); }
  char Cur() const { return End() ? '\0' : s_[i_]; }
  bool At(char c) const { return !End() && s_[i_] == c; }
  size_t Pos() const { return i_; }
  void Next() {
    if (!End()) ++i_;
  }
  void SetPos(size_t p) { i_ = p < s_.size() ? p : s_.size(); }
  // Where the top level resumes after a malformed construct: just after the
  // character the reading stopped on.
  size_t ResumePos() const { return End() ? s_.size() : i_ + 1; }

  void SkipBlanks();
  // Integer position: blanks, sign, blanks, digits, blanks. given is false
  // when neither sign nor digit was written (the default stays); a sign alone
  // gives 0. Values are clamped to +-1e9.
  void ReadInt(long long& v, bool& given);
  // Quoted-string position. Returns false when the expression ends inside
  // the string. given is false (and the position stays on the character
  // found) when the position does not begin with a double quote.
  bool ReadQuoted(std::string& out, bool& given);
  // Duration, by the same rules as the `ajo` option (LireDuree): [sign]
  // digits with h, m, s units in that order, a final run of digits counting
  // as seconds. given is false (seconds untouched) when no digit nor sign was
  // written. Stops on a unit out of order or repeated, or any other letter.
  void ReadDuration(long long& seconds, bool& given);

 private:
  long long ReadDigits();
  // Blanks, an optional sign and blanks; true when a sign was written.
  bool ReadSign(bool& neg);
  const std::string& s_;
  size_t i_;
};
