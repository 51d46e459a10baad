#include "expr/CCalculNoms.h"

#include <chrono>

#include "expr/CEvaluateur.h"

void CCalculNoms::Calculer(const std::string& expr, const std::vector<CFichier*>& selection) {
  if (selection.empty()) return;
  CEvaluateur ev(opt_, hooks_, repCourant);
  ev.SetNettoyage(nettoyage ? &nettoyage : nullptr);

  // Where each entry's next segment starts. A modifier that fails on one
  // entry turns the rest of its segment into literal text, which can move
  // the next ';' for that entry alone: positions are kept per entry.
  std::vector<size_t> next(selection.size(), 0);
  std::vector<bool> done(selection.size(), false);
  using Clock = std::chrono::steady_clock;
  auto lastReport = Clock::now();
  std::string out, input;
  bool remaining = true;
  for (size_t segment = 0; remaining; ++segment) {
    remaining = false;
    for (size_t k = 0; k < selection.size(); ++k) {
      if (done[k]) continue;
      CFichier& e = *selection[k];
      input = segment == 0 ? e.name : e.futureName;
      CEntreeEval in;
      in.entry = &e;
      in.input = &input;
      in.selIndex = static_cast<int>(k);
      in.selection = &selection;
      next[k] = ev.EvalSegment(in, expr, next[k], out);
      e.futureName.swap(out);
      if (next[k] >= expr.size()) {
        done[k] = true;
        if (nettoyage) nettoyage(e, e.futureName);
      } else {
        remaining = true;
      }
      if (progression && Clock::now() - lastReport >= std::chrono::milliseconds(500)) {
        lastReport = Clock::now();
        progression(k + 1, segment);
      }
    }
  }
}
