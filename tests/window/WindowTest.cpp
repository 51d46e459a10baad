// The main window under Wine on a scratch directory: list commands sent as
// WM_COMMAND ids, checked against the model and the files on disk.
#include "WindowFixture.h"

TEST_F(Window, SelectionCommandsNumberAsTheyShould) {
  struct Step {
    std::vector<std::string> highlight;  // empty: leave the highlight
    std::string focus;                   // empty: leave the focus
    int command;
  };
  struct Case {
    const char* label;
    std::vector<Step> steps;
    Orders expected;
  };
  const Case cases[] = {
      {"all skips the parent, numbers in list order", {{{}, "", CMD_ALL}},
       {{"a.txt", 0}, {"b.txt", 1}, {"c.txt", 2}, {"d.txt", 3}, {"sub", 4}}},
      {"select highlighted takes list order", {{{"d.txt", "b.txt"}, "", CMD_SELECT}}, {{"b.txt", 0}, {"d.txt", 1}}},
      {"unselect from the middle renumbers the rest",
       {{{}, "", CMD_ALL}, {{"b.txt"}, "", CMD_UNSELECT}},
       {{"a.txt", 0}, {"c.txt", 1}, {"d.txt", 2}, {"sub", 3}}},
      {"invert numbers the new selection in list order",
       {{{"d.txt"}, "", CMD_SELECT}, {{"a.txt"}, "", CMD_SELECT}, {{}, "", CMD_INVERT}},
       {{"b.txt", 0}, {"c.txt", 1}, {"sub", 2}}},
      {"space on an unselected focus selects", {{{"c.txt", "a.txt"}, "c.txt", CMD_SEL_TOGGLE}},
       {{"a.txt", 0}, {"c.txt", 1}}},
      {"space on a selected focus unselects",
       {{{"c.txt"}, "", CMD_SELECT}, {{"a.txt", "c.txt", "d.txt"}, "c.txt", CMD_SEL_TOGGLE}},
       {}},
      {"none clears everything", {{{}, "", CMD_ALL}, {{}, "", CMD_NONE}}, {}},
      {"select ignores the parent entry", {{{"..", "b.txt"}, "", CMD_SELECT}}, {{"b.txt", 0}}},
  };
  for (const Case& c : cases) {
    Cmd(CMD_NONE);
    for (const Step& s : c.steps) {
      if (!s.highlight.empty()) Highlight(s.highlight);
      if (!s.focus.empty()) Focus(s.focus);
      Cmd(s.command);
    }
    EXPECT_EQ(Selected(), c.expected) << c.label;
    char counter[64];
    std::snprintf(counter, sizeof counter, "%d/%d", static_cast<int>(c.expected.size()), List().Model().Count());
    EXPECT_NE(win.Status().Text(CStatusbar::kSel).find(counter), std::string::npos) << c.label;
  }
}

TEST_F(Window, SpaceWithoutFocusDoesNothing) {
  Highlight({"a.txt"});
  LVITEMA none = {};
  none.stateMask = LVIS_FOCUSED;
  SendMessageA(List().Hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  ASSERT_EQ(List().FocusedItem(), -1);
  Cmd(CMD_SEL_TOGGLE);
  EXPECT_TRUE(Selected().empty());
}

TEST_F(Window, HighlightAndWalkTheSelectedFiles) {
  SelectInOrder({"d.txt", "b.txt"});
  Highlight({"a.txt"});
  Cmd(CMD_HIGHLIGHT_SEL);
  EXPECT_EQ(HighlightedNames(), (std::vector<std::string>{"b.txt", "d.txt"}));
  EXPECT_EQ(Focused(), "b.txt");
  Focus("a.txt");
  Cmd(CMD_FIRST_SELECTED);
  EXPECT_EQ(Focused(), "b.txt");
  Cmd(CMD_NEXT_SELECTED);
  EXPECT_EQ(Focused(), "d.txt");
  EXPECT_EQ(HighlightedNames(), (std::vector<std::string>{"d.txt"}));
  Cmd(CMD_NEXT_SELECTED);  // none after the last: the focus stays
  EXPECT_EQ(Focused(), "d.txt");
}

TEST_F(Window, FilterFunctionsFocusAndHighlight) {
  struct Case {
    const char* label;
    int what;  // 0 select, 1 unselect (after select all), 2 highlight, 3 search from start
    std::string filter;
    bool notMatching;
    bool dirs;
    Orders selected;
    std::vector<std::string> highlighted;
    std::string focused;
  };
  const Case cases[] = {
      {"select c and d", 0, "[cd]*", false, false, {{"c.txt", 0}, {"d.txt", 1}}, {}, "c.txt"},
      {"select not matching, no dirs", 0, "[ab]*", true, false, {{"c.txt", 0}, {"d.txt", 1}}, {}, "c.txt"},
      {"select with dirs", 0, "s*;a*", false, true, {{"a.txt", 0}, {"sub", 1}}, {}, "a.txt"},
      {"unselect b and c", 1, "b*;c*", false, false,
       {{"a.txt", 0}, {"d.txt", 1}, {"sub", 2}}, {}, "b.txt"},
      {"highlight txt files", 2, "*.txt", false, false, {}, {"a.txt", "b.txt", "c.txt", "d.txt"}, "a.txt"},
      {"highlight nothing keeps the focus", 2, "zzz", false, true, {}, {}, "d.txt"},
      {"search finds and highlights", 3, "c*", false, false, {}, {"c.txt"}, "c.txt"},
  };
  for (const Case& c : cases) {
    Cmd(CMD_NONE);
    Highlight({});
    Focus("d.txt");
    if (c.what == 1) Cmd(CMD_ALL);
    if (c.what == 0) List().SelectWithFilter(c.filter, c.notMatching, c.dirs);
    if (c.what == 1) List().UnselectWithFilter(c.filter, c.notMatching, c.dirs);
    if (c.what == 2) List().HighlightWithFilter(c.filter, c.notMatching, c.dirs);
    if (c.what == 3) List().SearchWithFilter(c.filter, c.notMatching, c.dirs, false);
    EXPECT_EQ(Selected(), c.selected) << c.label;
    if (c.what >= 2) {
      EXPECT_EQ(HighlightedNames(), c.highlighted) << c.label;
    }
    EXPECT_EQ(Focused(), c.focused) << c.label;
  }
}

TEST_F(Window, FindNextUsesTheStoredSearch) {
  Focus("a.txt");
  Cmd(CMD_FIND_NEXT);  // no search yet: nothing moves
  EXPECT_EQ(Focused(), "a.txt");
  EXPECT_EQ(List().SearchWithFilter("*.txt", false, false, false), Row("a.txt"));
  Cmd(CMD_FIND_NEXT);
  EXPECT_EQ(Focused(), "b.txt");
  Focus("c.txt");
  Cmd(CMD_FIND_NEXT);
  EXPECT_EQ(Focused(), "d.txt");
  Cmd(CMD_FIND_NEXT);  // past the last match: stays
  EXPECT_EQ(Focused(), "d.txt");
}

TEST_F(Window, RenameUndoRedoThroughCommandsWithMenuStates) {
  const auto original = tree.Snapshot();
  EXPECT_FALSE(Enabled(CMD_UNDO));
  EXPECT_FALSE(Enabled(CMD_REDO));
  EXPECT_FALSE(Enabled(CMD_STOP_LOAD));
  Config().exp.Set("new_%f");
  SelectInOrder({"b.txt", "a.txt"});
  EXPECT_EQ(List().Entries()[Row("b.txt")].futureName, "new_b.txt");
  Cmd(CMD_RENAME);
  EXPECT_EQ(tree.Read("new_a.txt"), "data of a.txt");
  EXPECT_EQ(tree.Read("new_b.txt"), "data of b.txt");
  EXPECT_FALSE(tree.Exists("a.txt"));
  // The renamed entry's listing data was read again: its DOS name is the new one.
  std::string dos = List().Entries()[Row("new_a.txt")].items.Text(kItemNomDos);
  CharUpperBuffA(&dos[0], static_cast<DWORD>(dos.size()));
  EXPECT_EQ(dos, "NEW_A.TXT");
  EXPECT_EQ(OperCounter(), Oper(1, 1));
  EXPECT_TRUE(Enabled(CMD_UNDO));
  EXPECT_FALSE(Enabled(CMD_REDO));
  Cmd(CMD_UNDO);
  EXPECT_EQ(tree.Snapshot(), original);
  EXPECT_EQ(List().Entries()[Row("a.txt")].name, "a.txt");
  EXPECT_EQ(OperCounter(), Oper(0, 1));
  EXPECT_FALSE(Enabled(CMD_UNDO));
  EXPECT_TRUE(Enabled(CMD_REDO));
  Cmd(CMD_REDO);
  EXPECT_EQ(tree.Read("new_a.txt"), "data of a.txt");
  EXPECT_FALSE(tree.Exists("b.txt"));
  EXPECT_EQ(OperCounter(), Oper(1, 1));
  Cmd(CMD_REDO);  // nothing beyond the last step
  EXPECT_EQ(OperCounter(), Oper(1, 1));
}

TEST_F(Window, CopyAndItsUndo) {
  Config().exp.Set("copies\\\\%f");  // the expression escapes its backslash
  SelectInOrder({"c.txt"});
  Cmd(CMD_COPY);
  EXPECT_EQ(tree.Read("copies\\c.txt"), "data of c.txt");
  EXPECT_EQ(tree.Read("c.txt"), "data of c.txt");
  Cmd(CMD_UNDO);
  EXPECT_FALSE(tree.Exists("copies\\c.txt"));
  EXPECT_TRUE(tree.Exists("copies"));  // created directories stay
  EXPECT_EQ(tree.Read("c.txt"), "data of c.txt");
}

TEST_F(Window, TheExpressionComboRecomputesOnEnterAndOnRecompute) {
  SelectInOrder({"d.txt"});
  struct Case {
    const char* typed;
    bool enter;      // else the Recompute command
    const char* stored;
    const char* future;
  } const cases[] = {
      {"  x_%f  ", true, "x_%f", "x_d.txt"},
      {"y_%f", false, "y_%f", "y_d.txt"},
      {"%b.bak", true, "%b.bak", "d.bak"},
  };
  for (const Case& c : cases) {
    Type(win.Rebar().Expression(), c.typed, c.enter);
    if (!c.enter) Cmd(CMD_RECOMPUTE);
    EXPECT_EQ(Config().exp.Get(), c.stored) << c.typed;
    EXPECT_EQ(Future("d.txt"), c.future) << c.typed;
    EXPECT_EQ(Future("a.txt"), "") << c.typed;
  }
  // Enter put each expression first in the history; Recompute did not.
  EXPECT_EQ(win.Rebar().Expression().History(), (std::vector<std::string>{"%b.bak", "x_%f"}));
}

TEST_F(Window, ReloadKeepsSelectionOrderAndDropsVanishedEntries) {
  SelectInOrder({"c.txt", "a.txt", "d.txt", "b.txt"});
  Highlight({"b.txt", "d.txt"});
  Focus("d.txt");
  ASSERT_TRUE(DeleteFileA(tree.Path("a.txt").c_str()));
  tree.File("f.txt", "new");
  Cmd(CMD_RELOAD);
  EXPECT_EQ(Row("a.txt"), -1);
  EXPECT_GE(Row("f.txt"), 0);
  EXPECT_EQ(Selected(), (Orders{{"c.txt", 0}, {"d.txt", 1}, {"b.txt", 2}}));
  EXPECT_EQ(List().Entries()[Row("b.txt")].items.Text(kItemSel), "003");
  EXPECT_EQ(HighlightedNames(), (std::vector<std::string>{"b.txt", "d.txt"}));
  EXPECT_EQ(Focused(), "d.txt");
}

TEST_F(Window, ReloadMatchesNamesWithoutRegardToCase) {
  SelectInOrder({"b.txt"});
  ASSERT_TRUE(MoveFileA(tree.Path("b.txt").c_str(), tree.Path("tmp").c_str()));
  ASSERT_TRUE(MoveFileA(tree.Path("tmp").c_str(), tree.Path("B.TXT").c_str()));
  Cmd(CMD_RELOAD);
  EXPECT_EQ(Selected(), (Orders{{"B.TXT", 0}}));
}

TEST_F(Window, UndoAndRedoWorkAcrossAReload) {
  const auto original = tree.Snapshot();
  Config().exp.Set("%f.bak");
  SelectInOrder({"a.txt", "b.txt"});
  Cmd(CMD_RENAME);
  Config().exp.Set("z_%f");
  Cmd(CMD_NONE);
  SelectInOrder({"c.txt"});
  Cmd(CMD_RENAME);
  Cmd(CMD_NONE);  // the renamed entries hand their records over unselected
  Cmd(CMD_RELOAD);
  EXPECT_EQ(OperCounter(), Oper(2, 2));
  Cmd(CMD_UNDO);
  EXPECT_TRUE(tree.Exists("c.txt"));
  Cmd(CMD_RELOAD);
  Cmd(CMD_UNDO);
  EXPECT_EQ(tree.Snapshot(), original);
  Cmd(CMD_RELOAD);
  Cmd(CMD_REDO);
  Cmd(CMD_REDO);
  EXPECT_EQ(tree.Read("a.txt.bak"), "data of a.txt");
  EXPECT_EQ(tree.Read("z_c.txt"), "data of c.txt");
  EXPECT_EQ(OperCounter(), Oper(2, 2));
}

TEST_F(Window, LoadingAnotherDirectoryClearsTheHistory) {
  Config().exp.Set("x_%f");
  SelectInOrder({"a.txt"});
  Cmd(CMD_RENAME);
  ASSERT_TRUE(Enabled(CMD_UNDO));
  Focus("sub");
  List().Pending().threaded = false;
  List().Pending().addToHistory = true;
  ASSERT_EQ(List().LoadDirectory(tree.Path("sub"), false), 0);
  Pump();
  EXPECT_EQ(List().Operations().Count(), 0);
  EXPECT_FALSE(Enabled(CMD_UNDO));
  Cmd(CMD_BACK);
  EXPECT_GE(Row("x_a.txt"), 0);
  EXPECT_EQ(List().Operations().Count(), 0);
}

TEST_F(Window, RenameInPlaceIsOneStepThatUndoes) {
  const auto original = tree.Snapshot();
  SelectInOrder({"b.txt"});
  EXPECT_EQ(List().RenameInPlace(Row("b.txt"), "bee.txt"), 0);
  EXPECT_EQ(tree.Read("bee.txt"), "data of b.txt");
  const int row = Row("bee.txt");
  ASSERT_GE(row, 0);
  EXPECT_EQ(List().Entries()[row].selOrder, 0);
  // The entry was read again: its DOS name is the new one, its "Sel" kept.
  std::string dos = List().Entries()[row].items.Text(kItemNomDos);
  CharUpperBuffA(&dos[0], static_cast<DWORD>(dos.size()));
  EXPECT_EQ(dos, "BEE.TXT");
  EXPECT_EQ(List().Entries()[row].items.Text(kItemSel), "001");
  EXPECT_EQ(OperCounter(), Oper(1, 1));
  Cmd(CMD_UNDO);
  EXPECT_EQ(tree.Snapshot(), original);
  Cmd(CMD_REDO);
  EXPECT_EQ(tree.Read("bee.txt"), "data of b.txt");
}

TEST_F(Window, RenameInPlaceEdges) {
  const auto original = tree.Snapshot();
  struct Case {
    const char* label;
    std::string row;
    std::string name;
    int result;
    int steps;
  };
  const Case cases[] = {
      {"same name keeps its step", "a.txt", "a.txt", 0, 1},
      {"empty name is a cancel", "a.txt", "", -2, 0},
      {"parent entry refused", "..", "up", -3, 0},
  };
  for (const Case& c : cases) {
    const int before = List().Operations().Count();
    EXPECT_EQ(List().RenameInPlace(Row(c.row), c.name), c.result) << c.label;
    EXPECT_EQ(List().Operations().Count() - before, c.steps) << c.label;
  }
  EXPECT_EQ(List().RenameInPlace(-1, "x"), -1);
  EXPECT_EQ(tree.Snapshot(), original);
}

TEST_F(Window, FailingRenameInPlaceShowsOneErrorAndKeepsTheStep) {
  const auto original = tree.Snapshot();
  Focus("b.txt");
  CDialogWatcher watcher(IDOK, 15000, GetCurrentProcessId());
  EXPECT_EQ(List().RenameInPlace(Row("b.txt"), "c.txt"), -4);
  watcher.Stop();
  ASSERT_TRUE(watcher.Join());
  char expected[512];
  std::snprintf(expected, sizeof expected, Txt(258), 1, "");
  EXPECT_NE(watcher.Dialog().Text().find(expected), std::string::npos) << watcher.Dialog().Text();
  EXPECT_EQ(tree.Snapshot(), original);
  const CFichier& e = List().Entries()[Row("b.txt")];
  EXPECT_TRUE(e.lastError == ERROR_ALREADY_EXISTS || e.lastError == ERROR_FILE_EXISTS) << e.lastError;
  EXPECT_TRUE(e.history.empty());
  EXPECT_EQ(OperCounter(), Oper(1, 1));
  const std::string status = win.Status().Text(CStatusbar::kText);
  EXPECT_NE(status.find("(" + std::to_string(e.lastError) + ")"), std::string::npos) << status;
  Cmd(CMD_UNDO);  // the failed step changes nothing
  EXPECT_EQ(tree.Snapshot(), original);
}

TEST_F(Window, RecursiveToggleReloadsAndKeepsTheFocus) {
  Focus("c.txt");
  SelectInOrder({"d.txt"});
  Focus("c.txt");
  Cmd(CMD_SUBDIRS);
  EXPECT_TRUE(Config().recurse.Get());
  ASSERT_GE(Row("sub\\e.txt"), 0);
  EXPECT_EQ(Focused(), "c.txt");
  EXPECT_EQ(Selected(), (Orders{{"d.txt", 0}}));
  Highlight({"sub", "sub\\e.txt"});
  Cmd(CMD_SELECT);  // a directory cannot be selected in a recursive list
  EXPECT_EQ(Selected(), (Orders{{"d.txt", 0}, {"sub\\e.txt", 1}}));
  Focus("sub\\e.txt");
  Cmd(CMD_FILE_DIR);
  EXPECT_EQ(Focused(), "e.txt");
  char cwd[MAX_PATH];
  GetCurrentDirectoryA(sizeof cwd, cwd);
  EXPECT_EQ(std::string(cwd).substr(std::string(cwd).size() - 3), "sub");
  Cmd(CMD_PARENT_DIR);
  EXPECT_EQ(Focused(), "sub");
  Cmd(CMD_SUBDIRS);
  EXPECT_FALSE(Config().recurse.Get());
  EXPECT_EQ(Row("sub\\e.txt"), -1);
}

TEST_F(Window, SortingCarriesTheHighlightAndUsesNaturalOrder) {
  tree.File("f10.txt", "1234567890");
  tree.File("f2.txt", "12");
  tree.File("F1.txt", "1");
  Cmd(CMD_RELOAD);
  Highlight({"f10.txt"});
  Focus("f2.txt");
  List().SortByColumn(0);  // column 0 is already the sort column: descending now
  List().SortByColumn(0);  // ascending again
  std::vector<std::string> names;
  for (const auto& e : List().Entries())
    if (e.name[0] == 'f' || e.name[0] == 'F') names.push_back(e.name);
  EXPECT_EQ(names, (std::vector<std::string>{"F1.txt", "f2.txt", "f10.txt"}));
  EXPECT_EQ(HighlightedNames(), (std::vector<std::string>{"f10.txt"}));
  EXPECT_EQ(Focused(), "f2.txt");
  EXPECT_EQ(List().Entries()[0].name, "..");
  List().SortByColumn(5);  // size, ascending
  EXPECT_LT(Row("F1.txt"), Row("f2.txt"));
  EXPECT_LT(Row("f2.txt"), Row("f10.txt"));
  EXPECT_EQ(Config().tri_subitem.Get(), 5);
  EXPECT_EQ(HighlightedNames(), (std::vector<std::string>{"f10.txt"}));
}

TEST_F(Window, TextKeysAreNoAcceleratorsAndTheListActsOnThem) {
  HACCEL accel = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCEL));
  ASSERT_TRUE(accel);
  for (unsigned vk : {VK_BACK, VK_DELETE, VK_SPACE, VK_RETURN, VK_F2}) {
    MSG msg = {};
    msg.hwnd = win.Hwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = vk;
    msg.lParam = 1;
    EXPECT_FALSE(TranslateAcceleratorA(win.Hwnd(), accel, &msg)) << vk;
  }
  DestroyAcceleratorTable(accel);

  Highlight({"b.txt"});
  ListKey(VK_SPACE);
  EXPECT_EQ(Selected(), (Orders{{"b.txt", 0}}));
  ListKey(VK_DELETE);  // no handler yet: nothing happens to the files
  EXPECT_EQ(tree.Read("b.txt"), "data of b.txt");
  const std::string before = CurrentDirectory();
  ListKey(VK_BACK);
  EXPECT_NE(CurrentDirectory(), before);
}

TEST_F(Window, MenuGreysDeadCommandsAndNowhereToGo) {
  win.UpdateCommandStates();
  const struct {
    int id;
    bool enabled;
  } before[] = {{CMD_BACK, false},    {CMD_FORWARD, false}, {CMD_DELETE, false}, {CMD_EXECUTE, false},
                {CMD_OPTIONS, false}, {CMD_RELOAD, true},   {CMD_ALL, true},     {CMD_MANUAL_RENAME, true}};
  for (const auto& c : before) EXPECT_EQ(Enabled(c.id), c.enabled) << c.id;
  Cmd(CMD_PARENT_DIR);
  EXPECT_TRUE(Enabled(CMD_BACK));
  EXPECT_FALSE(Enabled(CMD_FORWARD));
  Cmd(CMD_BACK);
  EXPECT_FALSE(Enabled(CMD_BACK));
  EXPECT_TRUE(Enabled(CMD_FORWARD));
  EXPECT_GE(Row("a.txt"), 0);
}

TEST_F(Window, F2EditsTheNameAndEnterRenamesInPlace) {
  Focus("c.txt");
  SetFocus(List().Hwnd());
  Cmd(CMD_MANUAL_RENAME);
  HWND edit = reinterpret_cast<HWND>(SendMessageA(List().Hwnd(), LVM_GETEDITCONTROL, 0, 0));
  ASSERT_TRUE(edit);
  SetWindowTextA(edit, "sea.txt");
  SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
  Pump();
  EXPECT_EQ(tree.Read("sea.txt"), "data of c.txt");
  EXPECT_GE(Row("sea.txt"), 0);
  EXPECT_TRUE(Enabled(CMD_UNDO));
}
