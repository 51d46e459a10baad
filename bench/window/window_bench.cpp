// The main window over one large directory, every entry selected, against
// the engine alone on the same entries:
//   window_bench DIR
// - a full recompute (the Recompute command) against the future-name run
//   over copies of the selection;
// - typing an expression with the immediate recompute on: the longest time
//   a key waited before the window took it, the longest message, and the
//   time from the last key to the names shown;
// - painting a page of the list, with the usual columns and with all 216,
//   against making the same cells' texts.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "config/CConfig.h"
#include "expr/CHooksProgramme.h"
#include "os/CurrentDir.h"
#include "res/resource.h"
#include "ui/CCalculFond.h"
#include "ui/CEngineOptions.h"
#include "ui/CGroupes.h"
#include "ui/CMainWindow.h"

namespace {

double NowMs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

void Line(const char* what, double window, double engine) {
  std::printf("%-34s %10.2f ms %10.3f ms", what, window, engine);
  // Below a tenth of a millisecond the ratio says nothing.
  if (engine >= 0.1) std::printf(" %7.2f", window / engine);
  std::printf("\n");
}

class CBench {
 public:
  explicit CBench(CMainWindow& win) : win_(win) {}

  // One message through the program's loop; its handling time.
  bool Pump(double* longest) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    const double start = NowMs();
    if (msg.message == WM_CHAR && msg.hwnd == win_.Rebar().Expression().Edit() && next_ < scheduled_.size())
      keyWait_ = std::max(keyWait_, start - scheduled_[next_++]);
    if (!win_.TranslateDialogs(&msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (longest) *longest = std::max(*longest, NowMs() - start);
    return true;
  }

  // The engine alone: the same run over copies of the selection.
  double EngineRun(const std::string& expression) {
    std::vector<CFichier> copies;
    for (int i : win_.List().Model().Selection()) copies.push_back(win_.List().Entries()[i]);
    std::vector<CFichier*> selection;
    for (CFichier& e : copies) selection.push_back(&e);
    const double start = NowMs();
    CalculerNomsFuturs(expression, selection, EngineOptions(), CleanupOptions(), CurrentDirectory(), SourcesExternes(),
                       nullptr);
    const double ms = NowMs() - start;
    lastName_ = copies.empty() ? std::string() : copies.back().futureName;
    return ms;
  }
  const std::string& LastEngineName() const { return lastName_; }

  // Types text into the expression field, a key every `gapMs`, through the
  // loop; then waits for the names of the last text.
  void Type(const std::string& text, double gapMs, double* keyWait, double* longest, double* toNames) {
    const HWND edit = win_.Rebar().Expression().Edit();
    SetFocus(edit);
    scheduled_.clear();
    next_ = 0;
    keyWait_ = 0;
    const double begin = NowMs();
    for (size_t i = 0; i < text.size(); ++i) scheduled_.push_back(begin + gapMs * i);
    size_t posted = 0;
    *longest = 0;
    while (posted < text.size() || next_ < text.size()) {
      if (posted < text.size() && NowMs() >= scheduled_[posted]) {
        PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(text[posted]), 1);
        ++posted;
      }
      if (!Pump(longest)) Sleep(1);
    }
    const double lastKey = NowMs();
    const std::vector<int>& sel = win_.List().Model().Selection();
    const int last = sel.empty() ? -1 : sel.back();
    while (NowMs() - lastKey < 30000) {
      if (!Pump(longest)) Sleep(1);
      if (last >= 0 && win_.List().Entries()[last].futureName == lastName_ && !win_.List().BackgroundRunning()) break;
    }
    *toNames = NowMs() - lastKey;
    *keyWait = keyWait_;
  }

  // Paints the list's visible page `runs` times; the median, and the time
  // to make the same cells' texts.
  void PaintPage(int runs, double* paint, double* texts) {
    CListeFic& list = win_.List();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
      const double start = NowMs();
      InvalidateRect(list.Hwnd(), nullptr, TRUE);
      UpdateWindow(list.Hwnd());
      times.push_back(NowMs() - start);
    }
    *paint = Median(times);
    const int top = static_cast<int>(SendMessageA(list.Hwnd(), LVM_GETTOPINDEX, 0, 0));
    const int rows = static_cast<int>(SendMessageA(list.Hwnd(), LVM_GETCOUNTPERPAGE, 0, 0)) + 1;
    const int columns = static_cast<int>(list.ShownItems().size());
    times.clear();
    size_t bytes = 0;
    for (int i = 0; i < runs; ++i) {
      const double start = NowMs();
      for (int r = top; r < top + rows && r < list.Model().Count(); ++r)
        for (int c = 0; c < columns; ++c) bytes += list.CellText(r, c).size();
      times.push_back(NowMs() - start);
    }
    *texts = Median(times);
    std::printf("(page: %d rows x %d columns, %zu bytes of text)\n", rows, columns, bytes / runs);
  }

 private:
  CMainWindow& win_;
  std::vector<double> scheduled_;
  size_t next_ = 0;
  double keyWait_ = 0;
  std::string lastName_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_bench DIR\n");
    return 2;
  }
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_LISTVIEW_CLASSES | ICC_COOL_CLASSES |
                                              ICC_USEREX_CLASSES};
  InitCommonControlsEx(&icc);
  CConfig& c = Config();
  c.recalc_imm.Set(false);
  c.exp.Set("");
  c.recurse.Set(false);
  c.grp_auto.Set(true);
  c.col_util.Set(true);
  CMainWindow win;
  if (!win.Create(GetModuleHandleA(nullptr), "Velto")) return 1;
  MoveWindow(win.Hwnd(), 0, 0, 1200, 800, TRUE);
  win.Show(SW_SHOW, false);
  CListeFic& list = win.List();
  list.Pending().threaded = false;
  double start = NowMs();
  if (list.LoadDirectory(argv[1], false) != 0) return 1;
  std::printf("%d entries loaded in %.0f ms\n", list.Model().Count(), NowMs() - start);
  SendMessageA(win.Hwnd(), WM_COMMAND, CMD_ALL, 0);
  CBench bench(win);
  while (bench.Pump(nullptr)) {
  }
  std::printf("%zu selected\n\n%-34s %13s %13s %7s\n", list.Model().Selection().size(), "figure", "window",
              "engine", "ratio");

  const std::string expression = "x_%b_%n{5}.%e";
  win.Rebar().Expression().SetText(expression);
  std::vector<double> window, engine;
  for (int i = 0; i < 3; ++i) {
    start = NowMs();
    SendMessageA(win.Hwnd(), WM_COMMAND, CMD_RECOMPUTE, 0);
    window.push_back(NowMs() - start);
    engine.push_back(bench.EngineRun(expression));
  }
  Line("full recompute", Median(window), Median(engine));

  // Typing with the immediate recompute on: a key every 60 ms (a fast typist).
  c.recalc_imm.Set(true);
  win.Rebar().Expression().SetText("");
  const std::string typed = "photo_%dmd_%n{4}.%e";
  const double engineTyped = bench.EngineRun(typed);
  double keyWait = 0, longest = 0, toNames = 0;
  bench.Type(typed, 60, &keyWait, &longest, &toNames);
  Line("typing: longest wait of a key", keyWait, engineTyped);
  Line("typing: longest message", longest, engineTyped);
  Line("typing: last key to names shown", toNames, engineTyped);
  const bool right = list.Entries()[list.Model().Selection().back()].futureName == bench.LastEngineName();
  std::printf("%-34s %s\n", "typing: names as the engine's", right ? "yes" : "NO");
  c.recalc_imm.Set(false);

  double paint = 0, texts = 0;
  bench.PaintPage(15, &paint, &texts);
  Line("paint a page", paint, texts);
  // Every column of every group shown.
  c.col_util.Set(false);
  c.grp_auto.Set(false);
  for (int g = kGroupBase; g < kGroupCount; ++g) GroupShown(g)->Set(true);
  SendMessageA(win.Hwnd(), WM_COMMAND, CMD_GRP_BASE, 0);
  SendMessageA(win.Hwnd(), WM_COMMAND, CMD_GRP_BASE, 0);
  while (bench.Pump(nullptr)) {
  }
  bench.PaintPage(15, &paint, &texts);
  Line("paint a page, all columns", paint, texts);
  DestroyWindow(win.Hwnd());
  return right ? 0 : 1;
}
