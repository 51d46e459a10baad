#include "ui/CMainWindow.h"

#include <commctrl.h>

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "os/CNoms.h"
#include "os/CurrentDir.h"
#include "res/resource.h"
#include "ui/CListKeys.h"
#include "ui/CMessages.h"

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
    case WM_VELTO_LOADED:
      list_.OnLoaded(wp);
      UpdateCommandStates();
      return 0;
    case WM_INITMENUPOPUP: UpdateCommandStates(); return 0;
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
  UpdateCommandStates();
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
  if (hdr->hwndFrom != list_.Hwnd()) return 0;
  switch (hdr->code) {
    case LVN_GETDISPINFOA: list_.OnGetDispInfo(reinterpret_cast<NMLVDISPINFOA*>(hdr)); break;
    case LVN_KEYDOWN: {
      const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
      const int id = CListKeys::Command(reinterpret_cast<NMLVKEYDOWN*>(hdr)->wVKey, ctrl, shift);
      if (id && Handles(id)) OnCommand(id);
      break;
    }
    case LVN_ENDLABELEDITA: {
      const LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(hdr)->item;
      // The model holds the names: the list redraws from it, never from the edit.
      if (item.pszText && item.iItem >= 0) list_.RenameInPlace(item.iItem, item.pszText);
      UpdateCommandStates();
      return FALSE;
    }
    case LVN_COLUMNCLICK: list_.SortByColumn(reinterpret_cast<NMLISTVIEW*>(hdr)->iSubItem); break;
    case LVN_ITEMCHANGED: {
      const NMLISTVIEW* nm = reinterpret_cast<NMLISTVIEW*>(hdr);
      if ((nm->uChanged & LVIF_STATE) && (nm->uNewState & LVIS_FOCUSED) && !(nm->uOldState & LVIS_FOCUSED))
        list_.ShowFocusedState();
      break;
    }
    default: break;
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
  std::string current = CurrentDirectory();
  if (!current.empty() && current.back() == '\\') current.pop_back();
  if (current.find('\\') != std::string::npos) list_.Pending().focusName = NomSansChemin(current);
  list_.Pending().threaded = true;
  list_.Pending().addToHistory = true;
  list_.LoadDirectory("..", true);
}

void CMainWindow::Reload() {
  list_.Pending().threaded = true;
  list_.LoadDirectory("", true);
}

std::string CMainWindow::ExpressionText() const {
  // The expression combo's text goes here once the rebar holds the combo;
  // until then the stored expression is the one in force.
  return Config().exp.Get();
}

void CMainWindow::OnCommand(int id) {
  if (!Handles(id)) return;  // a command whose handler has not come yet is silently dead
  switch (id) {
    case CMD_EXIT: DestroyWindow(hwnd_); return;
    case CMD_RELOAD: Reload(); break;
    case CMD_SUBDIRS: list_.ToggleRecursive(); break;
    case CMD_STOP_LOAD: list_.StopLoading(true); break;
    case CMD_PARENT_DIR: LoadParent(); break;
    case CMD_FILE_DIR: list_.LoadFocusedDirectory(); break;
    case CMD_BACK: Navigate(-1); break;
    case CMD_FORWARD: Navigate(+1); break;
    case CMD_ALL: list_.SelectAll(); break;
    case CMD_NONE: list_.UnselectAll(); break;
    case CMD_INVERT: list_.Invert(); break;
    case CMD_SELECT: list_.SelectHighlighted(); break;
    case CMD_UNSELECT: list_.UnselectHighlighted(); break;
    case CMD_SEL_TOGGLE: list_.ToggleHighlighted(); break;
    case CMD_HIGHLIGHT_SEL: list_.HighlightSelected(); break;
    case CMD_FIRST_SELECTED: list_.FocusFirstSelected(); break;
    case CMD_NEXT_SELECTED: list_.FocusNextSelected(); break;
    case CMD_FIND_NEXT: list_.SearchNext(); break;
    case CMD_RECOMPUTE: list_.Recompute(ExpressionText()); break;
    case CMD_RENAME: list_.RunOperation(COpKind::Rename); break;
    case CMD_COPY: list_.RunOperation(COpKind::Copy); break;
    case CMD_UNDO: list_.Undo(); break;
    case CMD_REDO: list_.Redo(); break;
    case CMD_MANUAL_RENAME:
      EditFocusedName();
      break;
    default: return;
  }
  if (hwnd_) UpdateCommandStates();
}

// The commands OnCommand carries out; every other menu item stays greyed.
bool CMainWindow::Handles(int id) {
  static constexpr int kHandled[] = {CMD_EXIT,          CMD_RELOAD,     CMD_SUBDIRS,       CMD_STOP_LOAD,
                                     CMD_PARENT_DIR,    CMD_FILE_DIR,   CMD_BACK,          CMD_FORWARD,
                                     CMD_ALL,           CMD_NONE,       CMD_INVERT,        CMD_SELECT,
                                     CMD_UNSELECT,      CMD_SEL_TOGGLE, CMD_HIGHLIGHT_SEL, CMD_FIRST_SELECTED,
                                     CMD_NEXT_SELECTED, CMD_FIND_NEXT,  CMD_RECOMPUTE,     CMD_RENAME,
                                     CMD_COPY,          CMD_UNDO,       CMD_REDO,          CMD_MANUAL_RENAME};
  for (int h : kHandled)
    if (h == id) return true;
  return false;
}

void CMainWindow::EditFocusedName() {
  const int row = list_.FocusedItem();
  if (row < 0 || list_.Entries()[row].isParent) return;
  SetFocus(list_.Hwnd());
  SendMessageA(list_.Hwnd(), LVM_EDITLABELA, row, 0);
}

// Greys the items of a menu and its submenus whose command has no handler.
static void GreyUnhandled(HMENU menu, bool (*handles)(int)) {
  const int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) {
      GreyUnhandled(sub, handles);
      continue;
    }
    const UINT id = GetMenuItemID(menu, i);
    if (id != static_cast<UINT>(-1) && id != 0 && !handles(static_cast<int>(id)))
      EnableMenuItem(menu, i, MF_BYPOSITION | MF_GRAYED);
  }
}

void CMainWindow::UpdateCommandStates() {
  HMENU bar = GetMenu(hwnd_);
  if (!bar) return;
  GreyUnhandled(bar, &CMainWindow::Handles);
  auto enable = [bar](int id, bool on) { EnableMenuItem(bar, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED)); };
  enable(CMD_UNDO, list_.Operations().CanUndo());
  enable(CMD_REDO, list_.Operations().CanRedo());
  enable(CMD_BACK, list_.History().CanMove(-1));
  enable(CMD_FORWARD, list_.History().CanMove(+1));
  enable(CMD_STOP_LOAD, list_.Loading());
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
