#include "ui/CKVisuImage.h"

bool CKVisuImage::Create(HWND parent, HINSTANCE inst, int id) {
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof existing;
  // No background brush: the pane paints all of itself.
  if (!GetClassInfoExA(inst, kClassName, &existing) &&
      !Register(inst, kClassName, nullptr, nullptr, 0, CS_HREDRAW | CS_VREDRAW))
    return false;
  return CKFenetre::Create(kClassName, "", WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst) != nullptr;
}

LRESULT CKVisuImage::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_WINDOW));
      EndPaint(hwnd_, &ps);
      return 0;
    }
    default: return CKFenetre::OnMessage(msg, wp, lp);
  }
}
