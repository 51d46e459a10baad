// The toolbar bands, the combos, the status-bar menu help and the language
// switch of the main window, driven by messages as a user would.
#include "WindowFixture.h"

#include <algorithm>

namespace {

std::vector<int> Ids(const std::vector<CBandeEntry>& bands) {
  std::vector<int> ids;
  for (const CBandeEntry& b : bands) ids.push_back(b.id);
  return ids;
}

std::string BandText(HWND rebar, int id) {
  char text[128] = "";
  REBARBANDINFOA band = {};
  band.cbSize = sizeof band;
  band.fMask = RBBIM_TEXT;
  band.lpText = text;
  band.cch = sizeof text;
  SendMessageA(rebar, RB_GETBANDINFOA, SendMessageA(rebar, RB_IDTOINDEX, id, 0), reinterpret_cast<LPARAM>(&band));
  return text;
}

std::string MenuText(HWND hwnd, int id) {
  char text[256] = "";
  GetMenuStringA(GetMenu(hwnd), id, text, sizeof text, MF_BYCOMMAND);
  return text;
}

std::string HeaderText(HWND list, int column) {
  char text[128] = "";
  LVCOLUMNA col = {};
  col.mask = LVCF_TEXT;
  col.pszText = text;
  col.cchTextMax = sizeof text;
  SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&col));
  return text;
}

}  // namespace

TEST_F(Window, BandsComeInTheStoredOrderOrTheDefaultOne) {
  const std::vector<int> byDefault = {1, 2, 3, 4, 5, 6, 7};
  struct Case {
    const char* label;
    std::vector<std::string> stored;
    std::vector<int> ids;
    std::vector<bool> newRows;  // of the first bands
  } const cases[] = {
      {"nothing stored", {}, byDefault, {false, false, false, true, true, false, false}},
      {"stored bands first, the missing ones after", {"7 1 150", "1 0 0", "4 1 0"}, {7, 1, 4, 2, 3, 5, 6},
       {true, false, true}},
      {"a band twice", {"1 0 0", "2 0 0", "1 1 0"}, byDefault, {}},
      {"an unknown band", {"3 0 0", "9 0 0"}, byDefault, {}},
      {"band zero", {"0 0 0"}, byDefault, {}},
      {"an unreadable entry", {"2 0 0", "two"}, byDefault, {}},
  };
  for (const Case& c : cases) {
    Config().rebar.Assign(c.stored);
    CMainWindow other;
    ASSERT_TRUE(other.Create(GetModuleHandleA(nullptr), "Velto")) << c.label;
    const std::vector<CBandeEntry> bands = other.Rebar().Bands();
    EXPECT_EQ(Ids(bands), c.ids) << c.label;
    for (size_t i = 0; i < c.newRows.size() && i < bands.size(); ++i)
      EXPECT_EQ(bands[i].newRow, c.newRows[i]) << c.label << " band " << bands[i].id;
    DestroyWindow(other.Hwnd());
    // The bands are stored back in display order.
    std::vector<std::string> saved;
    for (int i = 0; i < Config().rebar.Count(); ++i) saved.push_back(Config().rebar.At(i));
    EXPECT_EQ(Ids(CRebar::Order(saved)), c.ids) << c.label;
    EXPECT_EQ(static_cast<int>(saved.size()), CRebar::kBandCount) << c.label;
  }
  Langue().SetRelabel([this] { win.Relabel(); });
}

TEST_F(Window, LockingTheBandsTakesEveryGripperAway) {
  HWND rebar = win.Rebar().Hwnd();
  for (bool locked : {true, false}) {
    Cmd(CMD_LOCK_BANDS);
    EXPECT_EQ(Config().verr_bandes.Get(), locked);
    const int n = static_cast<int>(SendMessageA(rebar, RB_GETBANDCOUNT, 0, 0));
    ASSERT_EQ(n, CRebar::kBandCount);
    for (int i = 0; i < n; ++i) {
      REBARBANDINFOA band = {};
      band.cbSize = sizeof band;
      band.fMask = RBBIM_STYLE;
      SendMessageA(rebar, RB_GETBANDINFOA, i, reinterpret_cast<LPARAM>(&band));
      EXPECT_EQ((band.fStyle & RBBS_NOGRIPPER) != 0, locked) << i;
    }
  }
}

TEST_F(Window, ToolbarButtonsFollowTheirMenuItems) {
  Config().exp.Set("n_%f");
  for (int step = 0; step < 2; ++step) {
    for (CKToolbar* t : win.Rebar().Toolbars()) {
      for (const CKBouton& b : t->Buttons()) {
        if (b.image == CKBouton::kSeparator) continue;
        const UINT state = GetMenuState(GetMenu(win.Hwnd()), b.command, MF_BYCOMMAND);
        const bool hasItem = state != static_cast<UINT>(-1);
        const bool menuOn = hasItem && !(state & (MF_GRAYED | MF_DISABLED));
        EXPECT_EQ(t->Enabled(b.command), hasItem ? menuOn : CMainWindow::Handles(b.command))
            << b.command << " step " << step;
      }
    }
    // A rename makes Undo possible: the button comes alive with the item.
    EXPECT_EQ(win.Rebar().Toolbars()[0]->Enabled(CMD_UNDO), step == 1);
    SelectInOrder({"a.txt"});
    Cmd(CMD_RENAME);
  }
}

TEST_F(Window, AClickOnAButtonRunsItsCommand) {
  CKToolbar& select = *win.Rebar().Toolbars()[1];
  auto click = [&](int command) {
    RECT r;
    const LRESULT index = SendMessageA(select.Hwnd(), TB_COMMANDTOINDEX, command, 0);
    ASSERT_TRUE(SendMessageA(select.Hwnd(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageA(select.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(select.Hwnd(), WM_LBUTTONUP, 0, at);
    Cmd(0);
  };
  click(CMD_ALL);
  EXPECT_EQ(Selected().size(), 5u);
  click(CMD_NONE);
  EXPECT_TRUE(Selected().empty());
}

TEST_F(Window, TabMovesTheFocusAroundTheFieldsAndTheList) {
  CRebar& r = win.Rebar();
  const HWND order[] = {r.Expression().Edit(), r.Directory().Edit(), r.Filter().Edit(), List().Hwnd()};
  ShowWindow(win.Hwnd(), SW_SHOW);
  SetFocus(List().Hwnd());
  for (int lap = 0; lap < 2; ++lap)
    for (HWND expected : order) {
      Cmd(CMD_NEXT_CONTROL);
      EXPECT_EQ(GetFocus(), expected);
    }
  Cmd(CMD_PREV_CONTROL);
  EXPECT_EQ(GetFocus(), r.Filter().Edit());
}

TEST_F(Window, TheDirectoryComboLoadsWhatIsTyped) {
  CKComboRep& dir = win.Rebar().Directory();
  Type(dir, tree.Path("sub"), true);
  EXPECT_GE(Row("e.txt"), 0);
  EXPECT_EQ(dir.History().front(), tree.Path("sub"));
  // A directory that does not exist: the box says so, nothing else changes.
  const std::string before = CurrentDirectory();
  CDialogWatcher watcher(IDOK, 15000, GetCurrentProcessId());
  Type(dir, tree.Path("missing"), true);
  watcher.Stop();
  EXPECT_TRUE(watcher.Join());
  EXPECT_EQ(CurrentDirectory(), before);
  EXPECT_GE(Row("e.txt"), 0);
  EXPECT_EQ(dir.Text(), before);
  // Add the directory: the typed text goes first in the list, once.
  Type(dir, "C:\\somewhere", false);
  Cmd(CMD_ADD_COMBO);
  Cmd(CMD_ADD_COMBO);
  const std::vector<std::string> list = dir.History();
  EXPECT_EQ(list.front(), "C:\\somewhere");
  EXPECT_EQ(std::count(list.begin(), list.end(), "C:\\somewhere"), 1);
}

TEST_F(Window, ComboHistoriesComeFromTheSettingsAndGoBackAtExit) {
  Config().combo_fil.Assign({"*.jpg", "*.txt", "*.jpg", "a*"});
  CMainWindow other;
  ASSERT_TRUE(other.Create(GetModuleHandleA(nullptr), "Velto"));
  EXPECT_EQ(other.Rebar().Filter().History(), (std::vector<std::string>{"*.jpg", "*.txt", "a*"}));
  other.Rebar().Filter().PutFirst("a*");
  DestroyWindow(other.Hwnd());
  std::vector<std::string> saved;
  for (int i = 0; i < Config().combo_fil.Count(); ++i) saved.push_back(Config().combo_fil.At(i));
  EXPECT_EQ(saved, (std::vector<std::string>{"a*", "*.jpg", "*.txt"}));
  Langue().SetRelabel([this] { win.Relabel(); });
}

TEST_F(Window, PickingFromAComboListActsAsEnterDoes) {
  CKComboRep& dir = win.Rebar().Directory();
  dir.PutFirst(tree.Path("sub"));
  dir.PutFirst("C:\\elsewhere");
  SendMessageA(dir.Hwnd(), CB_SETCURSEL, 1, 0);
  SendMessageA(win.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_COMBO_REP, CBN_SELENDOK), reinterpret_cast<LPARAM>(dir.Hwnd()));
  Cmd(0);
  EXPECT_GE(Row("e.txt"), 0);
  EXPECT_EQ(dir.History().front(), tree.Path("sub"));
}

TEST_F(Window, ButtonTooltipsComeFromTheTextTable) {
  char group[512];
  std::snprintf(group, sizeof group, Txt(275), Txt(271));
  struct Case {
    int id;
    std::string tip;
  } const cases[] = {
      {CMD_RENAME, Txt(-CMD_RENAME)},
      {CMD_ADD_COMBO, Txt(-CMD_ADD_COMBO)},
      {CMD_GRP_EXIF, group},
      {12345, "???"},
  };
  for (const Case& c : cases) {
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = win.Rebar().Toolbars()[0]->Hwnd();
    info.hdr.idFrom = static_cast<UINT_PTR>(c.id);
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(win.Hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_TRUE(info.lpszText) << c.id;
    EXPECT_EQ(std::string(info.lpszText), c.tip) << c.id;
  }
}

TEST_F(Window, TheFilterComboReloadsWithItsFilter) {
  Type(win.Rebar().Filter(), "[ab]*", true);
  EXPECT_EQ(Config().fil.Get(), "[ab]*");
  EXPECT_GE(Row("a.txt"), 0);
  EXPECT_GE(Row("b.txt"), 0);
  EXPECT_EQ(Row("c.txt"), -1);
  Type(win.Rebar().Filter(), "", true);
  EXPECT_GE(Row("c.txt"), 0);
}

TEST_F(Window, ImmediateRecomputeFollowsTypingOnlyWhenAsked) {
  SelectInOrder({"b.txt"});
  struct Step {
    const char* typed;
    bool enter;
    DWORD waitMs;  // pumping messages after the step
  };
  struct Case {
    const char* label;
    bool immediate;
    std::vector<Step> steps;
    const char* future;
  } const cases[] = {
      {"off: typing alone computes nothing", false, {{"off_%f", false, 600}}, ""},
      {"on: the names follow once typing pauses", true, {{"on_%f", false, 600}}, "on_b.txt"},
      {"the last text typed wins", true, {{"one_%f", false, 200}, {"two_%f", false, 0}, {"three_%f", false, 600}},
       "three_b.txt"},
      {"Enter wins over a run started before it", true, {{"bg_%f", false, 170}, {"fg_%f", true, 600}}, "fg_b.txt"},
  };
  for (const Case& c : cases) {
    Config().recalc_imm.Set(c.immediate);
    for (const Step& s : c.steps) {
      Type(win.Rebar().Expression(), s.typed, s.enter);
      const DWORD start = GetTickCount();
      while (GetTickCount() - start < s.waitMs || List().BackgroundRunning()) {
        Pump();
        Sleep(5);
      }
      Pump();
    }
    EXPECT_EQ(Future("b.txt"), c.future) << c.label;
  }
}

TEST_F(Window, ARenameRightAfterTypingUsesTheTypedExpression) {
  Config().recalc_imm.Set(true);
  SelectInOrder({"c.txt"});
  Type(win.Rebar().Expression(), "typed_%f", false);  // no pause: the recompute still waits
  Cmd(CMD_RENAME);
  EXPECT_EQ(tree.Read("typed_c.txt"), "data of c.txt");
}

TEST_F(Window, HighlightedMenuItemsShowTheirHelp) {
  Config().favoris_exp.Assign({"%b_fav.%e"});
  Focus("a.txt");
  HMENU bar = GetMenu(win.Hwnd());
  struct Case {
    int id;
    UINT flags;
    std::string shown;
  } const cases[] = {
      {CMD_UNDO, MF_HILITE, Txt(-CMD_UNDO)},
      {CMD_OPTIONS, MF_HILITE, Txt(-CMD_OPTIONS)},
      {50000, MF_HILITE, "%b_fav.%e"},
      {50001, MF_HILITE, ""},  // no such favourite
      {0, MF_POPUP | MF_HILITE, ""},
  };
  for (const Case& c : cases) {
    SendMessageA(win.Hwnd(), WM_MENUSELECT, MAKEWPARAM(c.id, c.flags), reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(win.Status().Text(CStatusbar::kText), c.shown) << c.id;
  }
  EXPECT_FALSE(std::string(Txt(-CMD_UNDO)).empty());
  SendMessageA(win.Hwnd(), WM_EXITMENULOOP, 0, 0);
  EXPECT_EQ(win.Status().Text(CStatusbar::kText), "a.txt");
  Config().favoris_exp.Assign({});
}

TEST_F(Window, ALanguageSwitchRelabelsTheWholeWindow) {
  HWND rebar = win.Rebar().Hwnd();
  struct Case {
    int language;
    const char* filterBand;
    const char* undoItem;
  } const cases[] = {
      {0, "Filtre", "&Annuler\tCtrl+U"},
      {1, "Filter", "&Undo\tCtrl+U"},
  };
  for (const Case& c : cases) {
    Langue().SetLanguage(c.language, false);
    EXPECT_EQ(BandText(rebar, CRebar::kFilter), c.filterBand);
    EXPECT_EQ(BandText(rebar, CRebar::kExpression), Txt(28));
    EXPECT_EQ(MenuText(win.Hwnd(), CMD_UNDO), c.undoItem);
    EXPECT_EQ(HeaderText(List().Hwnd(), 0), Txt(ColumnTitleId(0)));
    char sel[64];
    std::snprintf(sel, sizeof sel, Txt(324), static_cast<int>(List().Model().Selection().size()), List().Model().Count());
    EXPECT_EQ(win.Status().Text(CStatusbar::kSel), sel);
  }
}
