// The completion window, opened from the expression field and driven through
// the message loop's hook, as the keys of a user reach it.
#include "WindowFixture.h"

namespace {

using Groups = std::vector<CCompletion::CGroupe>;

TEST(CompletionText, LinesMakeGroupsAndRows) {
  const Groups g = CCompletion::Parse("%x;before any group\r\n:Base\r\n%f;Name;with ;\r\n%b\r\n\r\n:Exif\n%Xdo;Date\r\n:Empty");
  ASSERT_EQ(g.size(), 3u);
  EXPECT_EQ(g[0].name, "Base");
  ASSERT_EQ(g[0].lines.size(), 2u);
  EXPECT_EQ(g[0].lines[0].variable, "%f");
  EXPECT_EQ(g[0].lines[0].description, "Name;with ;");  // the first ';' splits
  EXPECT_EQ(g[0].lines[1].variable, "%b");
  EXPECT_EQ(g[0].lines[1].description, "");
  EXPECT_EQ(g[1].name, "Exif");
  EXPECT_EQ(g[1].lines[0].description, "Date");
  EXPECT_TRUE(g[2].lines.empty());
  EXPECT_TRUE(CCompletion::Parse("%f;no group\r\n").empty());
}

class Completion : public Window {
 protected:
  void TearDown() override {
    SetKeys(false, false);
    Window::TearDown();
  }
  CCompletion& C() { return win.Completion(); }
  HWND Edit() { return win.Rebar().Expression().Edit(); }
  // The expression with the caret at its end, then Ctrl+Space.
  void TypeAndComplete(const std::string& text) {
    SetFocus(Edit());
    SetWindowTextA(Edit(), text.c_str());
    SendMessageA(Edit(), EM_SETSEL, text.size(), text.size());
    SetKeys(true, false);
    PostMessageA(Edit(), WM_KEYDOWN, VK_SPACE, 1);
    PumpLoop();
    SetKeys(false, false);
  }
  static void SetKeys(bool ctrl, bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
  }
  // A key pressed where the focus is, through the program's message loop.
  void Key(unsigned vk, bool ctrl = false, bool shift = false) {
    SetKeys(ctrl, shift);
    PostMessageA(GetFocus(), WM_KEYDOWN, vk, 1);
    PumpLoop();
    SetKeys(false, false);
  }
  void PumpLoop() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (win.TranslateDialogs(&msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  std::string TabName() {
    char text[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(GetDlgItem(C().Hwnd(), IDC_COMPL_TABS), TCM_GETITEMA, C().CurrentTab(), reinterpret_cast<LPARAM>(&item));
    return text;
  }
  int TabCount() { return static_cast<int>(SendMessageA(GetDlgItem(C().Hwnd(), IDC_COMPL_TABS), TCM_GETITEMCOUNT, 0, 0)); }
};

TEST_F(Completion, OpensOnTheVariableAtTheCaret) {
  const struct {
    const char* typed;
    const char* tab;
    const char* selected;
  } cases[] = {
      {"%b_%Xdo", "Exif", "%Xdo"},
      {"x%AA", "Audio tag", "%AA"},       // not %Aa: variables differ by case
      {"%b_%Xq", "Base", "%f"},           // no such variable: the first tab
      {"plain", "Base", "%f"},            // no '%' before the caret
      {"%dmd{", "Base", "%dmd"},          // the word ends at the first other character
  };
  for (const auto& c : cases) {
    TypeAndComplete(c.typed);
    ASSERT_TRUE(C().Hwnd()) << c.typed;
    EXPECT_EQ(TabName(), c.tab) << c.typed;
    EXPECT_EQ(C().SelectedVariable(), c.selected) << c.typed;
    EXPECT_TRUE(IsChild(C().Hwnd(), GetFocus())) << c.typed;
    C().Close();
  }
}

TEST_F(Completion, KeysMoveBetweenTabsInsertAndClose) {
  SendMessageA(Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("a_b"));
  SendMessageA(Edit(), EM_SETSEL, 1, 2);  // "_" selected: the insertion replaces it
  Cmd(CMD_COMPLETION);
  ASSERT_TRUE(C().Hwnd());
  const int last = TabCount() - 1;
  ASSERT_GT(last, 3);
  EXPECT_EQ(C().CurrentTab(), 0);
  Key(VK_TAB, true, true);  // Ctrl+Shift+Tab wraps to the last tab
  EXPECT_EQ(C().CurrentTab(), last);
  Key(VK_TAB, true);  // Ctrl+Tab wraps back to the first
  EXPECT_EQ(C().CurrentTab(), 0);
  Key(VK_TAB);  // Tab: to the tab control, where the arrows turn the tabs
  const HWND tabs = GetDlgItem(C().Hwnd(), IDC_COMPL_TABS);
  EXPECT_EQ(GetFocus(), tabs);
  Key(VK_LEFT);
  EXPECT_EQ(C().CurrentTab(), last);
  Key(VK_RIGHT);
  Key(VK_RIGHT);
  EXPECT_EQ(C().CurrentTab(), 1);
  EXPECT_EQ(GetFocus(), tabs);
  Key(VK_TAB);  // back to the visible list
  Key(VK_DOWN);
  const std::string variable = C().SelectedVariable();
  ASSERT_FALSE(variable.empty());
  Key(VK_RETURN);
  EXPECT_EQ(win.Rebar().Expression().Text(), "a" + variable + "b");
  Key(VK_ESCAPE);
  EXPECT_FALSE(C().Hwnd());
}

TEST_F(Completion, ReopensWhereItWasClosed) {
  Config().fen_compl_posdim.Set(RECT{static_cast<LONG>(CW_USEDEFAULT), 0, static_cast<LONG>(CW_USEDEFAULT), 0});
  Cmd(CMD_COMPLETION);
  ASSERT_TRUE(C().Hwnd());
  RECT field, placed;
  GetWindowRect(Edit(), &field);
  GetWindowRect(C().Hwnd(), &placed);
  EXPECT_EQ(placed.left, field.left);  // below the expression field
  EXPECT_EQ(placed.top, field.bottom);
  MoveWindow(C().Hwnd(), 40, 50, 420, 330, TRUE);
  C().Close();
  const RECT stored = Config().fen_compl_posdim.Get();
  EXPECT_EQ(stored.left, 40);
  EXPECT_EQ(stored.bottom, 330);
  EXPECT_TRUE(Config().fen_compl_posdim.Modified());
  Cmd(CMD_COMPLETION);
  RECT again;
  GetWindowRect(C().Hwnd(), &again);
  EXPECT_EQ(again.left, 40);
  EXPECT_EQ(again.right - again.left, 420);
  // The owner closing first keeps the rectangle too.
  MoveWindow(C().Hwnd(), 60, 70, 400, 300, TRUE);
  DestroyWindow(win.Hwnd());
  EXPECT_FALSE(C().Hwnd());
  EXPECT_EQ(Config().fen_compl_posdim.Get().left, 60);
}

TEST_F(Completion, FollowsTheLanguageAtTheNextOpening) {
  const int before = Langue().Language();
  Langue().SetLanguage(0, false);
  TypeAndComplete("%Xdo");
  ASSERT_TRUE(C().Hwnd());
  char caption[64] = {};
  GetWindowTextA(C().Hwnd(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Velto - Compl\xe9tion");
  HWND list = GetFocus();
  char description[128] = {};
  LVITEMA item = {};
  item.iSubItem = 1;
  item.pszText = description;
  item.cchTextMax = sizeof description;
  const int row = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(description, "Xif-DateHeureOriginale");
  C().Close();
  Langue().SetLanguage(before, false);
}

}  // namespace
