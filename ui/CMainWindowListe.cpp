// The main window's mouse on the file list (the column header menu, the
// right-click inserts into the expression field) and the expression field's
// own keys.
#include "ui/CMainWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "expr/CColonnes.h"
#include "os/CNoms.h"
#include "res/resource.h"
#include "ui/CGroupes.h"

namespace {

// The shown items of group among the list's possible columns.
std::vector<int> GroupItems(int group) {
  std::vector<int> items;
  for (int item : CListeFic::Columns())
    if (Colonne(item)->group == group) items.push_back(item);
  return items;
}

}  // namespace

HMENU CMainWindow::HeaderMenu(int column) {
  const int item = list_.ItemOfColumn(column);
  HMENU resource = LoadMenuA(inst_, MAKEINTRESOURCEA(IDM_HEADER));
  if (!resource || item < 0) {
    if (resource) DestroyMenu(resource);
    return nullptr;
  }
  // The popup outlives its bar: it leaves the bar before the bar goes.
  HMENU menu = GetSubMenu(resource, 0);
  RemoveMenu(resource, 0, MF_BYPOSITION);
  DestroyMenu(resource);
  const int group = Colonne(item)->group;
  const char* groupName = group == kGroupAlways ? "" : Txt(GroupNameId(GroupCommand(group)));
  const int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    const UINT id = GetMenuItemID(menu, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;
    char text[512];
    std::snprintf(text, sizeof text, Txt(static_cast<int>(id)), groupName);
    ModifyMenuA(menu, i, MF_BYPOSITION | MF_STRING, id, text);
    bool enabled = true;
    switch (id) {
      case CMD_HIDE_COLUMN: enabled = item != kItemNom; break;
      case CMD_HIDE_GROUP_OTHERS:
      case CMD_HIDE_GROUP:
      case CMD_SHOW_GROUP: enabled = group != kGroupAlways; break;
      case CMD_DEFAULT_WIDTH: break;
      default: enabled = false;  // the options dialog and the column copy come later
    }
    EnableMenuItem(menu, i, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
  }
  return menu;
}

void CMainWindow::HeaderCommand(int column, int id) {
  const int item = list_.ItemOfColumn(column);
  if (item < 0) return;
  const int group = Colonne(item)->group;
  const bool groupItem = id == CMD_HIDE_GROUP || id == CMD_HIDE_GROUP_OTHERS || id == CMD_SHOW_GROUP;
  if (groupItem && group == kGroupAlways) return;
  switch (id) {
    case CMD_HIDE_COLUMN: list_.ShowItems({item}, false); break;
    case CMD_HIDE_GROUP: list_.ShowItems(GroupItems(group), false); break;
    case CMD_SHOW_GROUP: list_.ShowItems(GroupItems(group), true); break;
    case CMD_HIDE_GROUP_OTHERS: {
      std::vector<int> others = GroupItems(group);
      others.erase(std::remove(others.begin(), others.end(), item), others.end());
      list_.ShowItems(others, false);
      break;
    }
    case CMD_DEFAULT_WIDTH: list_.SetDefaultWidth(column); break;
    default: break;
  }
}

void CMainWindow::OnContextMenu(HWND from, LPARAM at) {
  // The header's request comes up through the list, named after either.
  const HWND header = reinterpret_cast<HWND>(SendMessageA(list_.Hwnd(), LVM_GETHEADER, 0, 0));
  if (!header || (from != header && from != list_.Hwnd())) return;
  if (at == -1 && from == list_.Hwnd()) {
    // Shift+F10 or the menu key: the Action menu at the focused entry, whose
    // first cell the inserts take.
    const int row = list_.FocusedItem();
    RECT cell = {LVIR_LABEL, 0, 0, 0};
    if (row < 0 || !SendMessageA(list_.Hwnd(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&cell)))
      cell = RECT{0, 0, 0, 0};
    POINT screen = {cell.left, cell.bottom};
    ClientToScreen(list_.Hwnd(), &screen);
    ActionMenu(screen, row, 0);
    return;
  }
  POINT screen = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  if (at == -1) GetCursorPos(&screen);  // from the keyboard
  RECT headerRect;
  GetWindowRect(header, &headerRect);
  if (!PtInRect(&headerRect, screen)) return;
  HDHITTESTINFO hit = {};
  hit.pt = screen;
  ScreenToClient(header, &hit.pt);
  const int column = static_cast<int>(SendMessageA(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (column < 0) return;
  HMENU menu = HeaderMenu(column);
  if (!menu) return;
  const int id = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd_, nullptr);
  DestroyMenu(menu);
  if (id) HeaderCommand(column, id);
}

void CMainWindow::OnListRightClick(const NMITEMACTIVATE* nm) {
  const bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
  if (shift || ctrl) {
    InsertPointed(shift, nm->iItem, nm->iSubItem);
    return;
  }
  POINT screen = nm->ptAction;
  ClientToScreen(list_.Hwnd(), &screen);
  ActionMenu(screen, nm->iItem, nm->iSubItem);
}

void CMainWindow::ActionMenu(POINT screen, int row, int column) {
  HMENU bar = GetMenu(hwnd_);
  HMENU action = bar ? GetSubMenu(bar, 5) : nullptr;
  if (!action) return;
  UpdateCommandStates();
  // The inserts take the cell the menu was opened on, not the one under the menu item.
  const int id = TrackPopupMenu(action, TPM_RIGHTBUTTON | TPM_RETURNCMD, screen.x, screen.y, 0, hwnd_, nullptr);
  if (id == CMD_INSERT_VALUE || id == CMD_INSERT_VAR) InsertPointed(id == CMD_INSERT_VALUE, row, column);
  else if (id) OnCommand(id);
}

bool CMainWindow::PointedCell(int* row, int* column) {
  LVHITTESTINFO hit = {};
  GetCursorPos(&hit.pt);
  ScreenToClient(list_.Hwnd(), &hit.pt);
  *row = static_cast<int>(SendMessageA(list_.Hwnd(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  *column = hit.iSubItem;
  return *row >= 0;
}

void CMainWindow::InsertPointed(bool value, int row, int column) {
  const int item = list_.ItemOfColumn(column);
  if (item < 0) return;
  std::string text;
  if (value) {
    if (row < 0 || row >= list_.Model().Count()) return;
    text = list_.CellText(row, column);
  } else {
    const char* variable = Colonne(item)->variable;
    if (!variable) return;  // the future name has none
    text = variable;
  }
  const HWND edit = rebar_.Expression().Edit();
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  SetFocus(edit);
}

LRESULT CALLBACK CMainWindow::ExpressionKeys(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                             DWORD_PTR self) {
  if (reinterpret_cast<CMainWindow*>(self)->OnExpressionKey(edit, msg, wp)) return 0;
  return DefSubclassProc(edit, msg, wp, lp);
}

// Ctrl+Shift+I inserts the focused entry's name, Ctrl+Shift+B doubles the
// backslashes of the selected text; Ctrl+Space and a right click open the
// completion window on the variable at the caret. True for a message taken
// here.
bool CMainWindow::OnExpressionKey(HWND edit, UINT msg, WPARAM wp) {
  const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
  switch (msg) {
    case WM_SETFOCUS: status_.SetText(CStatusbar::kText, Txt(27)); return false;
    case WM_KILLFOCUS: list_.ShowFocusedState(); return false;
    case WM_CONTEXTMENU: completion_.Show(true); return true;
    case WM_CHAR:
      // The characters these keys would type: Tab, Ctrl+B's and a space.
      return ctrl && (wp == 0x09 || wp == 0x02 || wp == ' ');
    case WM_KEYDOWN: break;
    default: return false;
  }
  if (ctrl && !shift && wp == VK_SPACE) {
    completion_.Show(true);
    return true;
  }
  if (!ctrl || !shift) return false;
  if (wp == 'I') {
    const int row = list_.FocusedItem();
    if (row < 0 || row >= list_.Model().Count() || list_.Entries()[row].isParent) return true;
    const std::string name = NomSansChemin(list_.Entries()[row].name);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(name.c_str()));
    return true;
  }
  if (wp == 'B') {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::string text = rebar_.Expression().Text();
    if (start >= end || end > text.size()) return true;
    std::string doubled;
    for (size_t i = start; i < end; ++i) {
      doubled += text[i];
      if (text[i] == '\\') doubled += '\\';
    }
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(doubled.c_str()));
    return true;
  }
  return false;
}
