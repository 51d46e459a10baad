// The evaluation hooks the program plugs into the expression engine: dates
// go through the date formatter (local time with the rule in force at each
// date) and %n gives the selection number. The other numbering variables,
// name numbers and external lines still yield empty text.
#pragma once

#include "expr/CCollision.h"
#include "expr/CDateFormat.h"
#include "expr/CExprHooks.h"
#include "expr/ExprOptions.h"

// The selection number of the index-th selected file: start + index x step,
// padded to size; block positions override size (when 1..20), start, step.
inline std::string SelectionNumber(int index, const ExprOptions& o, const CBlocEntiers* b = nullptr) {
  int size = o.numSelPad;
  int64_t start = o.numSelDep, step = o.numSelInc;
  if (b && b->present) {
    if (b->given[0] && b->v[0] >= 1 && b->v[0] <= 20) size = static_cast<int>(b->v[0]);
    if (b->given[1]) start = b->v[1];
    if (b->given[2]) step = b->v[2];
  }
  return FormaterNombre(ValeurNumero(start, index, step), size);
}

class CHooksDates : public CExprHooks {
 public:
  bool FormatDate(FileTime t, const std::string& format, std::string& out) override {
    out = format_.Formater(t, format);
    return true;
  }
  std::string Numero(const CVarContexte& c, NumVar kind, const CBlocEntiers& b) override {
    return kind == kNumSel ? SelectionNumber(c.selIndex, c.options, &b) : std::string();
  }

 private:
  CDateFormat format_;
};
