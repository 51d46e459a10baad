// The evaluation hooks the program plugs into the expression engine: dates
// through the date formatter (local time with the rule in force at each
// date), the numbering and collision numbers, numbers and runs taken from
// the name, the random number, and the clipboard and text-file lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/CDateFormat.h"
#include "expr/CExprHooks.h"
#include "expr/CLignes.h"
#include "expr/ExprOptions.h"

// The program-wide sources of external lines, kept from run to run; the
// clipboard viewer marks the clipboard copy stale.
struct CSourcesExternes {
  CLignesPressePapier pressePapier;
  CFichiersTexte fichiersTexte;
};
CSourcesExternes& SourcesExternes();

// The selection number of the index-th selected file: start + index x step,
// padded to size; block positions override size (when 1..20), start, step.
std::string SelectionNumber(int index, const ExprOptions& o, const CBlocEntiers* b = nullptr);

// `%N` (digit runs, formatted) or `%NN` (other runs, unchanged) of `base` at
// `position` (1 the first run, -1 the last, 0 none); add and size apply to
// `%N` only.
std::string RunOfName(const std::string& base, bool nonNumeric, long long position, int64_t add, int size);

class CHooksProgramme : public CExprHooks {
 public:
  explicit CHooksProgramme(CSourcesExternes& sources = SourcesExternes()) : sources_(sources) {}

  bool FormatDate(FileTime t, const std::string& format, std::string& out) override;
  std::string Numero(const CVarContexte& c, NumVar kind, const CBlocEntiers& b) override;
  std::string NombreNom(const CVarContexte& c, bool nonNumeric, int digit, const CBlocEntiers& b) override;
  std::string Aleatoire(const CVarContexte& c) override;
  std::string LignePressePapier(const CVarContexte& c, int digit) override;
  std::string LigneTexte(const CVarContexte& c, int digit, const std::string* file) override;

 private:
  // For each selection index, the number of earlier selected entries in the
  // same directory (`%np`), computed once per selection.
  int PathIndex(const CVarContexte& c);
  std::string Collision(const CVarContexte& c, NumVar kind, const CBlocEntiers& b) const;

  CSourcesExternes& sources_;
  CDateFormat format_;
  const std::vector<CFichier*>* pathSelection_ = nullptr;
  std::vector<int> pathIndex_;
};
