// The main window's bands: the combos' edits and picks, the immediate
// recompute while typing, the toolbar tooltips and drop-downs, and the focus
// moves between the fields and the list.
#include "ui/CMainWindow.h"

#include <commctrl.h>

#include <cstdio>

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "os/AsciiText.h"
#include "os/CurrentDir.h"
#include "res/resource.h"
#include "ui/CGroupes.h"
#include "ui/CMessages.h"

namespace {

// The pause in typing after which an immediate recompute starts.
constexpr UINT kRecalcDelay = 150;

}  // namespace

void CMainWindow::CatchUpWithTyping() {
  if (!recalcWaiting_ && !list_.BackgroundRunning()) return;
  KillTimer(hwnd_, kTimerRecalc);
  recalcWaiting_ = false;
  list_.Recompute(ExpressionText());
}

void CMainWindow::RecomputeFromCombo() {
  list_.Recompute(ExpressionText());
  UpdateCommandStates();
}

void CMainWindow::LoadTypedDirectory(const std::string& dir) {
  if (dir.empty()) return;
  list_.Pending().threaded = true;
  list_.Pending().addToHistory = true;
  if (list_.LoadDirectory(dir, true) == 0) rebar_.Directory().PutFirst(dir);
  else rebar_.Directory().SetText(CurrentDirectory());
  UpdateCommandStates();
}

void CMainWindow::ReloadWithFilter(const std::string& filter) {
  const std::string trimmed = Trim(filter, " \t");
  if (trimmed != Config().fil.Get()) Config().fil.Set(trimmed);
  rebar_.Filter().PutFirst(trimmed);
  Reload();
  UpdateCommandStates();
}

void CMainWindow::OnComboEnd(HWND from, bool changed, int why) {
  if (why == CBENF_ESCAPE) return;
  CRebar& r = rebar_;
  const bool enter = why == CBENF_RETURN;
  if (from == r.Expression().Hwnd()) {
    const std::string text = r.Expression().Text();
    if (!enter && (!changed || Trim(text, " \t") == Config().exp.Get())) return;
    KillTimer(hwnd_, kTimerRecalc);
    recalcWaiting_ = false;
    RecomputeFromCombo();
    r.Expression().PutFirst(Config().exp.Get());
  } else if (from == r.Directory().Hwnd()) {
    const std::string text = r.Directory().Text();
    if (!enter && (!changed || text == CurrentDirectory())) return;
    LoadTypedDirectory(text);
  } else if (from == r.Filter().Hwnd()) {
    const std::string text = r.Filter().Text();
    if (!enter && (!changed || Trim(text, " \t") == Config().fil.Get())) return;
    ReloadWithFilter(text);
  }
}

void CMainWindow::ExpressionEdited() {
  if (!Config().recalc_imm) return;
  // Each key restarts the wait: a run starts once typing pauses, on a
  // worker thread, so keys typed while it runs are taken at once.
  SetTimer(hwnd_, kTimerRecalc, kRecalcDelay, nullptr);
  recalcWaiting_ = true;
}

bool CMainWindow::OnComboCommand(HWND from, int code) {
  CRebar& r = rebar_;
  CKCombo* combo = from == r.Expression().Hwnd()  ? &r.Expression()
                   : from == r.Directory().Hwnd() ? static_cast<CKCombo*>(&r.Directory())
                   : from == r.Filter().Hwnd()    ? &r.Filter()
                                                  : nullptr;
  if (!combo) return false;
  if (code == CBN_EDITCHANGE && combo == &r.Expression()) {
    ExpressionEdited();
  } else if (code == CBN_SELENDOK) {
    const int at = static_cast<int>(SendMessageA(from, CB_GETCURSEL, 0, 0));
    const std::vector<std::string> texts = combo->History();
    if (at < 0 || at >= static_cast<int>(texts.size())) return true;
    const std::string picked = texts[at];
    combo->SetText(picked);
    if (combo == &r.Expression()) {
      list_.Recompute(picked);
      UpdateCommandStates();
    } else if (combo == &r.Directory()) {
      LoadTypedDirectory(picked);
    } else {
      ReloadWithFilter(picked);
    }
  }
  return true;
}

void CMainWindow::OnTooltip(NMHDR* hdr) {
  const int id = static_cast<int>(hdr->idFrom);
  if (const int group = GroupNameId(id)) {
    char buf[512];
    std::snprintf(buf, sizeof buf, Txt(275), Txt(group));
    tip_ = buf;
  } else {
    const char* text = Langue().Text(-id);
    tip_ = text ? text : "???";
  }
  if (hdr->code == TTN_GETDISPINFOA) {
    reinterpret_cast<NMTTDISPINFOA*>(hdr)->lpszText = const_cast<char*>(tip_.c_str());
  } else {
    NMTTDISPINFOW* w = reinterpret_cast<NMTTDISPINFOW*>(hdr);
    MultiByteToWideChar(CP_ACP, 0, tip_.c_str(), -1, w->szText, sizeof w->szText / sizeof w->szText[0]);
    w->szText[sizeof w->szText / sizeof w->szText[0] - 1] = 0;
    w->lpszText = w->szText;
  }
}

// Back and Forward drop down the directories that way, nearest first.
void CMainWindow::OnDropDown(NMTOOLBARA* nm) {
  const int step = nm->iItem == CMD_BACK ? -1 : nm->iItem == CMD_FORWARD ? +1 : 0;
  if (!step) return;
  const CNavHistory& h = list_.History();
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  int items = 0;
  for (int i = h.Index() + step; i >= 0 && i < static_cast<int>(h.Dirs().size()) && items < 15; i += step, ++items)
    AppendMenuA(menu, MF_STRING, 1 + items, h.Dirs()[i].c_str());
  RECT r = nm->rcButton;
  MapWindowPoints(nm->hdr.hwndFrom, nullptr, reinterpret_cast<POINT*>(&r), 2);
  const int chosen = items ? TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, r.left, r.bottom, 0, hwnd_, nullptr) : 0;
  DestroyMenu(menu);
  if (chosen > 0) Navigate(step * chosen);
  UpdateCommandStates();
}

void CMainWindow::CycleFocus(int step) {
  const HWND order[] = {rebar_.Expression().Edit(), rebar_.Directory().Edit(), rebar_.Filter().Edit(), list_.Hwnd()};
  const int n = static_cast<int>(sizeof order / sizeof order[0]);
  const HWND focus = GetFocus();
  int at = n - 1;
  for (int i = 0; i < n; ++i)
    if (order[i] && (order[i] == focus || IsChild(order[i], focus))) at = i;
  for (int k = 1; k <= n; ++k) {
    const HWND next = order[((at + step * k) % n + n) % n];
    if (next && IsWindowVisible(next)) {
      SetFocus(next);
      return;
    }
  }
}
