#include "ui/CListeFic.h"

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <unordered_map>

#include "config/CConfig.h"
#include "ui/CEngineOptions.h"
#include "expr/CCalculNoms.h"
#include "expr/CColonnes.h"
#include "expr/CCollision.h"
#include "expr/CHooksProgramme.h"
#include "expr/CNoms.h"
#include "ops/CFsHelpers.h"
#include "os/CurrentDir.h"
#include "ops/COperation.h"
#include "config/CMultilangue.h"
#include "os/AnsiCase.h"
#include "os/CKGuards.h"
#include "ui/CMessages.h"
#include "ui/CStatusbar.h"

namespace {

std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  const size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
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

// Names are matched as the file system matches them: without regard to case.
void SetRowState(HWND list, int row, UINT state, UINT mask) {
  LVITEMA item = {};
  item.stateMask = mask;
  item.state = state;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
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

void CListeFic::OnGetDispInfo(NMLVDISPINFOA* info) {
  if (!(info->item.mask & LVIF_TEXT) || !info->item.pszText || info->item.cchTextMax <= 0) return;
  if (info->item.iItem >= 0 && info->item.iItem < model_.Count()) Freshen(model_.Entry(info->item.iItem));
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
  ShowFocusedState();
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
  // A new job for every load: the previous one has ended or was given up.
  loader_ = std::make_unique<CChargeRep>();
  loader_->generation = ++generation_;
  loader_->request = pending_;
  pending_ = CLoadRequest();
  loader_->owner = owner_;
  loader_->doneMessage = WM_VELTO_LOADED;
  loader_->status = status_ ? status_->Hwnd() : nullptr;
  loader_->reload = dir.empty();
  loader_->filter = cfg.fil.Get();
  loader_->listDirs = cfg.liste_rep;
  loader_->filterDirs = cfg.liste_rep_fil;
  loader_->listSystem = cfg.liste_systeme;
  loader_->listHidden = cfg.liste_cache;
  loader_->recursive = cfg.recurse;
  // In reload mode the search paths are relative to the current directory,
  // but the entries' full paths still need the absolute directory.
  loader_->baseDir = WithBackslash(loader_->reload ? CurrentDirectory() : dir);
  loader_->baseOptions = BaseOptions();
  loader_->progressOne = Txt(33);
  loader_->progressMany = Txt(34);
  loader_->keep = false;
  loaderBusy_ = true;
  SuspendMonitor();  // the load's own activity is no change
  if (loader_->request.threaded) {
    if (loader_->Start() != 0) {
      loaderBusy_ = false;
      ResumeMonitor();
      return -1;
    }
    return 0;
  }
  loader_->Execute();
  return 0;
}

void CListeFic::StopLoading(bool keep) {
  if (!loaderBusy_) return;
  loader_->keep = keep;
  loader_->RequestStop();
  const int waited = loader_->Wait(10000);
  // A completion already queued is replaced by this synchronous one.
  MSG msg;
  while (PeekMessageA(&msg, owner_, WM_VELTO_LOADED, WM_VELTO_LOADED, PM_REMOVE)) {
  }
  const bool reload = loader_->reload;
  // A worker stuck in a system call (a dead network share) keeps its job and
  // frees it when the call returns; its late completion carries an old
  // generation and is dropped.
  if (waited != 0) CKThread::Abandon(std::move(loader_));
  FinishLoad(waited == 0 && keep, reload);
}

void CListeFic::OnLoaded(WPARAM w) {
  if (!loaderBusy_ || !loader_ || w != loader_->generation) return;
  FinishLoad(!loader_->StopRequested() || loader_->keep, loader_->reload);
}

void CListeFic::FinishLoad(bool accept, bool reload) {
  loaderBusy_ = false;
  if (accept) {
    bool ok = true;
    if (!loader_->reload) {
      std::string dir = loader_->baseDir;
      if (!SetCurrentDirectoryA(dir.c_str())) {
        ShowAccessError(owner_, dir);
        ok = false;
      }
    }
    if (ok) {
      EndLabelEdit();
      // A reload keeps the view: the focused and highlighted entries, by name.
      std::string focusedName;
      std::vector<std::string> highlighted;
      if (loader_->reload) {
        CarryOver(loader_->results);
        const int focused = FocusedItem();
        if (focused >= 0 && focused < model_.Count()) focusedName = model_.Entries()[focused].name;
        for (int row : HighlightedRows())
          if (row < model_.Count()) highlighted.push_back(model_.Entries()[row].name);
      } else {
        history_.Clear();
      }
      SetRedraw(false);
      SetRowState(Hwnd(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
      model_.SetEntries(std::move(loader_->results), loader_->recursive);
      SetItemCount(model_.Count(), true);
      RecomputeFutureNames();
      if (!loader_->request.selectFilter.empty()) SelectWithFilter(loader_->request.selectFilter, false, true);
      if (loader_->reload) {
        std::unordered_map<std::string, int> rows;
        for (int i = 0; i < model_.Count(); ++i) rows.emplace(AnsiUpperCopy(model_.Entries()[i].name), i);
        std::vector<int> again;
        for (const std::string& name : highlighted) {
          auto it = rows.find(AnsiUpperCopy(name));
          if (it != rows.end()) again.push_back(it->second);
        }
        SetHighlight(again);
        auto it = rows.find(AnsiUpperCopy(focusedName));
        if (!focusedName.empty() && it != rows.end()) SetFocusItem(it->second);
      }
      if (!loader_->request.focusName.empty()) FocusName(loader_->request.focusName);
      if (FocusedItem() < 0 && model_.Count() > 0) SetFocusItem(0);
      const int focus = FocusedItem();
      if (focus >= 0) EnsureVisible(focus);
      SetRedraw(true);
      std::string current = CurrentDirectory();
      char longName[MAX_PATH + 1];
      const DWORD n = GetLongPathNameA(current.c_str(), longName, sizeof longName);
      if (n > 0 && n < sizeof longName) current.assign(longName, n);
      Config().rep.Set(current);
      if (loader_->request.addToHistory && !loader_->reload) nav_.Add(current);
    }
  }
  if (loader_) {
    loader_->results.clear();
    loader_->results.shrink_to_fit();
  }
  RefreshStatus();
  if (!reload) RestartMonitor();
  ResumeMonitor();
}

CListeFic::~CListeFic() {
  if (!loader_) return;
  loader_->RequestStop();
  if (loader_->Wait(10000) != 0) CKThread::Abandon(std::move(loader_));
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
  FreshenAll();
  const ExprOptions options = EngineOptions();
  const CNettoyage cleanup(CleanupOptions());
  CHooksProgramme hooks;
  CCalculNoms run(options, &hooks);
  run.repCourant = CurrentDirectory();
  run.nettoyage = [&cleanup](const CFichier& e, std::string& name) {
    cleanup.Appliquer(name, NomRepertoire(e.name));
  };
  bool shown = false;
  run.progression = [this, &shown](size_t done, size_t) {
    shown = true;
    ShowProgress(31, static_cast<int>(done));
  };
  std::vector<CFichier*> selection;
  for (int i : model_.Selection()) selection.push_back(&model_.Entry(i));
  run.Calculer(expression, selection);
  RedrawItems(0, model_.Count() - 1);  // the visible page, where future names changed
  if (shown) RefreshStatus();
}

void CListeFic::SelectNames(const std::vector<std::string>& names) {
  int lowest = -1, highest = -1;
  const auto& entries = model_.Entries();
  // A name matches without regard to case unless some entry carries it
  // exactly: in a case-sensitive directory "a.txt" must not also select
  // "A.txt", a file the user never named.
  std::vector<bool> exact(names.size(), false);
  for (const auto& e : entries)
    for (size_t k = 0; k < names.size(); ++k)
      if (e.name == names[k]) exact[k] = true;
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string& n = entries[i].name;
    for (size_t k = 0; k < names.size(); ++k) {
      const std::string& want = names[k];
      if (exact[k] ? n != want : AnsiCompareNoCase(n.data(), n.size(), want.data(), want.size()) != 0) continue;
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

int CListeFic::RunOperation(COpKind kind) {
  if (kind == COpKind::None) return -1;
  if (model_.Selection().empty() || Config().exp.Get().empty()) return 0;
  EndLabelEdit();
  ShowProgress(kind == COpKind::Rename ? 305 : 301, 0);
  COpStats stats;
  HoldMonitor(kind);
  Langue().SetOperationRunning(true);
  ::RunOperation(model_.MutableEntries(), model_.Selection(), history_, kind,
                 Callbacks(kind == COpKind::Rename ? 306 : 302), stats);
  Langue().SetOperationRunning(false);
  ReleaseMonitor(kind);
  Finish(stats.failures, stats.failures == 0);
  return 0;
}

void CListeFic::Finish(int failures, bool recompute) {
  if (recompute && !unattended_) RecomputeFutureNames();
  RefreshStatus();
  if (failures <= 0) return;
  char text[512];
  std::snprintf(text, sizeof text, Txt(258), failures, failures > 1 ? "s" : "");
  MessageBoxA(owner_, text, "Velto", MB_OK | MB_ICONEXCLAMATION);
}

CBaseOptions CListeFic::BaseOptions() const {
  CBaseOptions options;
  options.sizeInBytes = Config().fic_octet_lf;
  options.kb = Txt(335);
  options.mb = Txt(336);
  options.gb = Txt(334);
  return options;
}

void CListeFic::Freshen(CFichier& entry) {
  if (entry.reread == CFichier::Reread::None) return;
  const bool all = entry.reread == CFichier::Reread::All;
  entry.reread = CFichier::Reread::None;
  RefreshEntry(entry, all);
}

void CListeFic::FreshenAll() {
  for (CFichier& e : model_.MutableEntries()) Freshen(e);
}

void CListeFic::RefreshEntry(CFichier& entry, bool extensionChanged) {
  WIN32_FIND_DATAA fd;
  if (!CKFind(FindFirstFileA(entry.name.c_str(), &fd)).Valid()) return;  // no longer found: the old data stays
  const size_t slash = entry.name.rfind('\\');
  const std::string rel = slash == std::string::npos ? std::string() : entry.name.substr(0, slash + 1);
  if (extensionChanged) {
    // Every item may depend on the type: start again from the listing alone,
    // keeping the selection number.
    const std::string sel = entry.items.Text(kItemSel);
    entry.items.Clear();
    if (entry.selOrder >= 0) entry.items.text.Set(kItemSel, sel);
  }
  FillBaseItems(entry, WithBackslash(CurrentDirectory()), rel, fd, BaseOptions(), types_);
}

COpCallbacks CListeFic::Callbacks(int progressTextId) {
  COpCallbacks callbacks;
  callbacks.refresh = [](CFichier& e, bool extensionChanged) {
    const bool all = extensionChanged || e.reread == CFichier::Reread::All;
    e.reread = all ? CFichier::Reread::All : CFichier::Reread::Listing;
  };
  callbacks.redraw = [this](int i) { RedrawItems(i, i); };
  callbacks.progress = [this, progressTextId](int done) { ShowProgress(progressTextId, done); };
  return callbacks;
}

int CListeFic::Replay(bool undo) {
  if (undo ? !history_.CanUndo() : !history_.CanRedo()) return -1;
  const int step = undo ? history_.Position() : history_.Position() + 1;
  const COpKind kind = history_.Kind(step);
  EndLabelEdit();
  ShowProgress(undo ? 299 : 303, 0);
  COpStats stats;
  HoldMonitor(kind);
  Langue().SetOperationRunning(true);
  const COpCallbacks callbacks = Callbacks(undo ? 300 : 304);
  const int r = undo ? ::Undo(model_.MutableEntries(), history_, callbacks, stats)
                     : ::Redo(model_.MutableEntries(), history_, callbacks, stats);
  Langue().SetOperationRunning(false);
  ReleaseMonitor(kind);
  Finish(stats.failures, stats.failures == 0);
  return r;
}

int CListeFic::Undo() { return Replay(true); }
int CListeFic::Redo() { return Replay(false); }

int CListeFic::RenameInPlace(int row, const std::string& name) {
  if (row < 0 || row >= model_.Count()) return -1;
  if (name.empty()) return -2;
  CFichier& entry = model_.Entry(row);
  if (entry.isParent) return -3;
  const int step = history_.Begin(COpKind::Rename);
  HoldMonitor(COpKind::Rename);
  Langue().SetOperationRunning(true);
  const int r = OperateEntry(entry, step, COpKind::Rename, name, Callbacks(306));
  Freshen(entry);
  // A rename in place is a step of its own even when it fails.
  history_.Commit(model_.MutableEntries());
  Langue().SetOperationRunning(false);
  RedrawItems(row, row);
  ReleaseMonitor(COpKind::Rename);
  Finish(r == kOpFailed ? 1 : 0, true);
  return r == kOpFailed ? -4 : 0;
}

void CListeFic::Recompute(const std::string& expression) {
  const std::string trimmed = Trim(expression);
  if (trimmed != Config().exp.Get()) Config().exp.Set(trimmed);
  RecomputeFutureNames();
}

void CListeFic::CarryOver(std::vector<CFichier>& fresh) const {
  std::unordered_map<std::string, size_t> byName;
  for (size_t i = 0; i < fresh.size(); ++i) byName.emplace(AnsiUpperCopy(fresh[i].name), i);
  for (const CFichier& old : model_.Entries()) {
    if (old.selOrder < 0 && old.history.empty()) continue;
    auto it = byName.find(AnsiUpperCopy(old.name));
    if (it == byName.end()) continue;  // vanished: its selection and records go with it
    CFichier& e = fresh[it->second];
    e.selOrder = old.selOrder;  // the model renumbers in this order
    e.history = old.history;
  }
}

void CListeFic::EndLabelEdit() {
  if (Hwnd() && SendMessageA(Hwnd(), LVM_GETEDITCONTROL, 0, 0)) SendMessageA(Hwnd(), LVM_CANCELEDITLABEL, 0, 0);
}

void CListeFic::ToggleRecursive() {
  StopLoading(false);
  Config().recurse.Set(!Config().recurse.Get());
  RestartMonitor();
  const int focused = FocusedItem();
  if (focused >= 0 && focused < model_.Count()) pending_.focusName = model_.Entries()[focused].name;
  pending_.threaded = true;
  LoadDirectory("", true);
}

void CListeFic::LoadFocusedDirectory() {
  const int focused = FocusedItem();
  if (focused < 0 || focused >= model_.Count()) return;
  const std::string& name = model_.Entries()[focused].name;
  const size_t slash = name.rfind('\\');
  if (slash == std::string::npos) return;
  pending_.focusName = name.substr(slash + 1);
  pending_.threaded = true;
  pending_.addToHistory = true;
  LoadDirectory(slash == 0 ? name.substr(0, 1) : name.substr(0, slash), true);
}

std::vector<int> CListeFic::HighlightedRows() const {
  std::vector<int> rows;
  if (!Hwnd()) return rows;
  int row = -1;
  for (;;) {
    row = static_cast<int>(SendMessageA(Hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
    if (row < 0 || (!rows.empty() && row <= rows.back())) break;
    rows.push_back(row);
  }
  return rows;
}

void CListeFic::SetHighlight(const std::vector<int>& rows) {
  SetRowState(Hwnd(), -1, 0, LVIS_SELECTED);
  for (int row : rows) SetRowState(Hwnd(), row, LVIS_SELECTED, LVIS_SELECTED);
}

void CListeFic::FocusRow(int row, bool only) {
  if (row < 0 || row >= model_.Count()) return;
  if (only) {
    SetRowState(Hwnd(), -1, 0, LVIS_SELECTED);
    SetRowState(Hwnd(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageA(Hwnd(), LVM_SETSELECTIONMARK, 0, row);
  } else {
    SetFocusItem(row);
  }
  EnsureVisible(row);
}

void CListeFic::ShowFocusedState() {
  if (!status_) return;
  const int focused = FocusedItem();
  if (focused < 0 || focused >= model_.Count()) {
    status_->SetText(CStatusbar::kText, "");
    return;
  }
  const CFichier& e = model_.Entries()[focused];
  if (e.lastError == 0) {
    status_->SetText(CStatusbar::kText, e.name);
    return;
  }
  char message[512] = "";
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                 e.lastError, 0, message, sizeof message, nullptr);
  std::string text(message, n < sizeof message ? n : 0);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  status_->SetText(CStatusbar::kText, text + " (" + std::to_string(e.lastError) + ")");
}

void CListeFic::SelectAll() {
  model_.SelectAll();
  RefreshStatus();
}

void CListeFic::UnselectAll() {
  model_.UnselectAll();
  RefreshStatus();
}

void CListeFic::Invert() {
  model_.Invert();
  RefreshStatus();
}

void CListeFic::SelectHighlighted() {
  model_.SelectRows(HighlightedRows());
  RefreshStatus();
}

void CListeFic::UnselectHighlighted() {
  model_.UnselectRows(HighlightedRows());
  RefreshStatus();
}

void CListeFic::ToggleHighlighted() {
  const int focused = FocusedItem();
  if (focused < 0 || focused >= model_.Count()) return;
  model_.SpaceRows(HighlightedRows(), focused);
  RefreshStatus();
}

void CListeFic::HighlightSelected() {
  const std::vector<int> rows = model_.SelectedRows();
  SetHighlight(rows);
  if (!rows.empty()) FocusRow(rows.front(), false);
  ShowFocusedState();
}

bool CListeFic::FocusFirstSelected() {
  const int row = model_.NextSelected(-1);
  FocusRow(row, true);
  ShowFocusedState();
  return row >= 0;
}

bool CListeFic::FocusNextSelected() {
  const int row = model_.NextSelected(FocusedItem());
  FocusRow(row, true);
  ShowFocusedState();
  return row >= 0;
}

int CListeFic::SelectWithFilter(const std::string& filter, bool notMatching, bool dirs) {
  const int first = model_.SelectFilter(filter, notMatching, dirs);
  FocusRow(first, false);
  RefreshStatus();
  return first;
}

int CListeFic::UnselectWithFilter(const std::string& filter, bool notMatching, bool dirs) {
  const int last = model_.UnselectFilter(filter, notMatching, dirs);
  FocusRow(last, false);
  RefreshStatus();
  return last;
}

int CListeFic::HighlightWithFilter(const std::string& filter, bool notMatching, bool dirs) {
  const std::vector<int> rows = model_.HighlightFilter(filter, notMatching, dirs);
  SetHighlight(rows);
  const int first = rows.empty() ? -1 : rows.front();
  FocusRow(first, false);
  ShowFocusedState();
  return first;
}

int CListeFic::SearchWithFilter(const std::string& filter, bool notMatching, bool dirs, bool next) {
  const int row = model_.Search(filter, notMatching, dirs, next ? FocusedItem() + 1 : 0);
  FocusRow(row, true);
  ShowFocusedState();
  return row;
}

int CListeFic::SearchNext() {
  const int row = model_.SearchNext(FocusedItem());
  FocusRow(row, true);
  ShowFocusedState();
  return row;
}

void CListeFic::SortByColumn(int column) {
  if (column < 0 || column >= static_cast<int>(Columns().size())) return;
  CConfig& cfg = Config();
  if (cfg.tri_subitem.Get() == column) {
    cfg.tri_asc.Set(!cfg.tri_asc.Get());
  } else {
    cfg.tri_subitem.Set(column);
    cfg.tri_asc.Set(true);
  }
  SortList();
}

void CListeFic::SortList() {
  const int column = Config().tri_subitem;
  if (column < 0 || column >= static_cast<int>(Columns().size()) || model_.Count() == 0) return;
  const int item = Columns()[static_cast<size_t>(column)];
  SortKind kind = SortKind::Text;
  if (const CColonne* c = Colonne(item)) {
    if (c->kind == kKindInt) kind = SortKind::Integer;
    if (c->kind == kKindDec) kind = SortKind::Decimal;
    if (c->kind == kKindDate) kind = SortKind::Date;
  }
  FreshenAll();
  if (status_) status_->SetText(CStatusbar::kText, Txt(333));
  if (owner_) UpdateWindow(owner_);
  std::vector<char> wasHighlighted(static_cast<size_t>(model_.Count()), 0);
  for (int row : HighlightedRows())
    if (row < model_.Count()) wasHighlighted[static_cast<size_t>(row)] = 1;
  const int focused = FocusedItem();
  const std::vector<int> oldRow = model_.Sort(item, kind, Config().tri_asc, Config().tri_xp);
  std::vector<int> highlight;
  int newFocus = -1;
  for (size_t n = 0; n < oldRow.size(); ++n) {
    if (wasHighlighted[static_cast<size_t>(oldRow[n])]) highlight.push_back(static_cast<int>(n));
    if (oldRow[n] == focused) newFocus = static_cast<int>(n);
  }
  SetHighlight(highlight);
  if (newFocus >= 0) FocusRow(newFocus, false);
  RedrawItems(0, model_.Count() - 1);
  ShowFocusedState();
}
