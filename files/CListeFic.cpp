#include "files/CListeFic.h"

#include <commctrl.h>

#include <cstdio>

#include "config/CConfig.h"
#include "config/CEngineOptions.h"
#include "expr/CCalculNoms.h"
#include "expr/CHooksDates.h"
#include "ops/COperation.h"
#include "config/CMultilangue.h"
#include "os/AnsiCase.h"
#include "ui/CStatusbar.h"

namespace {

std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  const size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

std::string CurrentDirectory() {
  char buf[MAX_PATH + 1];
  const DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
  return (n == 0 || n >= sizeof buf) ? std::string() : std::string(buf, n);
}

std::string WithBackslash(std::string dir) {
  if (dir.empty() || dir.back() != '\\') dir += '\\';
  return dir;
}

void ShowAccessError(HWND owner, const std::string& dir) {
  char text[1024];
  std::snprintf(text, sizeof text, Txt(26), dir.c_str());
  MessageBoxA(owner, text, "Velto", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

const std::vector<int>& CListeFic::Columns() {
  static const std::vector<int> columns = {kItemNom,      kItemNomFutur,  kItemSel,
                                           kItemNomDos,   kItemType,      kItemTaille,
                                           kItemDateCrea, kItemDateAcces, kItemDateModif,
                                           kItemAttributs};
  return columns;
}

HWND CListeFic::Create(HWND owner, HINSTANCE inst, int id, bool visible) {
  owner_ = owner;
  DWORD style = WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS;
  if (visible) style |= WS_VISIBLE;
  HWND hwnd = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", style, 0, 0, 0, 0, owner,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst, nullptr);
  Attach(hwnd);
  if (!hwnd) return nullptr;
  model_.SetRedrawRow([this](int row) { RedrawItems(row, row); });
  model_.SetRecompute([this] { RecomputeFutureNames(); });
  model_.SetSelText([](int index) {
    const CConfig& c = Config();
    return FormaterNombre(ValeurNumero(c.num_sel_dep, index, c.num_sel_inc), c.num_sel_pad);
  });
  SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
  const auto& cols = Columns();
  for (size_t i = 0; i < cols.size(); ++i) {
    const int item = cols[i];
    const bool right = item == kItemTaille || item == kItemSel;
    const int width = item == kItemNom || item == kItemNomFutur ? 200 : 100;
    InsertColumn(static_cast<int>(i), Txt(ColumnTitleId(item)), width, right);
  }
  return hwnd;
}

const std::string& CListeFic::CellText(int row, int column) const {
  static const std::string empty;
  if (row < 0 || row >= model_.Count()) return empty;
  if (column < 0 || column >= static_cast<int>(Columns().size())) return empty;
  return model_.Entries()[row].ItemText(Columns()[column]);
}

void CListeFic::OnGetDispInfo(NMLVDISPINFOA* info) const {
  if (!(info->item.mask & LVIF_TEXT) || !info->item.pszText || info->item.cchTextMax <= 0) return;
  const std::string& text = CellText(info->item.iItem, info->item.iSubItem);
  lstrcpynA(info->item.pszText, text.c_str(), info->item.cchTextMax);
}

bool CListeFic::FocusName(const std::string& name) {
  const auto& entries = model_.Entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string& n = entries[i].name;
    if (AnsiCompareNoCase(n.data(), n.size(), name.data(), name.size()) == 0) {
      SetFocusItem(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

void CListeFic::RefreshStatus() {
  if (!status_) return;
  status_->SetText(CStatusbar::kText, "");
  status_->SetText(CStatusbar::kSel, model_.CountersText(Txt(324)));
  status_->SetText(CStatusbar::kSelSize,
                   model_.SizeText(Txt(326), CSizeUnits{Txt(335), Txt(336), Txt(334)}));
  char oper[64];
  std::snprintf(oper, sizeof oper, Txt(322), history_.Position(), history_.Count());
  status_->SetText(CStatusbar::kOper, oper);
}

int CListeFic::LoadDirectory(const std::string& requested, bool reportErrors) {
  if (loaderBusy_) StopLoading(false);
  std::string dir = Trim(requested);
  if (!dir.empty()) {
    if (dir.back() == ':') dir += '\\';
    const std::string previous = CurrentDirectory();
    if (previous.empty()) {
      RefreshStatus();
      return -1;
    }
    const bool usable = SetCurrentDirectoryA(dir.c_str()) != 0;
    if (usable) {
      // The load works on an absolute directory even when given a relative one.
      dir = CurrentDirectory();
      SetCurrentDirectoryA(previous.c_str());
    }
    if (!usable || dir.empty()) {
      if (reportErrors) ShowAccessError(owner_, requested);
      RefreshStatus();
      return -2;
    }
  }
  CConfig& cfg = Config();
  loader_.request = pending_;
  pending_ = CLoadRequest();
  loader_.owner = owner_;
  loader_.status = status_ ? status_->Hwnd() : nullptr;
  loader_.reload = dir.empty();
  loader_.filter = cfg.fil.Get();
  loader_.listDirs = cfg.liste_rep;
  loader_.filterDirs = cfg.liste_rep_fil;
  loader_.listSystem = cfg.liste_systeme;
  loader_.listHidden = cfg.liste_cache;
  loader_.recursive = cfg.recurse;
  // In reload mode the search paths are relative to the current directory,
  // but the entries' full paths still need the absolute directory.
  loader_.baseDir = WithBackslash(loader_.reload ? CurrentDirectory() : dir);
  loader_.baseOptions.sizeInBytes = cfg.fic_octet_lf;
  loader_.baseOptions.kb = Txt(335);
  loader_.baseOptions.mb = Txt(336);
  loader_.baseOptions.gb = Txt(334);
  loader_.baseOptions.dateText = [](FileTime ft) {
    static const CDateFormat format;
    return format.Formater(ft, "%c");
  };
  loader_.progressOne = Txt(33);
  loader_.progressMany = Txt(34);
  loader_.keep = false;
  loader_.ClearStop();
  loaderBusy_ = true;
  if (loader_.request.threaded) {
    if (loader_.Start() != 0) {
      loaderBusy_ = false;
      return -1;
    }
    return 0;
  }
  loader_.Execute();
  return 0;
}

void CListeFic::StopLoading(bool keep) {
  if (!loaderBusy_) return;
  loader_.keep = keep;
  loader_.RequestStop();
  const int waited = loader_.Wait(10000);
  // A completion already queued is replaced by this synchronous one.
  MSG msg;
  while (PeekMessageA(&msg, owner_, WM_VELTO_LOADED, WM_VELTO_LOADED, PM_REMOVE)) {
  }
  OnLoaded(waited == 0 ? 0 : static_cast<WPARAM>(-1));
}

void CListeFic::OnLoaded(WPARAM w) {
  if (!loaderBusy_) return;
  loaderBusy_ = false;
  loader_.CloseHandle();
  const bool accept = w == 0 && (!loader_.StopRequested() || loader_.keep);
  if (accept) {
    bool ok = true;
    if (!loader_.reload) {
      std::string dir = loader_.baseDir;
      if (!SetCurrentDirectoryA(dir.c_str())) {
        ShowAccessError(owner_, dir);
        ok = false;
      }
    }
    if (ok) {
      SetRedraw(false);
      history_.Clear();
      model_.SetEntries(std::move(loader_.results), loader_.recursive);
      SetItemCount(model_.Count(), true);
      RecomputeFutureNames();
      if (!loader_.request.selectFilter.empty()) model_.SelectFilter(loader_.request.selectFilter, false, true);
      if (!loader_.request.focusName.empty()) FocusName(loader_.request.focusName);
      if (FocusedItem() < 0 && model_.Count() > 0) SetFocusItem(0);
      const int focus = FocusedItem();
      if (focus >= 0) EnsureVisible(focus);
      SetRedraw(true);
      std::string current = CurrentDirectory();
      char longName[MAX_PATH + 1];
      const DWORD n = GetLongPathNameA(current.c_str(), longName, sizeof longName);
      if (n > 0 && n < sizeof longName) current.assign(longName, n);
      Config().rep.Set(current);
      if (loader_.request.addToHistory && !loader_.reload) nav_.Add(current);
    }
  }
  loader_.results.clear();
  loader_.results.shrink_to_fit();
  RefreshStatus();
}

void CListeFic::ShowProgress(int textId, int done) {
  if (!status_) return;
  char text[128];
  std::snprintf(text, sizeof text, Txt(textId), done);
  status_->SetText(CStatusbar::kText, text);
  if (owner_) UpdateWindow(owner_);
}

void CListeFic::RecomputeFutureNames() {
  const std::string expression = Config().exp.Get();
  if (model_.Count() == 0 || model_.Selection().empty()) return;
  const ExprOptions options = EngineOptions();
  const CNettoyage cleanup(CleanupOptions());
  CHooksDates hooks;
  CCalculNoms run(options, &hooks);
  char cwd[MAX_PATH + 1];
  const DWORD n = GetCurrentDirectoryA(sizeof cwd, cwd);
  if (n > 0 && n < sizeof cwd) run.repCourant.assign(cwd, n);
  run.nettoyage = [&cleanup](const CFichier& e, std::string& name) {
    const size_t slash = e.name.rfind('\\');
    cleanup.Appliquer(name, slash == std::string::npos ? std::string() : e.name.substr(0, slash + 1));
  };
  bool shown = false;
  run.progression = [this, &shown](size_t done, size_t) {
    shown = true;
    ShowProgress(31, static_cast<int>(done));
  };
  std::vector<CFichier*> selection;
  for (int i : model_.Selection()) selection.push_back(&model_.Entry(i));
  run.Calculer(expression, selection);
  for (int i : model_.Selection()) RedrawItems(i, i);
  if (shown) RefreshStatus();
}

void CListeFic::SelectNames(const std::vector<std::string>& names) {
  int lowest = -1, highest = -1;
  const auto& entries = model_.Entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string& n = entries[i].name;
    for (const std::string& want : names) {
      if (AnsiCompareNoCase(n.data(), n.size(), want.data(), want.size()) != 0) continue;
      if (model_.Select(static_cast<int>(i)) == 0) {
        if (lowest < 0) lowest = static_cast<int>(i);
        highest = static_cast<int>(i);
      }
      break;
    }
  }
  if (lowest < 0) return;
  EnsureVisible(highest);
  EnsureVisible(lowest);
  SetFocusItem(lowest);
  RecomputeFutureNames();
  RefreshStatus();
}

int CListeFic::RunOperation(int kind) {
  if (kind != 0 && kind != 1) return -1;
  if (model_.Selection().empty() || Config().exp.Get().empty()) return 0;
  ShowProgress(kind == 0 ? 305 : 301, 0);
  COpCallbacks callbacks;
  callbacks.redraw = [this](int i) { RedrawItems(i, i); };
  callbacks.progress = [this, kind](int done) { ShowProgress(kind == 0 ? 306 : 302, done); };
  COpStats stats;
  Langue().SetOperationRunning(true);
  ::RunOperation(model_.MutableEntries(), model_.Selection(), history_, kind, callbacks, stats);
  Langue().SetOperationRunning(false);
  if (stats.failures == 0) RecomputeFutureNames();
  RefreshStatus();
  if (stats.failures > 0) {
    char text[512];
    std::snprintf(text, sizeof text, Txt(258), stats.failures, stats.failures > 1 ? "s" : "");
    MessageBoxA(owner_, text, "Velto", MB_OK | MB_ICONEXCLAMATION);
  }
  return 0;
}
