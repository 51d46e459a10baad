// The main window under Wine on a scratch directory, created in the test
// process and driven by messages and command ids as a user would drive it.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "TempTree.h"
#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "res/resource.h"
#include "support/CDialogDriver.h"
#include "os/CurrentDir.h"
#include "ui/CMainWindow.h"

using Orders = std::map<std::string, int>;  // name -> selection order, selected entries only

class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_LISTVIEW_CLASSES | ICC_COOL_CLASSES |
                                                  ICC_USEREX_CLASSES};
    InitCommonControlsEx(&icc);
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    previous_ = cwd;
    CConfig& c = Config();
    c.recurse.Set(false);
    c.exp.Set("");
    c.recalc_imm.Set(false);
    c.verr_bandes.Set(false);
    c.rebar.Assign({});
    for (CKProfileList* history : {&c.combo_exp, &c.combo_rep, &c.combo_fil}) history->Assign({});
    c.fil.Set("");
    c.colonne.list.Assign({});
    c.colonne.RebuildMap();
    c.grp_auto.Set(true);
    c.col_util.Set(true);
    c.aff_grp_base.Set(true);
    for (CKProfile<bool>* g : {&c.aff_grp_audio, &c.aff_grp_id3v1, &c.aff_grp_audtag, &c.aff_grp_video,
                               &c.aff_grp_vidtag, &c.aff_grp_img, &c.aff_grp_exif, &c.aff_grp_iptc, &c.aff_grp_doc,
                               &c.aff_grp_exe})
      g->Set(false);
    c.tri_subitem.Set(0);
    c.tri_asc.Set(true);
    c.tri_xp.Set(true);
    for (const char* n : {"a.txt", "b.txt", "c.txt", "d.txt"}) tree.File(n, std::string("data of ") + n);
    tree.Dir("sub");
    tree.File("sub\\e.txt", "data of e");
    ASSERT_TRUE(win.Create(GetModuleHandleA(nullptr), "Velto"));
    CListeFic& l = win.List();
    l.Pending().threaded = false;
    l.Pending().addToHistory = true;
    ASSERT_EQ(l.LoadDirectory(tree.Root(), false), 0);
    ASSERT_GT(l.Model().Count(), 0);
  }
  void TearDown() override {
    if (win.Hwnd()) DestroyWindow(win.Hwnd());
    Pump();
    SetCurrentDirectoryA(previous_.c_str());
  }

  CListeFic& List() { return win.List(); }
  // Types text into a combo's edit field as the user would, then presses
  // Enter when asked, and waits for a load it starts.
  void Type(CKCombo& combo, const std::string& text, bool enter) {
    SetFocus(combo.Edit());
    SetWindowTextA(combo.Edit(), text.c_str());
    if (enter) {
      SendMessageA(combo.Edit(), WM_KEYDOWN, VK_RETURN, 1);
      SendMessageA(combo.Edit(), WM_KEYUP, VK_RETURN, 0xC0000001);
    }
    Cmd(0);
  }
  std::string Future(const std::string& name) { return List().Entries()[Row(name)].futureName; }
  static void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  // Sends a command and waits for the load it may have started.
  void Cmd(int id) {
    SendMessageA(win.Hwnd(), WM_COMMAND, id, 0);
    const DWORD start = GetTickCount();
    while (List().Loading() && GetTickCount() - start < 20000) {
      Pump();
      Sleep(2);
    }
    Pump();
    ASSERT_FALSE(List().Loading());
  }
  int Row(const std::string& name) {
    const auto& e = List().Entries();
    for (size_t i = 0; i < e.size(); ++i)
      if (e[i].name == name) return static_cast<int>(i);
    return -1;
  }
  void Highlight(const std::vector<std::string>& names) {
    std::vector<int> rows;
    for (const auto& n : names) rows.push_back(Row(n));
    List().SetHighlight(rows);
  }
  void Focus(const std::string& name) { List().SetFocusItem(Row(name)); }
  std::string Focused() {
    const int f = List().FocusedItem();
    return f < 0 ? std::string("<none>") : List().Entries()[f].name;
  }
  std::vector<std::string> HighlightedNames() {
    std::vector<std::string> names;
    for (int r : List().HighlightedRows()) names.push_back(List().Entries()[r].name);
    return names;
  }
  Orders Selected() {
    Orders o;
    for (const auto& e : List().Entries())
      if (e.selOrder >= 0) o[e.name] = e.selOrder;
    return o;
  }
  // Selects names one at a time, so the order is the given one.
  void SelectInOrder(const std::vector<std::string>& names) {
    for (const auto& n : names) {
      Highlight({n});
      Cmd(CMD_SELECT);
    }
  }
  bool Enabled(int id) {
    const UINT state = GetMenuState(GetMenu(win.Hwnd()), id, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
  }
  // Types a key into the list as the user would, and waits for a load it starts.
  void ListKey(unsigned vk) {
    SetFocus(List().Hwnd());
    SendMessageA(List().Hwnd(), WM_KEYDOWN, vk, 1);
    SendMessageA(List().Hwnd(), WM_KEYUP, vk, 0xC0000001);
    Cmd(0);
  }
  std::string OperCounter() { return win.Status().Text(CStatusbar::kOper); }
  static std::string Oper(int pos, int count) {
    char text[64];
    std::snprintf(text, sizeof text, Txt(322), pos, count);
    return text;
  }

  TempTree tree;
  CMainWindow win;

 private:
  std::string previous_;
};
