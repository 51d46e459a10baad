// Regular expressions over ANSI text: Boost.Regex in Perl syntax with the
// engine's own code page for letters.
#pragma once

#include <boost/regex.hpp>

#include "os/AnsiCase.h"

// The C++ locale traits with the engine's own code page for everything
// about letters: the i flag folds case, and \w, [[:alpha:]], [[:upper:]]...
// classify bytes from 128, as the replace modifier and the case options do.
// The classic locale alone knows no letter above 127, and the same traits
// on every platform keep the native and Win32 builds alike.
class CAnsiRegexTraits : public boost::cpp_regex_traits<char> {
  using Base = boost::cpp_regex_traits<char>;

 public:
  char translate_nocase(char c) const { return Lower(c); }
  char translate(char c) const { return c; }
  char translate(char c, bool icase) const { return icase ? Lower(c) : c; }
  char tolower(char c) const { return Lower(c); }
  char toupper(char c) const { return static_cast<char>(AnsiUpper(static_cast<unsigned char>(c))); }
  bool isctype(char c, char_class_type f) const {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 128) return Base::isctype(c, f);
    using Ct = std::ctype<char>;
    const char_class_type word = boost::BOOST_REGEX_DETAIL_NS::cpp_regex_traits_implementation<char>::mask_word;
    const char_class_type anyLetter = Ct::alpha | Ct::alnum | Ct::graph | Ct::print | word;
    if (AnsiIsLetter(u)) {
      if (f & anyLetter) return true;
      if ((f & Ct::upper) && AnsiLower(u) != u) return true;
      if ((f & Ct::lower) && AnsiUpper(u) != u) return true;
    }
    return Base::isctype(c, f & ~(anyLetter | Ct::upper | Ct::lower));
  }

 private:
  static char Lower(char c) { return static_cast<char>(AnsiLower(static_cast<unsigned char>(c))); }
};

using CAnsiRegex = boost::basic_regex<char, CAnsiRegexTraits>;
