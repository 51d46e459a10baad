// The list controller's selection, highlight, filter and search commands.
#include "ui/CListeFic.h"

#include "os/AnsiCase.h"

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

void CListeFic::ToggleRow(int row) {
  if (row < 0 || row >= model_.Count()) return;
  if (model_.Entries()[row].selOrder >= 0) model_.UnselectRows({row});
  else model_.SelectRows({row});
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
