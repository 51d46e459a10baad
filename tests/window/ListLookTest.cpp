// The file list's looks and mouse, its header menu and the expression
// field's keys, driven by messages as a user would.
#include "WindowFixture.h"

#include <cmath>

#include "expr/CColonnes.h"
#include "ui/CEngineOptions.h"

namespace {

// The background the main window asks the list to paint row with.
COLORREF PaintedBackground(HWND main, HWND list, int row) {
  NMLVCUSTOMDRAW draw = {};
  draw.nmcd.hdr.hwndFrom = list;
  draw.nmcd.hdr.idFrom = IDC_LIST;
  draw.nmcd.hdr.code = NM_CUSTOMDRAW;
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
  draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
  draw.clrTextBk = CLR_DEFAULT;
  SendMessageA(main, WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&draw));
  return draw.clrTextBk;
}

}  // namespace

TEST_F(Window, RowsTakeTheColourOfTheirState) {
  Focus("b.txt");
  CDialogWatcher watcher(IDOK, 15000, GetCurrentProcessId());
  List().RenameInPlace(Row("b.txt"), "c.txt");  // fails: c.txt exists
  watcher.Stop();
  ASSERT_TRUE(watcher.Join());
  SelectInOrder({"b.txt", "c.txt", "d.txt"});
  const COLORREF error[2] = {RGB(252, 120, 100), RGB(252, 100, 80)};  // even, odd
  const COLORREF selected[2] = {RGB(210, 252, 255), RGB(210, 232, 235)};
  const struct {
    const char* name;
    const COLORREF* colours;  // nullptr: the default
  } rows[] = {{"a.txt", nullptr}, {"b.txt", error}, {"c.txt", selected}, {"d.txt", selected}};
  for (const auto& r : rows) {
    const int row = Row(r.name);
    const COLORREF want = r.colours ? r.colours[row % 2] : CLR_DEFAULT;
    EXPECT_EQ(PaintedBackground(win.Hwnd(), List().Hwnd(), row), want) << r.name << " row " << row;
  }
}

TEST_F(Window, AClickOnTheCheckMarkTogglesTheSelection) {
  ShowWindow(win.Hwnd(), SW_SHOW);
  const int row = Row("c.txt");
  RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
  ASSERT_TRUE(SendMessageA(List().Hwnd(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds)));
  POINT at = {-1, (bounds.top + bounds.bottom) / 2};
  for (int x = bounds.left; x < bounds.left + 40 && at.x < 0; ++x) {
    LVHITTESTINFO hit = {};
    hit.pt = {x, at.y};
    if (SendMessageA(List().Hwnd(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == row &&
        (hit.flags & LVHT_ONITEMSTATEICON))
      at.x = x;
  }
  ASSERT_GE(at.x, 0) << "no check mark drawn";
  auto click = [&](POINT p) {
    SendMessageA(List().Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    SendMessageA(List().Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    Cmd(0);
  };
  click(at);
  EXPECT_EQ(Selected(), (Orders{{"c.txt", 0}}));
  EXPECT_NE(win.Status().Text(CStatusbar::kSel).find("1/"), std::string::npos);
  click(POINT{bounds.right - 5, at.y});  // on the row, away from the mark
  EXPECT_EQ(Selected(), (Orders{{"c.txt", 0}}));
  click(at);
  EXPECT_TRUE(Selected().empty());
}

namespace {

struct HeaderItem {
  int id;
  bool enabled;
};

std::vector<HeaderItem> HeaderStates(CMainWindow& win, int column) {
  std::vector<HeaderItem> states;
  HMENU menu = win.HeaderMenu(column);
  if (!menu) return states;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    const UINT id = GetMenuItemID(menu, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;
    const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
    states.push_back({static_cast<int>(id), !(state & (MF_GRAYED | MF_DISABLED))});
  }
  DestroyMenu(menu);
  return states;
}

int ColumnOf(CListeFic& list, int item) {
  const auto& shown = list.ShownItems();
  for (size_t i = 0; i < shown.size(); ++i)
    if (shown[i] == item) return static_cast<int>(i);
  return -1;
}

}  // namespace

TEST_F(Window, TheHeaderMenuOffersWhatTheColumnAllows) {
  const struct {
    int item;
    std::vector<int> enabled;
  } cases[] = {
      {kItemNom, {CMD_DEFAULT_WIDTH}},
      {kItemNomFutur, {CMD_HIDE_COLUMN, CMD_DEFAULT_WIDTH}},
      {kItemType, {CMD_HIDE_COLUMN, CMD_HIDE_GROUP_OTHERS, CMD_HIDE_GROUP, CMD_SHOW_GROUP, CMD_DEFAULT_WIDTH}},
  };
  for (const auto& c : cases) {
    std::vector<int> enabled;
    const std::vector<HeaderItem> states = HeaderStates(win, ColumnOf(List(), c.item));
    EXPECT_EQ(states.size(), 7u) << c.item;
    for (const HeaderItem& s : states)
      if (s.enabled) enabled.push_back(s.id);
    EXPECT_EQ(enabled, c.enabled) << "item " << c.item;
  }
  HMENU menu = win.HeaderMenu(ColumnOf(List(), kItemType));
  char text[256] = "";
  GetMenuStringA(menu, CMD_HIDE_GROUP, text, sizeof text, MF_BYCOMMAND);
  DestroyMenu(menu);
  char expected[256];
  std::snprintf(expected, sizeof expected, Txt(CMD_HIDE_GROUP), Txt(268));
  EXPECT_STREQ(text, expected);
}

TEST_F(Window, HiddenColumnsStayHiddenAcrossARestart) {
  const std::vector<int> all = List().ShownItems();
  ASSERT_NE(ColumnOf(List(), kItemTaille), -1);
  win.HeaderCommand(ColumnOf(List(), kItemTaille), CMD_HIDE_COLUMN);
  EXPECT_EQ(ColumnOf(List(), kItemTaille), -1);
  EXPECT_EQ(List().ShownItems().size(), all.size() - 1);
  EXPECT_EQ(SendMessageA(reinterpret_cast<HWND>(SendMessageA(List().Hwnd(), LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT,
                         0, 0),
            static_cast<LRESULT>(all.size() - 1));
  win.HeaderCommand(0, CMD_HIDE_COLUMN);  // the name stays
  EXPECT_EQ(List().ShownItems().front(), kItemNom);
  // The cells follow their columns.
  const int row = Row("a.txt"), typeColumn = ColumnOf(List(), kItemType);
  EXPECT_EQ(List().CellText(row, typeColumn), List().Entries()[row].ItemText(kItemType));

  DestroyWindow(win.Hwnd());
  CMainWindow again;
  ASSERT_TRUE(again.Create(GetModuleHandleA(nullptr), "Velto"));
  again.List().Pending().threaded = false;
  ASSERT_EQ(again.List().LoadDirectory(tree.Root(), false), 0);
  EXPECT_EQ(ColumnOf(again.List(), kItemTaille), -1);
  EXPECT_EQ(again.List().ShownItems().size(), all.size() - 1);

  again.HeaderCommand(ColumnOf(again.List(), kItemType), CMD_HIDE_GROUP_OTHERS);
  EXPECT_EQ(again.List().ShownItems(), (std::vector<int>{kItemNom, kItemNomFutur, kItemSel, kItemType}));
  again.HeaderCommand(ColumnOf(again.List(), kItemType), CMD_SHOW_GROUP);
  EXPECT_EQ(again.List().ShownItems(), all);
  DestroyWindow(again.Hwnd());
}

TEST_F(Window, RightClickWithShiftOrCtrlInsertsAtTheCaret) {
  const HWND edit = win.Rebar().Expression().Edit();
  const int row = Row("a.txt");
  const struct {
    BYTE key;
    int item;
    std::string inserted;
  } cases[] = {
      {VK_SHIFT, kItemNom, "a.txt"},
      {VK_CONTROL, kItemNom, "%f"},
      {VK_CONTROL, kItemTaille, "%s"},
      {VK_CONTROL, kItemNomFutur, ""},  // the future name has no variable
  };
  for (const auto& c : cases) {
    SetWindowTextA(edit, "[]");
    SendMessageA(edit, EM_SETSEL, 1, 1);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[c.key] = 0x80;
    SetKeyboardState(keys);
    NMITEMACTIVATE nm = {};
    nm.hdr = {List().Hwnd(), IDC_LIST, static_cast<UINT>(NM_RCLICK)};
    nm.iItem = row;
    nm.iSubItem = ColumnOf(List(), c.item);
    SendMessageA(win.Hwnd(), WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&nm));
    keys[c.key] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(win.Rebar().Expression().Text(), "[" + c.inserted + "]") << c.item;
  }
}

namespace {

// Presses Ctrl+Shift+key in edit: the key down and the character it types.
void CtrlShift(HWND edit, char key) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  SendMessageA(edit, WM_KEYDOWN, key, 1);
  SendMessageA(edit, WM_CHAR, key - 'A' + 1, 1);
  SendMessageA(edit, WM_KEYUP, key, 0xC0000001);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

}  // namespace

TEST_F(Window, CtrlShiftBDoublesTheSelectedBackslashes) {
  const HWND edit = win.Rebar().Expression().Edit();
  const struct {
    const char* text;
    int from, to;
    const char* after;
  } cases[] = {
      {"C:\\temp\\", 0, -1, "C:\\\\temp\\\\"},
      {"C:\\temp\\", 3, 3, "C:\\temp\\"},  // no selection: nothing
      {"a\\b\\c", 2, 5, "a\\b\\\\c"},
      {"%n\\\\", 0, -1, "%n\\\\\\\\"},
  };
  for (const auto& c : cases) {
    SetWindowTextA(edit, c.text);
    SendMessageA(edit, EM_SETSEL, c.from, c.to);
    CtrlShift(edit, 'B');
    EXPECT_EQ(win.Rebar().Expression().Text(), c.after) << c.text;
  }
}

TEST_F(Window, CtrlShiftIInsertsTheFocusedNameWithoutItsDirectory) {
  Cmd(CMD_SUBDIRS);
  ASSERT_GE(Row("sub\\e.txt"), 0);
  const HWND edit = win.Rebar().Expression().Edit();
  const struct {
    const char* focused;
    const char* after;
  } cases[] = {{"sub\\e.txt", "%n_e.txt_"}, {"b.txt", "%n_b.txt_"}};
  for (const auto& c : cases) {
    Focus(c.focused);
    SetWindowTextA(edit, "%n__");
    SendMessageA(edit, EM_SETSEL, 3, 3);
    CtrlShift(edit, 'I');
    EXPECT_EQ(win.Rebar().Expression().Text(), c.after) << c.focused;
  }
}

TEST_F(Window, TheExpressionFieldShowsItsHelpWhileFocused) {
  ShowWindow(win.Hwnd(), SW_SHOW);
  SetFocus(List().Hwnd());
  Focus("c.txt");
  List().ShowFocusedState();
  const std::string normal = win.Status().Text(CStatusbar::kText);
  ASSERT_NE(normal, Txt(27));
  SetFocus(win.Rebar().Expression().Edit());
  EXPECT_EQ(win.Status().Text(CStatusbar::kText), Txt(27));
  SetFocus(List().Hwnd());
  EXPECT_EQ(win.Status().Text(CStatusbar::kText), normal);
}

namespace {

// A 2 x 1 pixel, 24-bit Windows bitmap.
std::string TinyBitmap() {
  const unsigned char bytes[] = {
      'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                 // file header
      40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,  // info header
      8, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
      255, 0, 0, 0, 255, 0, 0, 0};  // two pixels and the row padding
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

}  // namespace

TEST_F(Window, ColumnGroupsFollowTheirButtonsAndTheUsedColumns) {
  InstallMetadataHook();  // as the program does at start-up
  tree.File("pic.bmp", TinyBitmap());
  Cmd(CMD_RELOAD);
  CKToolbar& groups = *win.Rebar().Toolbars()[2];
  auto groupColumns = [&](int group) {
    std::vector<int> items;
    for (int item : List().ShownItems())
      if (Colonne(item)->group == group) items.push_back(item);
    return items;
  };
  auto imageColumns = [&] { return groupColumns(kGroupImage); };
  std::vector<int> used;
  for (int item = 0; item < kItemCount; ++item)
    if (Colonne(item)->group == kGroupImage && List().ItemUsed(item)) used.push_back(item);
  ASSERT_FALSE(used.empty());
  // grp_auto: the image group is shown, with its used columns only.
  EXPECT_TRUE(Config().aff_grp_img.Get());
  EXPECT_FALSE(Config().aff_grp_audio.Get());
  EXPECT_TRUE(SendMessageA(groups.Hwnd(), TB_ISBUTTONCHECKED, CMD_GRP_IMG, 0));
  EXPECT_EQ(imageColumns(), used);
  // Its button hides them, and shows them again.
  Cmd(CMD_GRP_IMG);
  EXPECT_FALSE(Config().aff_grp_img.Get());
  EXPECT_FALSE(SendMessageA(groups.Hwnd(), TB_ISBUTTONCHECKED, CMD_GRP_IMG, 0));
  EXPECT_TRUE(imageColumns().empty());
  Cmd(CMD_GRP_IMG);
  EXPECT_EQ(imageColumns(), used);
  // A shown group without values shows no column, unless col_util is off.
  Cmd(CMD_GRP_EXIF);
  EXPECT_TRUE(Config().aff_grp_exif.Get());
  EXPECT_TRUE(groupColumns(kGroupExif).empty());
  Config().col_util.Set(false);
  List().BuildColumns();
  EXPECT_GT(groupColumns(kGroupExif).size(), 10u);
  Config().col_util.Set(true);
  List().BuildColumns();
  EXPECT_TRUE(groupColumns(kGroupExif).empty());
  // Without grp_auto a reload keeps the user's choice.
  Cmd(CMD_GRP_IMG);
  Config().grp_auto.Set(false);
  Cmd(CMD_RELOAD);
  EXPECT_FALSE(Config().aff_grp_img.Get());
  Config().grp_auto.Set(true);
  Cmd(CMD_RELOAD);
  EXPECT_TRUE(Config().aff_grp_img.Get());
  // The base group hides the base columns only; the always-shown ones stay.
  Cmd(CMD_GRP_BASE);
  for (int item : List().ShownItems()) EXPECT_NE(Colonne(item)->group, kGroupBase) << item;
  EXPECT_EQ(ColumnOf(List(), kItemNomFutur), 1);
}

namespace {

// Picks the first item of the popup menu open when the timer fires, by the
// keys a user would press.
void CALLBACK PickFirstMenuItem(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const HWND menu = FindWindowA("#32768", nullptr);
  if (!menu) return;
  PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
}

}  // namespace

TEST_F(Window, ARightClickOnAHeaderOpensItsMenu) {
  ShowWindow(win.Hwnd(), SW_SHOW);
  const HWND header = reinterpret_cast<HWND>(SendMessageA(List().Hwnd(), LVM_GETHEADER, 0, 0));
  const int column = ColumnOf(List(), kItemTaille);
  ASSERT_GT(column, 0);
  RECT r;
  ASSERT_TRUE(SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&r)));
  POINT at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(header, &at);
  SetTimer(nullptr, 0, 100, PickFirstMenuItem);
  SendMessageA(header, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(header), MAKELPARAM(at.x, at.y));
  EXPECT_EQ(ColumnOf(List(), kItemTaille), -1);  // Hide, the first item
}

TEST_F(Window, ShiftF10OpensTheActionMenuOnTheFocusedEntry) {
  ShowWindow(win.Hwnd(), SW_SHOW);
  Focus("b.txt");
  SetTimer(nullptr, 0, 100, PickFirstMenuItem);
  SendMessageA(List().Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List().Hwnd()), -1);
  EXPECT_EQ(win.Rebar().Expression().Text(), "%f");  // Insert variable, on the name column
}

TEST(SplitterArithmetic, TypesRatiosAndBarPositions) {
  const double nan = std::nan("");
  const struct {
    int type;
    double ratio;
    int total, first;
  } cases[] = {
      {1, 0.75, 408, 300}, {0, 0.75, 408, 0}, {2, 0.75, 408, 400}, {7, 0.5, 408, 200},  // unknown type: both
      {1, 3.0, 408, 400},  {1, -1.0, 408, 0}, {1, nan, 408, 0},    {1, 0.75, 5, 0},     // smaller than the bar
  };
  for (const auto& c : cases) {
    CKSplitter s;
    s.SetState(c.type, c.ratio);
    EXPECT_EQ(s.FirstHeight(c.total), c.first) << c.type << " " << c.ratio << " " << c.total;
  }
  CKSplitter s;
  s.SetState(CKSplitter::kSecond, 0.5);
  EXPECT_FALSE(s.PlaceBar(401, 408));  // past the room left to the panes: refused
  EXPECT_FALSE(s.PlaceBar(-1, 408));
  EXPECT_EQ(s.DisplayType(), CKSplitter::kSecond);
  EXPECT_TRUE(s.PlaceBar(100, 408));
  EXPECT_EQ(s.DisplayType(), CKSplitter::kBoth);
  EXPECT_DOUBLE_EQ(s.Ratio(), 0.25);
  s.SetTwoPaneSwitch(false);
  s.SetState(CKSplitter::kFirst, 0.5);
  EXPECT_TRUE(s.PlaceBar(400, 408));
  EXPECT_EQ(s.DisplayType(), CKSplitter::kFirst);
  const int up[] = {CKSplitter::kBoth, CKSplitter::kSecond, CKSplitter::kSecond};
  for (int expected : up) {
    s.Step(true);
    EXPECT_EQ(s.DisplayType(), expected);
  }
}

TEST_F(Window, TheSplitterBarIsDraggedAndSteppedAndKept) {
  Config().sh_type_aff.Set(1);
  Config().sh_ratio.Set(0.75);
  DestroyWindow(win.Hwnd());
  ASSERT_TRUE(win.Create(GetModuleHandleA(nullptr), "Velto"));
  MoveWindow(win.Hwnd(), 0, 0, 800, 600, TRUE);
  const HWND bar = GetDlgItem(win.Hwnd(), IDC_SPLITTER), image = GetDlgItem(win.Hwnd(), IDC_IMAGE);
  ASSERT_TRUE(bar && image);
  char cls[64] = {};
  GetClassNameA(image, cls, sizeof cls);
  EXPECT_STREQ(cls, "CKVisuImage_class");
  const auto height = [](HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return (GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE) ? static_cast<int>(r.bottom - r.top) : 0;
  };
  const int list = height(List().Hwnd()), pane = height(image);
  EXPECT_NEAR(list, 3 * pane, 4);
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 3));
  SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 3 - 100));
  SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(10, 3 - 100));
  EXPECT_EQ(height(List().Hwnd()), list - 100);
  EXPECT_EQ(height(image), pane + 100);
  SetFocus(List().Hwnd());
  Cmd(CMD_SPLIT_UP);
  Cmd(CMD_SPLIT_UP);  // the image pane only: the typing goes to the expression
  EXPECT_EQ(height(List().Hwnd()), 0);
  EXPECT_EQ(GetFocus(), win.Rebar().Expression().Edit());
  Cmd(CMD_SPLIT_DOWN);
  const double ratio = win.Splitter().Ratio();
  EXPECT_EQ(height(List().Hwnd()), list - 100);
  DestroyWindow(win.Hwnd());
  EXPECT_EQ(Config().sh_type_aff.Get(), CKSplitter::kBoth);
  EXPECT_DOUBLE_EQ(Config().sh_ratio.Get(), ratio);
}

TEST_F(Window, ADraggedColumnOrderIsKeptWithTheNameFirst) {
  const auto Open = [this](CMainWindow& w) {
    ASSERT_TRUE(w.Create(GetModuleHandleA(nullptr), "Velto"));
    w.List().Pending().threaded = false;
    ASSERT_EQ(w.List().LoadDirectory(tree.Root(), false), 0);
  };
  const std::vector<int> before = List().ShownItems();
  ASSERT_GE(before.size(), 4u);
  const struct {
    std::vector<int> dragged;  // the header's order after a drag, by column
    std::vector<int> kept;     // the columns' order at the next start
  } cases[] = {
      {{0, 2, 1, 3}, {0, 2, 1, 3}},
      {{1, 0, 3, 2}, {0, 1, 3, 2}},  // something dragged before the name: the name comes back first
  };
  for (const auto& c : cases) {
    Config().colonne.list.Assign({});
    Config().colonne.RebuildMap();
    CMainWindow w;
    Open(w);
    std::vector<int> order = c.dragged;
    for (size_t i = order.size(); i < before.size(); ++i) order.push_back(static_cast<int>(i));
    SendMessageA(w.List().Hwnd(), LVM_SETCOLUMNORDERARRAY, order.size(), reinterpret_cast<LPARAM>(order.data()));
    DestroyWindow(w.Hwnd());
    CMainWindow again;
    Open(again);
    std::vector<int> expected;
    for (int column : c.kept) expected.push_back(before[column]);
    const std::vector<int> shown = again.List().ShownItems();
    EXPECT_EQ(std::vector<int>(shown.begin(), shown.begin() + 4), expected) << c.dragged[0] << c.dragged[1];
    DestroyWindow(again.Hwnd());
  }
}

TEST_F(Window, TheExtendedInfotipTellsDatesSizeGroupsAndHistory) {
  tree.File("big.bin", std::string(2048, 'x'));
  Cmd(CMD_RELOAD);
  Config().exp.Set("new_%f");
  SelectInOrder({"a.txt"});
  Cmd(CMD_RENAME);
  const auto tip = [&](const std::string& name) { return List().InfoTip(Row(name)); };
  const std::string modif = std::string(Txt(285)) + List().Entries()[Row("big.bin")].ItemText(kItemdm);
  EXPECT_EQ(tip("big.bin"), "big.bin\r\n" + modif + "\r\n" + Txt(289) + List().Entries()[Row("big.bin")].ItemText(kItems) +
                                " (2048)\r\n" + Txt(284) + "Base\r\n" + Txt(286) + "0");
  const std::string renamed = tip("new_a.txt");
  EXPECT_NE(renamed.find(std::string(Txt(289)) + "13\r\n"), std::string::npos) << renamed;  // no bytes below 1024
  EXPECT_NE(renamed.find(std::string(Txt(286)) + "1\r\n" + Txt(287) + "a.txt"), std::string::npos) << renamed;
  EXPECT_EQ(tip("sub").find(Txt(289)), std::string::npos);  // no size nor groups for a directory
  EXPECT_EQ(tip(".."), "");
  Cmd(CMD_UNDO);
  EXPECT_NE(tip("a.txt").find(std::string(Txt(288)) + "new_a.txt"), std::string::npos) << tip("a.txt");
}
