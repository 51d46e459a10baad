// The operation history: the kind of each step (rename or copy) and the
// position, the number of steps in effect. The names of each step live in the
// entries' records.
#pragma once

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

  // Starts a new step of the given kind and returns its number. Steps beyond
  // the position (undone ones) are discarded with their records first, so an
  // undone step is never replayed after a new operation.
  int Begin(COpKind kind, std::vector<CFichier>& entries) {
    if (position_ < Count()) {
      kinds_.resize(position_ < 0 ? 0 : position_);
      for (CFichier& e : entries) e.history.erase(e.history.upper_bound(position_), e.history.end());
    }
    kinds_.push_back(kind);
    position_ = Count();
    return position_;
  }
  // Drops the step just begun (no entry succeeded).
  void DropLast() {
    if (!kinds_.empty()) kinds_.pop_back();
    position_ = Count();
  }
  void Clear() {
    kinds_.clear();
    position_ = 0;
  }

 private:
  std::vector<COpKind> kinds_;
  int position_ = 0;
};
