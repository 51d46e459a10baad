#include "expr/CCalculNoms.h"

#include "expr/CCollision.h"
#include "expr/CEvaluateur.h"
#include "os/CKCadence.h"

void CCalculNoms::Calculer(const std::string& expr, const std::vector<CFichier*>& selection) {
  if (selection.empty()) return;
  CEvaluateur ev(opt_, hooks_, repCourant);
  ev.SetNettoyage(nettoyage ? &nettoyage : nullptr);

  // Where each entry's next segment starts. A modifier that fails on one
  // entry turns the rest of its segment into literal text, which can move
  // the next ';' for that entry alone: positions are kept per entry.
  std::vector<size_t> next(selection.size(), 0);
  std::vector<bool> done(selection.size(), false);
  CKCadence cadence(false);
  std::string out, input;
  // The collision numbers count the entries before the current one by their
  // future names at that moment: each segment indexes the names as the
  // entries pass, finished ones included. Skipped when no collision number
  // can occur in the expression.
  const CCollisionsUtiles used = CEvaluateur::CollisionsUtilisees(expr);
  const bool indexed = used.parNom || used.parBase;
  CCollision index(used.parNom, used.parBase);
  bool remaining = true;
  for (size_t segment = 0; remaining; ++segment) {
    remaining = false;
    index.Vider();
    for (size_t k = 0; k < selection.size(); ++k) {
      CFichier& e = *selection[k];
      if (done[k]) {
        if (indexed) index.Ajouter(e.futureName);
        continue;
      }
      input = segment == 0 ? e.name : e.futureName;
      CEntreeEval in;
      in.entry = &e;
      in.input = &input;
      in.selIndex = static_cast<int>(k);
      in.selection = &selection;
      in.collisions = indexed ? &index : nullptr;
      next[k] = ev.EvalSegment(in, expr, next[k], out);
      e.futureName.swap(out);
      if (next[k] >= expr.size()) {
        done[k] = true;
        if (nettoyage) nettoyage(e, e.futureName);
      } else {
        remaining = true;
      }
      if (indexed) index.Ajouter(e.futureName);
      if (progression && cadence.Due()) progression(k + 1, segment);
    }
  }
}
