// The operation history: the kind of each step (rename or copy) and the
// position, the number of steps in effect. The names of each step live in the
// entries' records.
#pragma once

#include <utility>
#include <vector>

#include "files/CFichier.h"
#include "ops/COpKind.h"

class CHistorique {
 public:
  // Kind of step s (from 1); None, which touches no file, beyond the list.
  COpKind Kind(int step) const {
    return step >= 1 && step <= Count() ? kinds_[step - 1] : COpKind::None;
  }
  int Count() const { return static_cast<int>(kinds_.size()); }
  int Position() const { return position_; }
  void SetPosition(int p) { position_ = p; }
  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < Count(); }

  // Starts a new step of the given kind and returns the number its records
  // are made under: one past every step, so the undone steps stay intact
  // until the new step is kept.
  int Begin(COpKind kind) {
    pendingKind_ = kind;
    return Count() + 1;
  }
  // Keeps the step begun. Only now are the steps beyond the position (undone
  // ones) discarded with their records, so an undone step is never replayed
  // after a new operation; the new step's records take the number after the
  // position.
  void Commit(std::vector<CFichier>& entries) {
    const int pending = Count() + 1;
    const int number = (position_ < 0 ? 0 : position_) + 1;
    if (number != pending) {
      for (CFichier& e : entries) {
        auto rec = e.history.find(pending);
        const bool has = rec != e.history.end();
        CHistRecord kept = has ? std::move(rec->second) : CHistRecord();
        e.history.erase(e.history.upper_bound(number - 1), e.history.end());
        if (has) e.history[number] = std::move(kept);
      }
    }
    kinds_.resize(static_cast<size_t>(number - 1));
    kinds_.push_back(pendingKind_);
    position_ = Count();
  }
  // Drops the step begun (nothing succeeded): the history stays as it was,
  // redoable steps included.
  void Abandon(std::vector<CFichier>& entries) {
    const int pending = Count() + 1;
    for (CFichier& e : entries) e.history.erase(pending);
  }
  void Clear() {
    kinds_.clear();
    position_ = 0;
  }

 private:
  std::vector<COpKind> kinds_;
  int position_ = 0;
  COpKind pendingKind_ = COpKind::None;
};
