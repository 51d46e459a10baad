// The directories of the Back and Forward commands, oldest first, with a
// current position.
#pragma once

#include <string>
#include <vector>

class CNavHistory {
 public:
  static constexpr size_t kMax = 100;

  // Adds a directory loaded by a new (non-reload) load.
  void Add(const std::string& dir) {
    if (!dirs_.empty() && dirs_.back() == dir) return;
    if (index_ + 1 < static_cast<int>(dirs_.size())) dirs_.resize(index_ + 1);
    if (dirs_.size() >= kMax) dirs_.erase(dirs_.begin());
    dirs_.push_back(dir);
    index_ = static_cast<int>(dirs_.size()) - 1;
  }
  // Moves by delta (-1 back, +1 forward); false when that position does not exist.
  // The position moves even when the directory can no longer be loaded.
  bool Move(int delta, std::string& dir) {
    const int to = index_ + delta;
    if (to < 0 || to >= static_cast<int>(dirs_.size())) return false;
    index_ = to;
    dir = dirs_[to];
    return true;
  }
  bool CanMove(int delta) const {
    const int to = index_ + delta;
    return to >= 0 && to < static_cast<int>(dirs_.size());
  }
  const std::vector<std::string>& Dirs() const { return dirs_; }
  int Index() const { return index_; }

 private:
  std::vector<std::string> dirs_;
  int index_ = -1;
};
