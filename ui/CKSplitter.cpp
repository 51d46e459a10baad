#include "ui/CKSplitter.h"

#include <windowsx.h>

void CKSplitter::SetState(int type, double ratio) {
  type_ = type >= kSecond && type <= kFirst ? type : kBoth;
  ratio_ = ratio >= 0.0 && ratio <= 1.0 ? ratio : ratio > 1.0 ? 1.0 : 0.0;  // NaN fails both tests
}

int CKSplitter::FirstHeight(int total) const {
  const int available = total > kBar ? total - kBar : 0;
  switch (type_) {
    case kSecond: return 0;
    case kFirst: return available;
    default: return static_cast<int>(available * ratio_);
  }
}

bool CKSplitter::PlaceBar(int p, int total) {
  const int available = total > kBar ? total - kBar : 0;
  if (p < 0 || p > available || available == 0) return false;
  ratio_ = static_cast<double>(p) / available;
  if (twoPanes_) type_ = kBoth;
  return true;
}

void CKSplitter::Step(bool up) {
  if (up && type_ > kSecond) --type_;
  if (!up && type_ < kFirst) ++type_;
}

bool CKSplitterHor::Create(HWND parent, HINSTANCE inst, int id, HWND top, HWND bottom) {
  top_ = top;
  bottom_ = bottom;
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExA(inst, kClassName, &existing) &&
      !Register(inst, kClassName, nullptr, nullptr, COLOR_BTNFACE + 1, 0, IDC_SIZENS))
    return false;
  return CKFenetre::Create(kClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst) != nullptr;
}

void CKSplitterHor::Layout(const RECT& r) {
  area_ = r;
  const int width = r.right - r.left, total = r.bottom > r.top ? r.bottom - r.top : 0;
  const int first = FirstHeight(total);
  const int bar = total < kBar ? total : kBar;
  const int second = total - first - bar;
  HDWP dwp = BeginDeferWindowPos(3);
  dwp = DeferWindowPos(dwp, top_, nullptr, r.left, r.top, width, first, SWP_NOZORDER | SWP_NOACTIVATE);
  dwp = DeferWindowPos(dwp, hwnd_, nullptr, r.left, r.top + first, width, bar, SWP_NOZORDER | SWP_NOACTIVATE);
  dwp = DeferWindowPos(dwp, bottom_, nullptr, r.left, r.top + first + bar, width, second > 0 ? second : 0,
                       SWP_NOZORDER | SWP_NOACTIVATE);
  EndDeferWindowPos(dwp);
  // A pane of no height is hidden, so that the keyboard cannot reach it.
  ShowWindow(top_, first > 0 ? SW_SHOWNA : SW_HIDE);
  ShowWindow(bottom_, second > 0 ? SW_SHOWNA : SW_HIDE);
}

LRESULT CKSplitterHor::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      grab_ = GET_Y_LPARAM(lp);
      SetCapture(hwnd_);
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd_) {
        POINT pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        MapWindowPoints(hwnd_, GetParent(hwnd_), &pt, 1);
        if (PlaceBar(pt.y - grab_ - area_.top, area_.bottom - area_.top)) Relayout();
      }
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == hwnd_) ReleaseCapture();
      return 0;
    default: return CKFenetre::OnMessage(msg, wp, lp);
  }
}
