// The file list's model without its window: the entry array, the numbered
// selection and every command that changes it, the selection counters, the
// filter commands and sorting. Its texts are made by the list controller.
//
// Selection: positions of entries in selection order. Invariant: an entry's
// selOrder equals its index in the selection, or -1 when it is not in it, and
// a selected entry's "Sel" item holds its formatted number. The highlight (the
// list view's own multiple-row selection) is not kept here: commands that use
// it take the highlighted rows from the caller and return rows to highlight.
//
// The owner plugs in three hooks: the redraw of one row, the "Sel" text of a
// selection index, and the recomputation of future names, which runs after
// the bulk commands that change the selection.
#pragma once

#include <cassert>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/CFichier.h"

// How a column compares: integer, decimal and date items by their typed value,
// text items as text. The current name, future name, "Sel" and size columns
// have their own keys whatever kind is given (see Sort).
enum class SortKind { Text, Integer, Decimal, Date };

class CListeModel {
 public:
  using RowHook = std::function<void(int row)>;
  using SelTextHook = std::function<std::string(int index)>;
  using Hook = std::function<void()>;

  // Replaces the entries (a completed load). Entries arriving with a
  // selection order (a reload carrying its selection over) keep their
  // relative order and are renumbered from 0; entries that cannot be selected
  // in this list lose it.
  void SetEntries(std::vector<CFichier> entries, bool recursive);
  const std::vector<CFichier>& Entries() const { return entries_; }
  // For the owner's own fields (future names, history, errors, items); the
  // selection order and "Sel" item belong to the model.
  CFichier& Entry(int i) {
    assert(i >= 0 && i < Count());
    return entries_[static_cast<size_t>(i)];
  }
  // For the operations, which rename entries in place (never add or remove).
  std::vector<CFichier>& MutableEntries() { return entries_; }
  int Count() const { return static_cast<int>(entries_.size()); }
  bool Recursive() const { return recursive_; }
  const std::vector<int>& Selection() const { return selection_; }
  uint64_t SelectedSize() const { return selectedSize_; }

  // Hooks. The default "Sel" text is the plain number index + 1; the owner
  // sets the numbering of %n (size, start, step) through this hook.
  void SetRedrawRow(RowHook hook) { redrawRow_ = std::move(hook); }
  void SetSelText(SelTextHook hook) { selText_ = std::move(hook); }
  void SetRecompute(Hook hook) { recompute_ = std::move(hook); }
  void SetCountersChanged(Hook hook) { countersChanged_ = std::move(hook); }

  // Not the parent entry, and not a directory in a recursive list.
  bool CanSelect(int i) const;
  // -1 out of range, -2 cannot be selected, -3 already selected.
  int Select(int i);
  // -1 out of range, -2 not selected. Clears the future name.
  int Unselect(int i);

  void SelectAll();
  void UnselectAll();
  void Invert();
  void SelectRows(const std::vector<int>& rows);
  void UnselectRows(const std::vector<int>& rows);
  // Selects the rows when the focused row is not selected, else unselects.
  void SpaceRows(const std::vector<int>& rows, int focused);
  // Selected entries in list order (to highlight them).
  std::vector<int> SelectedRows() const;
  // First selected entry after row `after` in list order (-1: from the start),
  // or -1.
  int NextSelected(int after) const;

  // Filter commands; notMatching inverts the match, dirs includes directories.
  // Returns the first entry selected (to focus), or -1.
  int SelectFilter(const std::string& filter, bool notMatching, bool dirs);
  // Returns the last entry removed, the earliest in selection order, or -1.
  int UnselectFilter(const std::string& filter, bool notMatching, bool dirs);
  // Rows to highlight, in list order.
  std::vector<int> HighlightFilter(const std::string& filter, bool notMatching, bool dirs) const;
  // Stores the search state and finds the first match from row `from`.
  int Search(const std::string& filter, bool notMatching, bool dirs, int from);
  // With the stored state, from the row after `focused`; -1 when none or when
  // no search was made.
  int SearchNext(int focused) const;

  // Sorts by item, keeping the selection. The parent entry stays first. Text
  // compares case-insensitively, with `natural` digit runs by value. Equal
  // keys fall back to the current name, then keep their order. Returns for
  // each new row the row it had before, so the owner can carry its highlight.
  std::vector<int> Sort(int item, SortKind kind, bool ascending, bool natural);
  // Text order used by Sort: <0, 0, >0.
  static int CompareText(const std::string& a, const std::string& b, bool natural);

 private:
  bool Matches(int i, const std::string& filter, bool notMatching) const;
  void SetSelItem(int i);
  void Redraw(int i) const {
    if (redrawRow_) redrawRow_(i);
  }
  void Recompute() const {
    if (recompute_) recompute_();
  }
  void CountersChanged() const {
    if (countersChanged_) countersChanged_();
  }
  // Removes every marked member of the selection in one pass, renumbering the
  // rest as the same unselections made one by one would.
  void UnselectMarked(const std::vector<char>& marked);
  int FindFrom(int from, const std::string& filter, bool notMatching, bool dirs) const;

  std::vector<CFichier> entries_;
  bool recursive_ = false;
  std::vector<int> selection_;
  uint64_t selectedSize_ = 0;

  struct SearchState {
    bool set = false;
    std::string filter;
    bool notMatching = false;
    bool dirs = false;
  } search_;

  RowHook redrawRow_;
  SelTextHook selText_;
  Hook recompute_;
  Hook countersChanged_;
};
