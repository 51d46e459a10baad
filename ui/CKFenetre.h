// Base of the toolkit's window wrappers. The object is bound to its window at
// WM_NCCREATE (the creation parameter carries `this`) and unbound at
// WM_NCDESTROY; messages go to the virtual OnMessage.
#pragma once

#include <windows.h>

class CKFenetre {
 public:
  CKFenetre() = default;
  virtual ~CKFenetre() = default;
  CKFenetre(const CKFenetre&) = delete;
  CKFenetre& operator=(const CKFenetre&) = delete;

  HWND Hwnd() const { return hwnd_; }

  // Registers a class whose procedure dispatches to the bound object.
  static ATOM Register(HINSTANCE inst, const char* className, HICON icon, const char* menu, int background,
                       UINT style = CS_DBLCLKS, const char* cursor = IDC_ARROW);
  HWND Create(const char* className, const char* title, DWORD style, DWORD exStyle, int x, int y,
              int cx, int cy, HWND parent, HMENU menu, HINSTANCE inst);

 protected:
  virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd_, msg, wp, lp); }
  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};
