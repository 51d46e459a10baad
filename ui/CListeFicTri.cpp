// The list controller's sorting by a column, carrying focus and highlight.
#include "ui/CListeFic.h"

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "expr/CColonnes.h"

void CListeFic::SortByColumn(int column) {
  if (ItemOfColumn(column) < 0) return;
  CConfig& cfg = Config();
  if (cfg.tri_subitem.Get() == column) {
    cfg.tri_asc.Set(!cfg.tri_asc.Get());
  } else {
    cfg.tri_subitem.Set(column);
    cfg.tri_asc.Set(true);
  }
  SortList();
}

void CListeFic::SortList() {
  const int column = Config().tri_subitem;
  const int item = ItemOfColumn(column);
  if (item < 0 || model_.Count() == 0) return;
  SortKind kind = SortKind::Text;
  if (const CColonne* c = Colonne(item)) {
    if (c->kind == kKindInt) kind = SortKind::Integer;
    if (c->kind == kKindDec) kind = SortKind::Decimal;
    if (c->kind == kKindDate) kind = SortKind::Date;
  }
  FreshenAll();
  if (status_) status_->SetText(CStatusTexts::kText, Txt(333));
  if (owner_) UpdateWindow(owner_);
  std::vector<char> wasHighlighted(static_cast<size_t>(model_.Count()), 0);
  for (int row : HighlightedRows())
    if (row < model_.Count()) wasHighlighted[static_cast<size_t>(row)] = 1;
  const int focused = FocusedItem();
  const std::vector<int> oldRow = model_.Sort(item, kind, Config().tri_asc, Config().tri_xp);
  std::vector<int> highlight;
  int newFocus = -1;
  for (size_t n = 0; n < oldRow.size(); ++n) {
    if (wasHighlighted[static_cast<size_t>(oldRow[n])]) highlight.push_back(static_cast<int>(n));
    if (oldRow[n] == focused) newFocus = static_cast<int>(n);
  }
  SetHighlight(highlight);
  if (newFocus >= 0) FocusRow(newFocus, false);
  RedrawItems(0, model_.Count() - 1);
  ShowFocusedState();
}
