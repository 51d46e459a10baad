#include "ui/CStatusbar.h"

#include <commctrl.h>

#include "config/CMultilangue.h"
#include "os/CKGuards.h"

HWND CStatusbar::Create(HWND parent, HINSTANCE inst, int id) {
  hwnd_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                          parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst, nullptr);
  NONCLIENTMETRICSA ncm = {};
  ncm.cbSize = sizeof ncm;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0))
    font_.Reset(CreateFontIndirectA(&ncm.lfStatusFont));
  if (hwnd_ && font_.Get()) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  Layout();
  return hwnd_;
}

void CStatusbar::Layout() {
  if (!hwnd_) return;
  int widths[3];
  {
    CKWindowDC dc(hwnd_);
    CKSelectObject selected(dc.Get(), font_.Get() ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    // Samples "Oper:999/999", "Sel size:9999.99 XX", "Sel:99999/99999".
    const int samples[3] = {323, 327, 325};
    for (int i = 0; i < 3; ++i) {
      RECT r = {0, 0, 0, 0};
      DrawTextA(dc.Get(), Txt(samples[i]), -1, &r, DT_CALCRECT | DT_SINGLELINE);
      widths[i] = r.right - r.left;
    }
  }
  // Borders: horizontal, vertical, between panes.
  int borders[3] = {0, 0, 0};
  SendMessageA(hwnd_, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
  RECT client;
  GetClientRect(hwnd_, &client);
  // The last pane ends before the size grip; each pane starts where the next
  // one does minus its text and twice the border around a pane's text (the
  // sunken edge and the space between panes).
  const int border = GetSystemMetrics(SM_CXEDGE) + (borders[0] > borders[2] ? borders[0] : borders[2]);
  int right[4];
  right[3] = client.right - GetSystemMetrics(SM_CXVSCROLL);
  for (int i = 2; i >= 0; --i) right[i] = right[i + 1] - widths[i] - 2 * border;
  for (int& edge : right)
    if (edge < 0) edge = 0;
  SendMessageA(hwnd_, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(right));
}

void CStatusbar::SetText(Pane pane, const std::string& text) {
  if (hwnd_) SendMessageA(hwnd_, SB_SETTEXTA, pane, reinterpret_cast<LPARAM>(text.c_str()));
}

CStatusTexts::WorkerWriter CStatusbar::TextWriterForWorker() const {
  const HWND hwnd = hwnd_;
  return [hwnd](const std::string& text) {
    if (!hwnd) return;
    DWORD_PTR ignored = 0;
    // The main thread may be busy waiting for the worker to stop: never block on it.
    SendMessageTimeoutA(hwnd, SB_SETTEXTA, kText, reinterpret_cast<LPARAM>(text.c_str()), SMTO_BLOCK, 200,
                        &ignored);
  };
}

std::string CStatusbar::Text(Pane pane) const {
  if (!hwnd_) return {};
  const int len = LOWORD(SendMessageA(hwnd_, SB_GETTEXTLENGTHA, pane, 0));
  std::string s(len + 1, '\0');
  SendMessageA(hwnd_, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(&s[0]));
  s.resize(len);
  return s;
}
