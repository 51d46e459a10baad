// The one home of the texts the program formats, independent of the C
// locale: zero-padded numbers, two decimals, file sizes, and the messages
// made from the text table's printf-style formats.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The longest text an expression produces; no number is padded past it, so
// that no size read from a file exhausts memory.
constexpr int kTailleNombreLimite = 32768;

// "%0*d": the decimal value, with its sign, padded with zeros on the left to
// size characters (the sign counts), at most kTailleNombreLimite.
std::string FormatNombre(int64_t v, int size);
// Two decimals with a decimal point ("%.2lf").
std::string FormatDeuxDecimales(double v);

// Unit texts of the current language ("KB", "MB", "GB" or "Ko", "Mo", "Go").
struct CSizeUnits {
  std::string kb = "KB";
  std::string mb = "MB";
  std::string gb = "GB";
};
// A file size: form 'b' the bytes, 'k' 'm' 'g' two decimals in that unit
// without the unit text; 0 the automatic form, the bytes below 1024, else two
// decimals and the unit text of KB, MB or GB.
std::string FormatTaille(uint64_t size, char form, const CSizeUnits& units);

// One argument of a text-table format: a number or a text.
class CArgTexte {
 public:
  CArgTexte(int64_t n) : isText_(false), n_(n) {}  // NOLINT: numbers convert as they do for printf
  CArgTexte(int n) : isText_(false), n_(n) {}      // NOLINT
  CArgTexte(size_t n) : isText_(false), n_(static_cast<int64_t>(n)) {}  // NOLINT
  CArgTexte(const char* s) : isText_(true), s_(s ? s : "") {}           // NOLINT
  CArgTexte(const std::string& s) : isText_(true), s_(s) {}             // NOLINT
  bool IsText() const { return isText_; }
  int64_t Number() const { return n_; }
  const std::string& Text() const { return s_; }

 private:
  bool isText_;
  int64_t n_ = 0;
  std::string s_;
};

// Fills a printf-style format from the text table (a translation may hold
// anything). Each conversion takes the next argument when their kinds agree:
// d, i, u, x, X a number, s a text, with flags, width and precision; %% gives
// '%'. A conversion of the wrong kind, or with no argument left, is copied as
// it stands, and an argument it would have taken goes to the next one, so no
// format ever reads an argument it was not given.
std::string FormatTexte(const std::string& format, const std::vector<CArgTexte>& args);
// Whether FormatTexte fills every conversion of format from args, none copied
// as it stands: the check of the text table's formats against their callers.
bool FormatComplet(const std::string& format, const std::vector<CArgTexte>& args);
