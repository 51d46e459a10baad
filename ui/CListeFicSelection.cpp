// The list controller's selection, highlight, filter and search commands.
#include "ui/CListeFic.h"

#include "os/AnsiCase.h"

void CListeFic::SelectNames(const std::vector<std::string>& names) {
  int lowest = -1, highest = -1;
  const auto& entries = model_.Entries();
  // A name matches without regard to case unless some entry carries it
  // exactly: in a case-sensitive directory "a.txt" must not also select
  // "A.txt", a file the user never named.
  std::vector<bool> exact(names.size(), false);
  for (const auto& e : entries)
    for (size_t k = 0; k < names.size(); ++k)
      if (e.name == names[k]) exact[k] = true;
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string& n = entries[i].name;
    for (size_t k = 0; k < names.size(); ++k) {
      const std::string& want = names[k];
      if (exact[k] ? n != want : !AnsiEqualNoCase(n, want)) continue;
      if (model_.Select(static_cast<int>(i)) == 0) {
        if (lowest < 0) lowest = static_cast<int>(i);
        highest = static_cast<int>(i);
      }
      break;
    }
  }
  if (lowest < 0) return;
  EnsureVisible(highest);
  EnsureVisible(lowest);
  SetFocusItem(lowest);
  RecomputeFutureNames();
  RefreshStatus();
}

std::vector<int> CListeFic::HighlightedRows() const {
  std::vector<int> rows;
  if (!Hwnd()) return rows;
  int row = -1;
  for (;;) {
    row = static_cast<int>(SendMessageA(Hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
    if (row < 0 || (!rows.empty() && row <= rows.back())) break;
    rows.push_back(row);
  }
  return rows;
}

void CListeFic::SetHighlight(const std::vector<int>& rows) {
  SetItemState(-1, 0, LVIS_SELECTED);
  for (int row : rows) SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
}

void CListeFic::FocusRow(int row, bool only) {
  if (row < 0 || row >= model_.Count()) return;
  if (only) {
    SetItemState(-1, 0, LVIS_SELECTED);
    SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageA(Hwnd(), LVM_SETSELECTIONMARK, 0, row);
  } else {
    SetFocusItem(row);
  }
  EnsureVisible(row);
}

void CListeFic::SelectAll() {
  model_.SelectAll();
  RefreshStatus();
}

void CListeFic::UnselectAll() {
  model_.UnselectAll();
  RefreshStatus();
}

void CListeFic::Invert() {
  model_.Invert();
  RefreshStatus();
}

void CListeFic::SelectHighlighted() {
  model_.SelectRows(HighlightedRows());
  RefreshStatus();
}

void CListeFic::UnselectHighlighted() {
  model_.UnselectRows(HighlightedRows());
  RefreshStatus();
}

void CListeFic::ToggleHighlighted() {
  const int focused = FocusedItem();
  if (focused < 0 || focused >= model_.Count()) return;
  model_.SpaceRows(HighlightedRows(), focused);
  RefreshStatus();
}

void CListeFic::HighlightSelected() {
  const std::vector<int> rows = model_.SelectedRows();
  SetHighlight(rows);
  if (!rows.empty()) FocusRow(rows.front(), false);
  ShowFocusedState();
}

bool CListeFic::FocusFirstSelected() {
  const int row = model_.NextSelected(-1);
  FocusRow(row, true);
  ShowFocusedState();
  return row >= 0;
}

bool CListeFic::FocusNextSelected() {
  const int row = model_.NextSelected(FocusedItem());
  FocusRow(row, true);
  ShowFocusedState();
  return row >= 0;
}

int CListeFic::SelectWithFilter(const std::string& filter, bool notMatching, bool dirs) {
  const int first = model_.SelectFilter(filter, notMatching, dirs);
  FocusRow(first, false);
  RefreshStatus();
  return first;
}

int CListeFic::UnselectWithFilter(const std::string& filter, bool notMatching, bool dirs) {
  const int last = model_.UnselectFilter(filter, notMatching, dirs);
  FocusRow(last, false);
  RefreshStatus();
  return last;
}

int CListeFic::HighlightWithFilter(const std::string& filter, bool notMatching, bool dirs) {
  const std::vector<int> rows = model_.HighlightFilter(filter, notMatching, dirs);
  SetHighlight(rows);
  const int first = rows.empty() ? -1 : rows.front();
  FocusRow(first, false);
  ShowFocusedState();
  return first;
}

int CListeFic::SearchWithFilter(const std::string& filter, bool notMatching, bool dirs, bool next) {
  const int row = model_.Search(filter, notMatching, dirs, next ? FocusedItem() + 1 : 0);
  FocusRow(row, true);
  ShowFocusedState();
  return row;
}

int CListeFic::SearchNext() {
  const int row = model_.SearchNext(FocusedItem());
  FocusRow(row, true);
  ShowFocusedState();
  return row;
}
