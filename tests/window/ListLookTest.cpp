// The file list's looks and mouse, its header menu and the expression
// field's keys, driven by messages as a user would.
#include "WindowFixture.h"

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
