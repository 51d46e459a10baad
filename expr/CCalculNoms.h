// The run over the selection: computes the future name of every selected
// entry from an expression. Segments run in order, each over every selected
// entry in selection order; a segment's output becomes the entry's future
// name at once, so later entries of the same segment see it. After an
// entry's last segment its name is cleaned up before the next entry.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "expr/CExprHooks.h"
#include "expr/ExprOptions.h"
#include "files/CFichier.h"

class CCalculNoms {
 public:
  CCalculNoms(const ExprOptions& options, CExprHooks* hooks) : opt_(options), hooks_(hooks) {}

  // The program's current directory, for %fa, %pa, %p and %P.
  std::string repCourant;
  // Name clean-up applied after an entry's last segment; none when empty.
  FnNettoyage nettoyage;
  // Called at most every 500 ms while the run lasts, with the number of
  // entries done in the current segment and its number (0 for the first).
  std::function<void(size_t done, size_t segment)> progression;

  // Recomputes the future names of the entries, given in selection order.
  void Calculer(const std::string& expr, const std::vector<CFichier*>& selection);

 private:
  const ExprOptions& opt_;
  CExprHooks* hooks_;
};
