// The rename-expression parser-evaluator. Parsing and evaluation are one
// pass: an expression segment is read from left to right for one entry and
// each construct's value is produced as soon as it has been read. Nothing is
// ever rejected: unrecognised input yields empty or literal text.
//
// One evaluator serves one run over the selection: it keeps the compiled
// regular expressions and the run's start time for every entry of the run.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "expr/CCasse.h"
#include "expr/CExprHooks.h"
#include "expr/CModificateurs.h"
#include "expr/ExprOptions.h"
#include "files/CFichier.h"

// Longest text one segment produces for an entry; later appends are dropped.
constexpr size_t kLongMaxSortie = 32768;

// The entry being evaluated and its place in the run.
struct CEntreeEval {
  const CFichier* entry = nullptr;
  const std::string* input = nullptr;  // the segment's input name
  int selIndex = 0;
  const std::vector<CFichier*>* selection = nullptr;
  const CCollision* collisions = nullptr;  // for the collision numbers
};

// The collision indexes a run over an expression needs.
struct CCollisionsUtiles {
  bool parNom = false;   // %nc, %ncs: whole future names
  bool parBase = false;  // %ncf, %ncfs: base parts
};

class CEvaluateur {
 public:
  // Read from the variables the evaluator can meet in expr, whatever their
  // character modifiers (%+nc, %uncf); never misses one, may over-count.
  static CCollisionsUtiles CollisionsUtilisees(const std::string& expr);

  // hooks may be null (their variables then read as empty text); repCourant
  // is the program's current directory (for %fa, %pa, %p, %P).
  CEvaluateur(const ExprOptions& options, CExprHooks* hooks, std::string repCourant);

  // Evaluates the segment of expr starting at pos into out (cleared first)
  // and returns where the next segment starts (expr.size() when none).
  size_t EvalSegment(const CEntreeEval& in, const std::string& expr, size_t pos, std::string& out);
  // Evaluates the variable whose '%' is at pos, appends its value to out and
  // returns the position after the last character it consumed.
  size_t EvalVariable(const CEntreeEval& in, const std::string& expr, size_t pos, std::string& out);

  // The clean-up the numbering hooks apply to collision prefixes.
  void SetNettoyage(const FnNettoyage* n) { nettoyage_ = n; }
  const ExprOptions& Options() const { return opt_; }

 private:
  struct Var;
  bool ReadVariable(Var& v);
  bool ReadDate(Var& v, FileTime t, int item);
  bool ReadTrack(Var& v, int item);
  bool ReadIntBlock(Var& v, int count, CBlocEntiers& b);
  bool ApplyModifiers(Var& v);
  bool ApplyParen(Var& v);
  bool ApplyArray(Var& v);
  CVarContexte Contexte(const Var& v) const;
  FileTime RunStart();

  const ExprOptions& opt_;
  CExprHooks* hooks_;
  CExprHooks noHooks_;
  std::string repCourant_;
  CCasse casse_;
  CRegexCache regex_;
  const FnNettoyage* nettoyage_ = nullptr;
  FileTime runStart_ = 0;
};

// Appends to out, never past kLongMaxSortie characters.
void AppendBorne(std::string& out, const std::string& s);
void AppendBorne(std::string& out, char c);
