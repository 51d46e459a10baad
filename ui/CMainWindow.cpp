#include "ui/CMainWindow.h"

#include <commctrl.h>

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "res/resource.h"

bool CMainWindow::Create(HINSTANCE inst, const std::string& title) {
  inst_ = inst;
  HICON icon = LoadIconA(inst, MAKEINTRESOURCEA(IDI_VELTO));
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExA(inst, kClassName, &existing) &&
      !Register(inst, kClassName, icon, MAKEINTRESOURCEA(IDM_MAIN), COLOR_WINDOW + 1))
    return false;
  const RECT& r = Config().fen_princ_posdim.Get();  // left, top, width, height
  const bool placed = r.left != static_cast<LONG>(CW_USEDEFAULT);
  const int cx = placed && r.right > 0 ? r.right : 900;
  const int cy = placed && r.bottom > 0 ? r.bottom : 650;
  if (!CKFenetre::Create(kClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
                         placed ? r.left : CW_USEDEFAULT, placed ? r.top : CW_USEDEFAULT, cx, cy,
                         nullptr, nullptr, inst))
    return false;
  if (!placed) {
    // No stored position: centre the window in the work area.
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - cx) / 2,
                 work.top + (work.bottom - work.top - cy) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
  return true;
}

void CMainWindow::Show(int showCommand, bool maximised) {
  ShowWindow(hwnd_, maximised ? SW_SHOWMAXIMIZED : showCommand);
  UpdateWindow(hwnd_);
}

LRESULT CMainWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_SIZE: OnSize(LOWORD(lp), HIWORD(lp)); return 0;
    case WM_NOTIFY: return OnNotify(reinterpret_cast<NMHDR*>(lp));
    case WM_COMMAND: OnCommand(LOWORD(wp)); return 0;
    case WM_VELTO_LOADED: list_.OnLoaded(wp); return 0;
    case WM_SETFOCUS: SetFocus(list_.Hwnd()); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    default: return DefWindowProcA(hwnd_, msg, wp, lp);
  }
}

void CMainWindow::OnCreate() {
  status_.Create(hwnd_, inst_, IDC_STATUS);
  list_.Create(hwnd_, inst_, IDC_LIST, true);
  list_.SetStatusbar(&status_);
  LabelMenu();
}

void CMainWindow::OnSize(int cx, int cy) {
  if (!status_.Hwnd()) return;
  SendMessageA(status_.Hwnd(), WM_SIZE, 0, 0);
  status_.Layout();
  RECT sr;
  GetWindowRect(status_.Hwnd(), &sr);
  const int statusHeight = sr.bottom - sr.top;
  MoveWindow(list_.Hwnd(), 0, 0, cx, cy > statusHeight ? cy - statusHeight : 0, TRUE);
}

LRESULT CMainWindow::OnNotify(NMHDR* hdr) {
  if (hdr->hwndFrom == list_.Hwnd() && hdr->code == LVN_GETDISPINFOA) {
    list_.OnGetDispInfo(reinterpret_cast<NMLVDISPINFOA*>(hdr));
    return 0;
  }
  return 0;
}

void CMainWindow::Navigate(int delta) {
  std::string dir;
  if (!list_.History().Move(delta, dir)) return;
  list_.Pending().threaded = true;
  list_.Pending().addToHistory = false;
  list_.LoadDirectory(dir, true);
}

void CMainWindow::LoadParent() {
  list_.Pending().threaded = true;
  list_.Pending().addToHistory = true;
  list_.LoadDirectory("..", true);
}

void CMainWindow::OnCommand(int id) {
  switch (id) {
    case CMD_EXIT: DestroyWindow(hwnd_); break;
    case CMD_RELOAD:
      list_.Pending().threaded = true;
      list_.LoadDirectory("", true);
      break;
    case CMD_STOP_LOAD: list_.StopLoading(true); break;
    case CMD_PARENT_DIR: LoadParent(); break;
    case CMD_BACK: Navigate(-1); break;
    case CMD_FORWARD: Navigate(+1); break;
    default: break;
  }
}

// The menu resource carries placeholders; the texts come from the table.
void CMainWindow::LabelMenu() {
  HMENU bar = GetMenu(hwnd_);
  if (!bar) return;
  Langue().LabelMenu(bar, 5000, hwnd_);
  Langue().LabelMenuItem(GetSubMenu(bar, 1), 0, 40024);
  DrawMenuBar(hwnd_);
}

void CMainWindow::OnDestroy() {
  // Remember the normal placement and the maximised state for the next run.
  WINDOWPLACEMENT wp = {};
  wp.length = sizeof wp;
  if (GetWindowPlacement(hwnd_, &wp) && IsWindowVisible(hwnd_)) {
    const RECT& n = wp.rcNormalPosition;
    Config().fen_princ_posdim.Set(RECT{n.left, n.top, n.right - n.left, n.bottom - n.top});
    Config().fen_princ_au_max.Set(wp.showCmd == SW_SHOWMAXIMIZED || IsZoomed(hwnd_));
  }
  list_.StopLoading(false);
  PostQuitMessage(0);
}
