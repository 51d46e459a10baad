// Entries, hooks and a one-call evaluation for the expression tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "expr/CCalculNoms.h"
#include "expr/CExprHooks.h"
#include "expr/ExprOptions.h"
#include "files/CFichier.h"

// File time of a UTC calendar date (proleptic Gregorian, days from civil).
inline FileTime Ft(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  y -= mo <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long long days = era * 146097 + doe - 719468;
  const long long secs = days * 86400 + h * 3600 + mi * 60 + s;
  return static_cast<FileTime>((secs + 11644473600LL) * 10000000LL);
}

// Hooks that show what the parser handed over, and a small UTC formatter
// for %Y %m %d %H %M %S %j so the date grammar can be checked end to end.
class CTestHooks : public CExprHooks {
 public:
  static std::string Bloc(const CBlocEntiers& b, int count) {
    if (!b.present) return "";
    std::string s = "{";
    for (int k = 0; k < count; ++k) {
      if (k) s += ',';
      s += b.given[k] ? std::to_string(b.v[k]) : "-";
    }
    return s + "}";
  }
  std::string Numero(const CVarContexte& c, NumVar kind, const CBlocEntiers& b) override {
    if (kind == kNumColl && c.selection) {
      // Earlier entries whose future name begins with the prefix.
      int count = 0;
      for (int k = 0; k < c.selIndex; ++k)
        if ((*c.selection)[k]->futureName.compare(0, c.prefix.size(), c.prefix) == 0) ++count;
      return std::to_string(count);
    }
    return "n" + std::to_string(static_cast<int>(kind)) + Bloc(b, kind == kNumTotal ? 1 : 3);
  }
  std::string NombreNom(const CVarContexte& c, bool nonNumeric, int digit, const CBlocEntiers& b) override {
    return std::string(nonNumeric ? "NN" : "N") + std::to_string(digit) + Bloc(b, nonNumeric ? 1 : 3);
  }
  std::string Aleatoire(const CVarContexte&) override { return "R"; }
  std::string LignePressePapier(const CVarContexte& c, int digit) override {
    return "line" + std::to_string(digit < 0 ? c.selIndex + 1 : digit);
  }
  std::string LigneTexte(const CVarContexte&, int digit, const std::string* file) override {
    return "T" + std::to_string(digit) + (file ? "<" + *file + ">" : "");
  }
  bool FormatDate(FileTime t, const std::string& f, std::string& out) override;
};

struct EntreeTest {
  EntreeTest() = default;
  explicit EntreeTest(std::string n) : name(std::move(n)) {}
  std::string name = "autoexec.bat";
  bool isDir = false;
  uint64_t size = 0;
  std::vector<std::pair<int, std::string>> texts;
  std::vector<std::pair<int, int64_t>> ints;
  std::vector<std::pair<int, FileTime>> dates;
};

CFichier Fichier(const EntreeTest& t);

// Evaluates the whole expression (all segments) on one entry.
std::string Evaluer(const std::string& expr, const CFichier& e, const ExprOptions& o = ExprOptions(),
                    const std::string& repCourant = "C:\\dir");
