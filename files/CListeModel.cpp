#include "files/CListeModel.h"

#include <algorithm>
#include <cmath>

#include "files/CFiltre.h"
#include "os/AnsiCase.h"
#include "os/AsciiText.h"

namespace {

// Three-way comparison of two present-or-absent values; absent ones first.
template <class T>
int CompareOptional(const T* a, const T* b) {
  if (!a || !b) return (a ? 1 : 0) - (b ? 1 : 0);
  return *a < *b ? -1 : (*b < *a ? 1 : 0);
}

const double* ValidDecimal(const double* d) { return d && !std::isnan(*d) ? d : nullptr; }
const FileTime* ValidDate(const FileTime* t) { return t && *t != 0 ? t : nullptr; }

}  // namespace

void CListeModel::SetEntries(std::vector<CFichier> entries, bool recursive) {
  entries_ = std::move(entries);
  recursive_ = recursive;
  selection_.clear();
  selectedSize_ = 0;
  std::vector<std::pair<int, int>> carried;  // (order, row)
  for (int i = 0; i < Count(); ++i) {
    CFichier& e = entries_[static_cast<size_t>(i)];
    if (e.selOrder >= 0 && CanSelect(i)) carried.emplace_back(e.selOrder, i);
    e.selOrder = -1;
    e.items.text.Erase(kItemSel);
  }
  std::sort(carried.begin(), carried.end());
  for (const auto& c : carried) {
    CFichier& e = entries_[static_cast<size_t>(c.second)];
    e.selOrder = static_cast<int>(selection_.size());
    selection_.push_back(c.second);
    selectedSize_ += e.size;
    SetSelItem(c.second);
  }
}

bool CListeModel::CanSelect(int i) const {
  if (i < 0 || i >= Count()) return false;
  const CFichier& e = entries_[static_cast<size_t>(i)];
  return !e.isParent && !e.badName && !(recursive_ && e.isDir);
}

void CListeModel::SetSelItem(int i) {
  CFichier& e = entries_[static_cast<size_t>(i)];
  e.items.text.Set(kItemSel, selText_ ? selText_(e.selOrder) : std::to_string(e.selOrder + 1));
}

int CListeModel::Select(int i) {
  if (i < 0 || i >= Count()) return -1;
  if (!CanSelect(i)) return -2;
  CFichier& e = entries_[static_cast<size_t>(i)];
  if (e.selOrder >= 0) return -3;
  e.selOrder = static_cast<int>(selection_.size());
  selection_.push_back(i);
  selectedSize_ += e.size;
  SetSelItem(i);
  Redraw(i);
  return 0;
}

int CListeModel::Unselect(int i) {
  if (i < 0 || i >= Count()) return -1;
  CFichier& e = entries_[static_cast<size_t>(i)];
  if (e.selOrder < 0) return -2;
  const size_t k = static_cast<size_t>(e.selOrder);
  e.futureName.clear();
  e.items.text.Erase(kItemSel);
  e.selOrder = -1;
  selectedSize_ -= e.size;
  selection_.erase(selection_.begin() + static_cast<std::ptrdiff_t>(k));
  Redraw(i);
  for (size_t j = k; j < selection_.size(); ++j) {
    const int row = selection_[j];
    entries_[static_cast<size_t>(row)].selOrder = static_cast<int>(j);
    SetSelItem(row);
    Redraw(row);
  }
  return 0;
}

void CListeModel::UnselectMarked(const std::vector<char>& marked) {
  size_t kept = 0;
  for (size_t j = 0; j < selection_.size(); ++j) {
    const int row = selection_[j];
    CFichier& e = entries_[static_cast<size_t>(row)];
    if (marked[static_cast<size_t>(row)]) {
      e.futureName.clear();
      e.items.text.Erase(kItemSel);
      e.selOrder = -1;
      selectedSize_ -= e.size;
      Redraw(row);
      continue;
    }
    if (kept != j) {
      e.selOrder = static_cast<int>(kept);
      SetSelItem(row);
      Redraw(row);
    }
    selection_[kept++] = row;
  }
  selection_.resize(kept);
}

void CListeModel::SelectAll() {
  for (int i = 0; i < Count(); ++i) Select(i);
  Recompute();
  CountersChanged();
}

void CListeModel::UnselectAll() {
  while (!selection_.empty()) Unselect(selection_.back());
  CountersChanged();
}

void CListeModel::Invert() {
  std::vector<int> collected;
  for (int i = 0; i < Count(); ++i)
    if (CanSelect(i) && entries_[static_cast<size_t>(i)].selOrder < 0) collected.push_back(i);
  while (!selection_.empty()) Unselect(selection_.back());
  for (int i : collected) Select(i);
  Recompute();
  CountersChanged();
}

void CListeModel::SelectRows(const std::vector<int>& rows) {
  std::vector<int> sorted(rows);
  std::sort(sorted.begin(), sorted.end());
  for (int i : sorted) Select(i);  // duplicates and refusals are ignored
  Recompute();
  CountersChanged();
}

void CListeModel::UnselectRows(const std::vector<int>& rows) {
  std::vector<char> marked(entries_.size(), 0);
  for (int i : rows)
    if (i >= 0 && i < Count()) marked[static_cast<size_t>(i)] = 1;
  UnselectMarked(marked);
  Recompute();
  CountersChanged();
}

void CListeModel::SpaceRows(const std::vector<int>& rows, int focused) {
  const bool focusedSelected = focused >= 0 && focused < Count() &&
                               entries_[static_cast<size_t>(focused)].selOrder >= 0;
  if (focusedSelected)
    UnselectRows(rows);
  else
    SelectRows(rows);
}

std::vector<int> CListeModel::SelectedRows() const {
  std::vector<int> rows;
  for (int i = 0; i < Count(); ++i)
    if (entries_[static_cast<size_t>(i)].selOrder >= 0) rows.push_back(i);
  return rows;
}

int CListeModel::NextSelected(int after) const {
  for (int i = std::max(after + 1, 0); i < Count(); ++i)
    if (entries_[static_cast<size_t>(i)].selOrder >= 0) return i;
  return -1;
}

bool CListeModel::Matches(int i, const std::string& filter, bool notMatching) const {
  return match(filter.c_str(), entries_[static_cast<size_t>(i)].name.c_str(), false) != notMatching;
}

int CListeModel::SelectFilter(const std::string& filter, bool notMatching, bool dirs) {
  int first = -1;
  for (int i = 0; i < Count(); ++i) {
    const CFichier& e = entries_[static_cast<size_t>(i)];
    if (!CanSelect(i) || e.selOrder >= 0 || (e.isDir && !dirs)) continue;
    if (!Matches(i, filter, notMatching)) continue;
    Select(i);
    if (first < 0) first = i;
  }
  Recompute();
  CountersChanged();
  return first;
}

int CListeModel::UnselectFilter(const std::string& filter, bool notMatching, bool dirs) {
  std::vector<char> marked(entries_.size(), 0);
  int last = -1;
  for (size_t j = selection_.size(); j > 0; --j) {
    const int row = selection_[j - 1];
    if (entries_[static_cast<size_t>(row)].isDir && !dirs) continue;
    if (!Matches(row, filter, notMatching)) continue;
    marked[static_cast<size_t>(row)] = 1;
    last = row;
  }
  UnselectMarked(marked);
  Recompute();
  CountersChanged();
  return last;
}

std::vector<int> CListeModel::HighlightFilter(const std::string& filter, bool notMatching,
                                              bool dirs) const {
  std::vector<int> rows;
  for (int i = 0; i < Count(); ++i) {
    if (entries_[static_cast<size_t>(i)].isDir && !dirs) continue;
    if (Matches(i, filter, notMatching)) rows.push_back(i);
  }
  return rows;
}

int CListeModel::FindFrom(int from, const std::string& filter, bool notMatching, bool dirs) const {
  for (int i = std::max(from, 0); i < Count(); ++i) {
    if (entries_[static_cast<size_t>(i)].isDir && !dirs) continue;
    if (Matches(i, filter, notMatching)) return i;
  }
  return -1;
}

int CListeModel::Search(const std::string& filter, bool notMatching, bool dirs, int from) {
  search_.set = true;
  search_.filter = filter;
  search_.notMatching = notMatching;
  search_.dirs = dirs;
  return FindFrom(from, filter, notMatching, dirs);
}

int CListeModel::SearchNext(int focused) const {
  if (!search_.set) return -1;
  return FindFrom(focused + 1, search_.filter, search_.notMatching, search_.dirs);
}

int CListeModel::CompareText(const std::string& a, const std::string& b, bool natural) {
  if (natural) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
      if (IsAsciiDigit(a[i]) && IsAsciiDigit(b[j])) {
        // Runs of digits compare by value: leading zeros dropped, then the
        // longer run is the larger number, then digit by digit. No conversion,
        // so runs of any length work.
        while (i < a.size() && a[i] == '0') ++i;
        while (j < b.size() && b[j] == '0') ++j;
        size_t ei = i, ej = j;
        while (ei < a.size() && IsAsciiDigit(a[ei])) ++ei;
        while (ej < b.size() && IsAsciiDigit(b[ej])) ++ej;
        if (ei - i != ej - j) return ei - i < ej - j ? -1 : 1;
        for (; i < ei; ++i, ++j)
          if (a[i] != b[j]) return a[i] < b[j] ? -1 : 1;
        continue;
      }
      const int ca = AnsiUpper(static_cast<unsigned char>(a[i]));
      const int cb = AnsiUpper(static_cast<unsigned char>(b[j]));
      if (ca != cb) return ca < cb ? -1 : 1;
      ++i;
      ++j;
    }
    if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
    // Equal by value ("a01" and "a1"): the plain text order decides.
  }
  const int r = AnsiCompareNoCase(a.data(), a.size(), b.data(), b.size());
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

std::vector<int> CListeModel::Sort(int item, SortKind kind, bool ascending, bool natural) {
  // Each entry is compared many times: its type is looked up once.
  if (item == kItemType)
    for (CFichier& e : entries_) e.StoreType();
  auto key = [&](const CFichier& x, const CFichier& y) -> int {
    switch (item) {
      case kItemNom:
        return 0;  // the name comparison below decides
      case kItemNomFutur:
        return CompareText(x.futureName, y.futureName, natural);
      case kItemSel: {
        // Selected entries first, by their number.
        const int ox = x.selOrder < 0 ? -1 : x.selOrder, oy = y.selOrder < 0 ? -1 : y.selOrder;
        if ((ox < 0) != (oy < 0)) return ox < 0 ? 1 : -1;
        return ox < oy ? -1 : (oy < ox ? 1 : 0);
      }
      case kItemTaille:
        // By bytes, not by the size text; directories (no size) first.
        if (x.isDir != y.isDir) return x.isDir ? -1 : 1;
        return x.size < y.size ? -1 : (y.size < x.size ? 1 : 0);
      default:
        break;
    }
    switch (kind) {
      case SortKind::Integer:
        return CompareOptional(x.items.ints.Find(item), y.items.ints.Find(item));
      case SortKind::Decimal:
        return CompareOptional(ValidDecimal(x.items.decs.Find(item)), ValidDecimal(y.items.decs.Find(item)));
      case SortKind::Date:
        return CompareOptional(ValidDate(x.items.dates.Find(item)), ValidDate(y.items.dates.Find(item)));
      case SortKind::Text:
        break;
    }
    return CompareText(x.ItemText(item), y.ItemText(item), natural);
  };
  std::vector<int> order(entries_.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [&](int ia, int ib) {
    const CFichier& x = entries_[static_cast<size_t>(ia)];
    const CFichier& y = entries_[static_cast<size_t>(ib)];
    if (x.isParent != y.isParent) return x.isParent;
    int c = key(x, y);
    if (c == 0) c = CompareText(x.name, y.name, natural);
    return ascending ? c < 0 : c > 0;
  });
  std::vector<CFichier> sorted;
  sorted.reserve(entries_.size());
  std::vector<int> newRow(entries_.size());
  for (size_t n = 0; n < order.size(); ++n) {
    newRow[static_cast<size_t>(order[n])] = static_cast<int>(n);
    sorted.push_back(std::move(entries_[static_cast<size_t>(order[n])]));
  }
  entries_ = std::move(sorted);
  for (int& row : selection_) row = newRow[static_cast<size_t>(row)];
  return order;
}
