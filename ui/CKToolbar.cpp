#include "ui/CKToolbar.h"

#include <commctrl.h>

HWND CKToolbar::Create(HWND parent, HINSTANCE inst, int id, int bitmap, int imageWidth,
                       const std::vector<CKBouton>& buttons) {
  buttons_ = buttons;
  hwnd_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                              CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                          0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst, nullptr);
  if (!hwnd_) return nullptr;
  SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(hwnd_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  SendMessageA(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(imageWidth, 16));
  int own = 0;
  bool standard = false;
  for (const CKBouton& b : buttons) {
    if (b.image >= CKBouton::kStdUndo) standard = true;
    else if (b.image >= own) own = b.image + 1;
  }
  TBADDBITMAP ours = {inst, static_cast<UINT_PTR>(bitmap)};
  SendMessageA(hwnd_, TB_ADDBITMAP, own, reinterpret_cast<LPARAM>(&ours));
  int stdBase = 0;
  if (standard) {
    TBADDBITMAP std = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    stdBase = static_cast<int>(SendMessageA(hwnd_, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&std)));
  }
  std::vector<TBBUTTON> tb;
  for (const CKBouton& b : buttons) {
    TBBUTTON t = {};
    if (b.image == CKBouton::kSeparator) {
      t.fsStyle = BTNS_SEP;
    } else {
      t.iBitmap = b.image == CKBouton::kStdUndo   ? stdBase + STD_UNDO
                  : b.image == CKBouton::kStdRedo ? stdBase + STD_REDOW
                                                  : b.image;
      t.idCommand = b.command;
      t.fsState = TBSTATE_ENABLED;
      t.fsStyle = b.style;
    }
    tb.push_back(t);
  }
  SendMessageA(hwnd_, TB_ADDBUTTONSA, tb.size(), reinterpret_cast<LPARAM>(tb.data()));
  SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
  return hwnd_;
}

bool CKToolbar::Has(int command) const {
  for (const CKBouton& b : buttons_)
    if (b.command == command && b.image != CKBouton::kSeparator) return true;
  return false;
}

void CKToolbar::Enable(int command, bool on) {
  if (hwnd_ && Has(command) && Enabled(command) != on) SendMessageA(hwnd_, TB_ENABLEBUTTON, command, MAKELPARAM(on, 0));
}

void CKToolbar::Check(int command, bool on) {
  if (hwnd_ && Has(command)) SendMessageA(hwnd_, TB_CHECKBUTTON, command, MAKELPARAM(on, 0));
}

bool CKToolbar::Enabled(int command) const {
  return hwnd_ && SendMessageA(hwnd_, TB_ISBUTTONENABLED, command, 0) != 0;
}

bool CKToolbar::Checked(int command) const {
  return hwnd_ && SendMessageA(hwnd_, TB_ISBUTTONCHECKED, command, 0) != 0;
}

SIZE CKToolbar::IdealSize() const {
  SIZE s = {0, 0};
  if (!hwnd_) return s;
  const int n = static_cast<int>(SendMessageA(hwnd_, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    RECT r;
    if (SendMessageA(hwnd_, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r))) {
      if (r.right > s.cx) s.cx = r.right;
      if (r.bottom > s.cy) s.cy = r.bottom;
    }
  }
  return s;
}
