#include "ui/CKFenetre.h"

ATOM CKFenetre::Register(HINSTANCE inst, const char* className, HICON icon, const char* menu, int background,
                         UINT style, const char* cursor) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = &CKFenetre::Proc;
  wc.hInstance = inst;
  wc.hIcon = icon;
  wc.hIconSm = icon;
  wc.hCursor = LoadCursorA(nullptr, cursor);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background));
  wc.lpszMenuName = menu;
  wc.lpszClassName = className;
  return RegisterClassExA(&wc);
}

HWND CKFenetre::Create(const char* className, const char* title, DWORD style, DWORD exStyle, int x,
                       int y, int cx, int cy, HWND parent, HMENU menu, HINSTANCE inst) {
  return CreateWindowExA(exStyle, className, title, style, x, y, cx, cy, parent, menu, inst, this);
}

LRESULT CALLBACK CKFenetre::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  CKFenetre* self;
  if (msg == WM_NCCREATE) {
    self = static_cast<CKFenetre*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<CKFenetre*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  const LRESULT r = self->OnMessage(msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return r;
}
