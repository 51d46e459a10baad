// The list controller's columns: which data items are shown, in which order
// and width, as the column settings keep them between runs.
#include "ui/CListeFic.h"

#include <algorithm>

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "expr/CColonnes.h"
#include "ui/CGroupes.h"

namespace {

// The stored layout of item, or its built-in one.
CColonneEntry Layout(int item) {
  CColonneEntry e;
  if (Config().colonne.Entry(item, &e)) return e;
  e.position = item;
  e.shown = true;
  const CColonne* c = Colonne(item);
  e.width = c ? c->width : 100;
  return e;
}

}  // namespace

int CListeFic::ItemOfColumn(int column) const {
  return column >= 0 && column < static_cast<int>(shown_.size()) ? shown_[column] : -1;
}

bool CListeFic::ItemDisplayed(int item) const {
  if (item == kItemNom) return true;
  const CColonne* c = Colonne(item);
  if (!c || !Layout(item).shown) return false;
  if (c->group == kGroupAlways) return true;
  return GroupShown(c->group)->Get() && (!Config().col_util || used_[item]);
}

void CListeFic::MarkUsedColumns() {
  used_.reset();
  for (const CFichier& e : model_.Entries()) {
    if (e.isParent) continue;
    // Texts made on request are not among the stored ones.
    for (int item : {kItemAttributs, kItemType})
      if (!e.ItemText(item).empty()) used_.set(item);
    e.items.ForEachValued([this](int item) { used_.set(item); });
  }
  if (Config().grp_auto) {
    bool usedGroups[kGroupCount] = {};
    for (int item = 0; item < kItemCount; ++item)
      if (used_[item]) usedGroups[Colonne(item)->group] = true;
    for (int g = kGroupAudio; g < kGroupCount; ++g)
      if (GroupShown(g)->Get() != usedGroups[g]) GroupShown(g)->Set(usedGroups[g]);
  }
  BuildColumns();
}

void CListeFic::BuildColumns() {
  std::vector<int> items;
  for (int item : Columns())
    if (ItemDisplayed(item)) items.push_back(item);
  const CColonnes& stored = Config().colonne;
  std::stable_sort(items.begin(), items.end(),
                   [&](int a, int b) { return stored.PositionOf(a) < stored.PositionOf(b); });
  // The name stays the first column; the list view keeps its column 0 and
  // the others go and come again after it.
  items.erase(std::remove(items.begin(), items.end(), static_cast<int>(kItemNom)), items.end());
  items.insert(items.begin(), kItemNom);
  if (items == shown_) return;
  CaptureColumns();
  SetRedraw(false);
  while (SendMessageA(Hwnd(), LVM_DELETECOLUMN, 1, 0)) {
  }
  for (size_t i = 0; i < items.size(); ++i) {
    const int item = items[i];
    const CColonne* c = Colonne(item);
    const int width = Layout(item).width;
    if (i == 0 && !shown_.empty()) {
      SendMessageA(Hwnd(), LVM_SETCOLUMNWIDTH, 0, width);
      continue;
    }
    InsertColumn(static_cast<int>(i), Txt(ColumnTitleId(item)), width, c && c->alignRight);
  }
  shown_ = std::move(items);
  if (Config().tri_subitem >= static_cast<int>(shown_.size())) Config().tri_subitem.Set(0);
  SetRedraw(true);
  InvalidateRect(Hwnd(), nullptr, TRUE);
}

// The shown columns in the order the user sees them (dragged headers
// included), the name first whatever was dragged before it.
std::vector<int> CListeFic::DisplayOrder() const {
  const int count = static_cast<int>(shown_.size());
  std::vector<int> order(shown_.size());
  if (count == 0 || !SendMessageA(Hwnd(), LVM_GETCOLUMNORDERARRAY, count, reinterpret_cast<LPARAM>(order.data())))
    for (int i = 0; i < count; ++i) order[i] = i;
  std::vector<int> sorted(order);
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < count; ++i)
    if (sorted[i] != i) {  // not a permutation of the columns: keep the columns' own order
      for (int k = 0; k < count; ++k) order[k] = k;
      break;
    }
  order.erase(std::remove(order.begin(), order.end(), 0), order.end());
  if (count > 0) order.insert(order.begin(), 0);
  return order;
}

// Widths and display order go to the settings. The shown columns share out
// the positions they held among themselves, in the order they are seen; the
// hidden ones keep theirs.
void CListeFic::CaptureColumns() const {
  CColonnes& stored = Config().colonne;
  std::vector<int> positions;
  for (int item : shown_) positions.push_back(stored.PositionOf(item));
  std::sort(positions.begin(), positions.end());
  const std::vector<int> order = DisplayOrder();
  for (size_t k = 0; k < order.size(); ++k) {
    const int column = order[k];
    CColonneEntry e = Layout(shown_[column]);
    e.position = positions[k];
    const int width = static_cast<int>(SendMessageA(Hwnd(), LVM_GETCOLUMNWIDTH, column, 0));
    if (width > 0) e.width = width;
    stored.SetEntry(shown_[column], e);
  }
  stored.RebuildMap();
}

void CListeFic::KeepNameFirst() {
  std::vector<int> order = DisplayOrder();
  if (!order.empty()) SendMessageA(Hwnd(), LVM_SETCOLUMNORDERARRAY, order.size(), reinterpret_cast<LPARAM>(order.data()));
}

void CListeFic::ShowItems(const std::vector<int>& items, bool shown) {
  for (int item : items) {
    if (item == kItemNom) continue;
    CColonneEntry e = Layout(item);
    e.shown = shown;
    Config().colonne.SetEntry(item, e);
  }
  BuildColumns();
}

void CListeFic::SetDefaultWidth(int column) {
  const CColonne* c = Colonne(ItemOfColumn(column));
  if (c) SendMessageA(Hwnd(), LVM_SETCOLUMNWIDTH, column, c->width);
}
