// The main window: creation, layout, the list's notifications, the commands
// and their states, the menus and the language. The bands' own handling is
// in CMainWindowBands.cpp.
#include "ui/CMainWindow.h"

#include <commctrl.h>

#include <cstdio>

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "os/CNoms.h"
#include "os/CurrentDir.h"
#include "res/resource.h"
#include "ui/CGroupes.h"
#include "ui/CListKeys.h"
#include "ui/CMessages.h"

namespace {

// The first favourite expression's command id.
constexpr int kFirstFavourite = 50000;

}  // namespace

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
    case WM_SIZE: Layout(); return 0;
    case WM_NOTIFY: return OnNotify(reinterpret_cast<NMHDR*>(lp));
    case WM_COMMAND:
      if (lp && OnComboCommand(reinterpret_cast<HWND>(lp), HIWORD(wp))) return 0;
      OnCommand(LOWORD(wp));
      return 0;
    case WM_TIMER:
      if (wp == kTimerRecalc) {
        KillTimer(hwnd_, kTimerRecalc);
        recalcWaiting_ = false;
        list_.RecomputeInBackground(ExpressionText());
      } else if (wp == kTimerGather) {
        list_.GatherStep();
      }
      return 0;
    case WM_VELTO_NAMES: list_.OnBackgroundNames(wp); return 0;
    case WM_VELTO_COLUMNS: list_.KeepNameFirst(); return 0;
    case WM_VELTO_LOADED:
      list_.OnLoaded(wp);
      rebar_.Directory().SetText(CurrentDirectory());
      UpdateCommandStates();
      return 0;
    case WM_INITMENUPOPUP: UpdateCommandStates(); return 0;
    case WM_CONTEXTMENU: OnContextMenu(reinterpret_cast<HWND>(wp), lp); return 0;
    case WM_MENUSELECT: OnMenuSelect(LOWORD(wp), HIWORD(wp)); return 0;
    case WM_EXITMENULOOP: list_.ShowFocusedState(); return 0;
    case WM_SETFOCUS:
      SetFocus(splitter_.DisplayType() == CKSplitter::kSecond ? rebar_.Expression().Edit() : list_.Hwnd());
      return 0;
    case kWmDpiChanged: {
      // Per-monitor aware: take the size the system proposes for the new monitor.
      const RECT* r = reinterpret_cast<const RECT*>(lp);
      SetWindowPos(hwnd_, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY: OnDestroy(); return 0;
    default: return DefWindowProcA(hwnd_, msg, wp, lp);
  }
}

void CMainWindow::OnCreate() {
  NONCLIENTMETRICSA ncm = {};
  ncm.cbSize = sizeof ncm;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0))
    messageFont_.Reset(CreateFontIndirectA(&ncm.lfMessageFont));
  HFONT fixed = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
  HFONT message = messageFont_.Get() ? messageFont_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  rebar_.Create(hwnd_, inst_, IDC_REBAR);
  CConfig& c = Config();
  CKCombo& exp = rebar_.Expression();
  CKCombo& dir = rebar_.Directory();
  CKCombo& fil = rebar_.Filter();
  exp.SetFont(c.ff_c_exp ? fixed : message);
  dir.SetFont(message);
  fil.SetFont(c.ff_c_fil ? fixed : message);
  exp.LoadHistory(c.combo_exp);
  dir.LoadHistory(c.combo_rep);
  fil.LoadHistory(c.combo_fil);
  exp.SetText(c.exp.Get());
  SetWindowSubclass(exp.Edit(), ExpressionKeys, 1, reinterpret_cast<DWORD_PTR>(this));
  completion_.Attach(inst_, hwnd_, exp.Edit(), [this] { ExpressionEdited(); });
  fil.SetText(c.fil.Get());
  status_.Create(hwnd_, inst_, IDC_STATUS);
  list_.Create(hwnd_, inst_, IDC_LIST, true);
  SendMessageA(list_.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(c.ff_lf ? fixed : message), FALSE);
  list_.SetStatusbar(&status_);
  image_.Create(hwnd_, inst_, IDC_IMAGE);
  splitter_.Create(hwnd_, inst_, IDC_SPLITTER, list_.Hwnd(), image_.Hwnd());
  splitter_.SetState(c.sh_type_aff, c.sh_ratio);
  LabelMenu();
  Langue().SetRelabel([this] { Relabel(); });
  UpdateCommandStates();
}

void CMainWindow::Layout() {
  if (!status_.Hwnd()) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  SendMessageA(status_.Hwnd(), WM_SIZE, 0, 0);
  SendMessageA(rebar_.Hwnd(), WM_SIZE, 0, 0);
  status_.Layout();
  RECT sr;
  GetWindowRect(status_.Hwnd(), &sr);
  const int top = rebar_.Height();
  const int bottom = client.bottom - (sr.bottom - sr.top);
  splitter_.Layout(RECT{0, top, client.right, bottom > top ? bottom : top});
}

LRESULT CMainWindow::OnNotify(NMHDR* hdr) {
  switch (hdr->code) {
    case RBN_HEIGHTCHANGE: Layout(); return 0;
    case RBN_CHILDSIZE: {
      NMREBARCHILDSIZE* nm = reinterpret_cast<NMREBARCHILDSIZE*>(hdr);
      if (nm->wID == CRebar::kDirectory) rebar_.Directory().OnChildSize(nm);
      return 0;
    }
    case CBEN_ENDEDITA: {
      const NMCBEENDEDITA* nm = reinterpret_cast<NMCBEENDEDITA*>(hdr);
      OnComboEnd(hdr->hwndFrom, nm->fChanged != FALSE, nm->iWhy);
      return FALSE;
    }
    case CBEN_ENDEDITW: {
      const NMCBEENDEDITW* nm = reinterpret_cast<NMCBEENDEDITW*>(hdr);
      OnComboEnd(hdr->hwndFrom, nm->fChanged != FALSE, nm->iWhy);
      return FALSE;
    }
    case TTN_GETDISPINFOA:
    case TTN_GETDISPINFOW: OnTooltip(hdr); return 0;
    case TBN_DROPDOWN: OnDropDown(reinterpret_cast<NMTOOLBARA*>(hdr)); return TBDDRET_DEFAULT;
    case HDN_ENDDRAG: {
      if (GetParent(hdr->hwndFrom) != list_.Hwnd()) return FALSE;
      // The name stays the first column: a drag of it, or before it, is refused.
      const NMHEADERA* nm = reinterpret_cast<const NMHEADERA*>(hdr);
      if (nm->iItem == 0 || (nm->pitem && (nm->pitem->mask & HDI_ORDER) && nm->pitem->iOrder == 0)) return TRUE;
      PostMessageA(hwnd_, WM_VELTO_COLUMNS, 0, 0);
      return FALSE;
    }
    default: break;
  }
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
    case NM_CUSTOMDRAW: return list_.OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(hdr));
    case NM_CLICK:
    case NM_DBLCLK:  // the second click of a quick pair toggles again
      if (list_.OnClick(reinterpret_cast<NMITEMACTIVATE*>(hdr)->ptAction)) UpdateCommandStates();
      break;
    case NM_RCLICK: OnListRightClick(reinterpret_cast<NMITEMACTIVATE*>(hdr)); return TRUE;
    case LVN_GETINFOTIPA: {
      NMLVGETINFOTIPA* tip = reinterpret_cast<NMLVGETINFOTIPA*>(hdr);
      if (!Config().infotip_nf || tip->iSubItem != 0 || !tip->pszText || tip->cchTextMax <= 0) break;
      const std::string text = list_.InfoTip(tip->iItem);
      if (!text.empty()) lstrcpynA(tip->pszText, text.c_str(), tip->cchTextMax);
      break;
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

std::string CMainWindow::ExpressionText() { return rebar_.Expression().Text(); }

void CMainWindow::OnCommand(int id) {
  if (!Handles(id)) return;  // a command whose handler has not come yet is silently dead
  if (const int group = GroupOfCommand(id); group >= 0) {
    GroupShown(group)->Set(!GroupShown(group)->Get());
    list_.BuildColumns();
    UpdateCommandStates();
    return;
  }
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
    case CMD_RENAME:
      CatchUpWithTyping();
      list_.RunOperation(COpKind::Rename);
      break;
    case CMD_COPY:
      CatchUpWithTyping();
      list_.RunOperation(COpKind::Copy);
      break;
    case CMD_UNDO: list_.Undo(); break;
    case CMD_REDO: list_.Redo(); break;
    case CMD_MANUAL_RENAME: EditFocusedName(); break;
    case CMD_ADD_COMBO: rebar_.Directory().AddIfAbsent(rebar_.Directory().Text(), false); break;
    case CMD_LOCK_BANDS:
      Config().verr_bandes.Set(!Config().verr_bandes);
      rebar_.Lock(Config().verr_bandes);
      break;
    case CMD_INSERT_VALUE:
    case CMD_INSERT_VAR: {
      int row, column;
      if (PointedCell(&row, &column)) InsertPointed(id == CMD_INSERT_VALUE, row, column);
      return;
    }
    case CMD_COMPLETION: completion_.Show(false); break;
    case CMD_SPLIT_UP:
    case CMD_SPLIT_DOWN:
      splitter_.Step(id == CMD_SPLIT_UP);
      splitter_.Relayout();
      if (GetFocus() == list_.Hwnd() && splitter_.DisplayType() == CKSplitter::kSecond)
        SetFocus(rebar_.Expression().Edit());
      break;
    case CMD_NEXT_CONTROL: CycleFocus(+1); break;
    case CMD_PREV_CONTROL: CycleFocus(-1); break;
    default: return;
  }
  if (hwnd_) UpdateCommandStates();
}

// The commands OnCommand carries out; every other menu item stays greyed.
bool CMainWindow::Handles(int id) {
  if (GroupOfCommand(id) >= 0) return true;
  static constexpr int kHandled[] = {
      CMD_EXIT,       CMD_RELOAD,        CMD_SUBDIRS,        CMD_STOP_LOAD,     CMD_PARENT_DIR,   CMD_FILE_DIR,
      CMD_BACK,       CMD_FORWARD,       CMD_ALL,            CMD_NONE,          CMD_INVERT,       CMD_SELECT,
      CMD_UNSELECT,   CMD_SEL_TOGGLE,    CMD_HIGHLIGHT_SEL,  CMD_FIRST_SELECTED, CMD_NEXT_SELECTED, CMD_FIND_NEXT,
      CMD_RECOMPUTE,  CMD_RENAME,        CMD_COPY,           CMD_UNDO,          CMD_REDO,         CMD_MANUAL_RENAME,
      CMD_ADD_COMBO,  CMD_LOCK_BANDS,    CMD_NEXT_CONTROL,   CMD_PREV_CONTROL,  CMD_INSERT_VALUE, CMD_INSERT_VAR,
      CMD_COMPLETION, CMD_SPLIT_UP,      CMD_SPLIT_DOWN};
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

bool CMainWindow::CommandEnabled(int id) {
  switch (id) {
    case CMD_UNDO: return list_.Operations().CanUndo();
    case CMD_REDO: return list_.Operations().CanRedo();
    case CMD_BACK: return list_.History().CanMove(-1);
    case CMD_FORWARD: return list_.History().CanMove(+1);
    case CMD_STOP_LOAD: return list_.Loading();
    default: return Handles(id);
  }
}

// Enables the items of a menu and its submenus whose command can run now.
template <typename F>
static void EnableItems(HMENU menu, F enabled) {
  const int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) {
      EnableItems(sub, enabled);
      continue;
    }
    const UINT id = GetMenuItemID(menu, i);
    if (id != static_cast<UINT>(-1) && id != 0)
      EnableMenuItem(menu, i, MF_BYPOSITION | (enabled(static_cast<int>(id)) ? MF_ENABLED : MF_GRAYED));
  }
}

void CMainWindow::UpdateCommandStates() {
  auto enabled = [this](int id) { return CommandEnabled(id); };
  if (HMENU bar = GetMenu(hwnd_)) {
    EnableItems(bar, enabled);
    CheckMenuItem(bar, CMD_LOCK_BANDS, MF_BYCOMMAND | (Config().verr_bandes ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(bar, CMD_SUBDIRS, MF_BYCOMMAND | (Config().recurse ? MF_CHECKED : MF_UNCHECKED));
  }
  for (CKToolbar* t : rebar_.Toolbars())
    for (const CKBouton& b : t->Buttons())
      if (b.image != CKBouton::kSeparator) t->Enable(b.command, enabled(b.command));
  for (CKToolbar* t : rebar_.Toolbars()) {
    for (int g = kGroupBase; g < kGroupCount; ++g) t->Check(GroupCommand(g), GroupShown(g)->Get());
    t->Check(CMD_SUBDIRS, Config().recurse);
  }
}

void CMainWindow::Relabel() {
  LabelMenu();
  rebar_.Relabel();
  list_.RelabelColumns();
  status_.Layout();
  list_.RefreshStatus();
}

void CMainWindow::OnMenuSelect(int id, UINT flags) {
  if (flags == 0xFFFF) return;  // the menu closed: WM_EXITMENULOOP restores the text
  std::string text;
  if (!(flags & (MF_POPUP | MF_SEPARATOR)) && id > 0) {
    if (id < kFirstFavourite) {
      text = Txt(-id);
    } else if (id - kFirstFavourite < Config().favoris_exp.Count()) {
      char buf[1040];
      std::snprintf(buf, sizeof buf, "%.1024s", Config().favoris_exp.At(id - kFirstFavourite).c_str());
      text = buf;
    }
  }
  status_.SetText(CStatusbar::kText, text);
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
  KillTimer(hwnd_, kTimerRecalc);
  KillTimer(hwnd_, kTimerGather);
  Langue().SetRelabel(nullptr);
  RemoveWindowSubclass(rebar_.Expression().Edit(), ExpressionKeys, 1);
  CConfig& c = Config();
  rebar_.Expression().SaveHistory(c.combo_exp);
  rebar_.Directory().SaveHistory(c.combo_rep);
  rebar_.Filter().SaveHistory(c.combo_fil);
  rebar_.Save();
  list_.CaptureColumns();
  c.sh_type_aff.Set(splitter_.DisplayType());
  c.sh_ratio.Set(splitter_.Ratio());
  list_.StopLoading(false);
  PostQuitMessage(0);
}
