// The directory combo: a combo whose band also holds a one-button toolbar
// (Add the directory to the list) at its right end.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/CKCombo.h"
#include "ui/CKToolbar.h"

class CKComboRep : public CKCombo {
 public:
  // The combo and the button are both children of parent (the rebar).
  HWND Create(HWND parent, HINSTANCE inst, int id, int buttonId, int bitmap, int command, int height);
  CKToolbar& Button() { return button_; }
  // The band's child area changed: the combo keeps all of it but the
  // button's width, and the button goes to the right of the combo.
  void OnChildSize(NMREBARCHILDSIZE* nm);

 private:
  CKToolbar button_;
};
