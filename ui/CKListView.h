// A thin facade over a report-style list view; it borrows the window handle.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CKListView {
 public:
  void Attach(HWND hwnd) { hwnd_ = hwnd; }
  HWND Hwnd() const { return hwnd_; }

  int InsertColumn(int index, const char* title, int width, bool right) {
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    col.fmt = right ? LVCFMT_RIGHT : LVCFMT_LEFT;
    col.cx = width;
    col.pszText = const_cast<char*>(title);
    col.iSubItem = index;
    return static_cast<int>(SendMessageA(hwnd_, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&col)));
  }
  void SetItemCount(int n, bool keepScroll) {
    SendMessageA(hwnd_, LVM_SETITEMCOUNT, n, keepScroll ? LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL : 0);
  }
  int ItemCount() const { return static_cast<int>(SendMessageA(hwnd_, LVM_GETITEMCOUNT, 0, 0)); }
  void EnsureVisible(int i) { SendMessageA(hwnd_, LVM_ENSUREVISIBLE, i, FALSE); }
  int FocusedItem() const {
    return static_cast<int>(SendMessageA(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  }
  void SetFocusItem(int i) { SetItemState(i, LVIS_FOCUSED, LVIS_FOCUSED); }
  // The state bits of mask of row i (-1: every row) set to state.
  void SetItemState(int i, UINT state, UINT mask) {
    LVITEMA item = {};
    item.stateMask = mask;
    item.state = state;
    SendMessageA(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  // Invalidates the rows of [first, last] that are on screen. Rows out of
  // view, or every row of a hidden list, are painted from their data when
  // they come into view, so they need nothing: a bulk change of 100,000 rows
  // then costs two queries a row instead of one invalidation each.
  void RedrawItems(int first, int last) {
    if (!IsWindowVisible(hwnd_)) return;
    const int top = static_cast<int>(SendMessageA(hwnd_, LVM_GETTOPINDEX, 0, 0));
    const int bottom = top + static_cast<int>(SendMessageA(hwnd_, LVM_GETCOUNTPERPAGE, 0, 0));
    if (first < top) first = top;
    if (last > bottom) last = bottom;
    if (first <= last) SendMessageA(hwnd_, LVM_REDRAWITEMS, first, last);
  }
  void SetRedraw(bool on) { SendMessageA(hwnd_, WM_SETREDRAW, on ? TRUE : FALSE, 0); }

 private:
  HWND hwnd_ = nullptr;
};
