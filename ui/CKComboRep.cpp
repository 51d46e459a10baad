#include "ui/CKComboRep.h"

HWND CKComboRep::Create(HWND parent, HINSTANCE inst, int id, int buttonId, int bitmap, int command, int height) {
  if (!CKCombo::Create(parent, inst, id, MAX_PATH, height)) return nullptr;
  button_.Create(parent, inst, buttonId, bitmap, 12, {{command, 0, BTNS_BUTTON}});
  return Hwnd();
}

void CKComboRep::OnChildSize(NMREBARCHILDSIZE* nm) {
  const SIZE s = button_.IdealSize();
  RECT& c = nm->rcChild;
  const int width = s.cx + 2;
  if (c.right - c.left > width) c.right -= width;
  if (button_.Hwnd())
    SetWindowPos(button_.Hwnd(), nullptr, c.right + 2, c.top, s.cx, s.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}
