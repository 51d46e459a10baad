#include "ui/CRebarLabels.h"

#include <commctrl.h>

#include "config/CMultilangue.h"

void LabelBands(HWND rebar, const CKMultilangue& texts) {
  const int count = static_cast<int>(SendMessageA(rebar, RB_GETBANDCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    REBARBANDINFOA band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_LPARAM;
    if (!SendMessageA(rebar, RB_GETBANDINFOA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&band)))
      continue;
    const int id = static_cast<int>(band.lParam);
    if (id <= 0) continue;
    const char* text = texts.Text(id);
    if (!text) continue;
    band.fMask = RBBIM_TEXT;
    band.lpText = const_cast<char*>(text);
    SendMessageA(rebar, RB_SETBANDINFOA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&band));
  }
}
