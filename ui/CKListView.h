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
  void SetFocusItem(int i) {
    LVITEMA item = {};
    item.stateMask = LVIS_FOCUSED;
    item.state = LVIS_FOCUSED;
    SendMessageA(hwnd_, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&item));
  }
  void RedrawItems(int first, int last) { SendMessageA(hwnd_, LVM_REDRAWITEMS, first, last); }
  void SetRedraw(bool on) { SendMessageA(hwnd_, WM_SETREDRAW, on ? TRUE : FALSE, 0); }

 private:
  HWND hwnd_ = nullptr;
};
