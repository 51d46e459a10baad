// The variables whose value comes from outside one entry's items: numbering
// and collisions, numbers taken from the name, the random number, clipboard
// and text-file lines, and date formatting. The parser reads their syntax
// (digits, parameter blocks) and hands the values read to these hooks, so
// the grammar stays in one place and each feature plugs in its own logic.
// The base class yields empty text for each.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/CFichier.h"

struct ExprOptions;
class CCollision;

// The integer positions of a parameter block ({p,s,i}, {p,v,n}, {p}, {n}).
struct CBlocEntiers {
  static constexpr int kMax = 3;
  bool present = false;  // a block was written
  long long v[kMax] = {0, 0, 0};
  bool given[kMax] = {false, false, false};  // position written (else default)
};

enum NumVar { kNumSel, kNumChemin, kNumTotal, kNumColl, kNumCollS, kNumCollF, kNumCollFS };

// Clean-up of a produced name, in place (the name clean-up options).
using FnNettoyage = std::function<void(const CFichier&, std::string&)>;

// What a hook sees of the evaluation in progress.
struct CVarContexte {
  const CFichier& entry;
  const std::string& input;   // the segment's input name
  int selIndex;               // 0 for the first selected entry
  const std::vector<CFichier*>* selection;  // entries in selection order; may be null
  const std::string& prefix;  // text the segment produced before the variable
  const ExprOptions& options;
  const FnNettoyage* nettoyage;  // may be null
  // Future names of the entries before this one in the segment; may be null.
  const CCollision* collisions;
};

class CExprHooks {
 public:
  virtual ~CExprHooks() = default;
  // %n, %np, %ns, %nc, %ncs, %ncf, %ncfs.
  virtual std::string Numero(const CVarContexte& c, NumVar kind, const CBlocEntiers& b) { return {}; }
  // %N (nonNumeric false) and %NN; digit is -1 when none was written.
  virtual std::string NombreNom(const CVarContexte& c, bool nonNumeric, int digit, const CBlocEntiers& b) {
    return {};
  }
  // %R.
  virtual std::string Aleatoire(const CVarContexte& c) { return {}; }
  // %C; digit is -1 when none was written.
  virtual std::string LignePressePapier(const CVarContexte& c, int digit) { return {}; }
  // %T; file is the quoted name of a {"file"} block, or null without one.
  virtual std::string LigneTexte(const CVarContexte& c, int digit, const std::string* file) { return {}; }
  // Formats a point in time (already shifted by its offset). Returns false
  // when no formatter is plugged in: date items then read as their stored text.
  virtual bool FormatDate(FileTime t, const std::string& format, std::string& out) { return false; }
};
