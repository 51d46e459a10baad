// The list controller's directory loads: start, stop, completion, and the
// reloads that keep the selection, focus and highlight by name.
#include "ui/CListeFic.h"

#include <cassert>
#include <memory>
#include <unordered_map>

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "os/CNoms.h"
#include "os/AnsiCase.h"
#include "os/AsciiText.h"
#include "os/CurrentDir.h"
#include "os/OsFs.h"
#include "ui/CMessages.h"

void CListeFic::ShowAccessError(const std::string& dir) const {
  const std::string text = FormatTexte(Txt(26), {dir});
  MessageBoxA(owner_, text.c_str(), "Velto", MB_OK | MB_ICONEXCLAMATION);
}

int CListeFic::LoadDirectory(const std::string& requested, bool reportErrors) {
  if (loaderBusy_) StopLoading(false);
  std::string dir = Trim(requested, " \t");
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
      if (reportErrors) ShowAccessError(requested);
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
  if (status_) loader_->showProgress = status_->TextWriterForWorker();
  loader_->reload = dir.empty();
  loader_->filter = cfg.fil.Get();
  loader_->listDirs = cfg.liste_rep;
  loader_->filterDirs = cfg.liste_rep_fil;
  loader_->listSystem = cfg.liste_systeme;
  loader_->listHidden = cfg.liste_cache;
  loader_->recursive = cfg.recurse;
  // In reload mode the search paths are relative to the current directory,
  // but the entries' full paths still need the absolute directory.
  loader_->baseDir = AvecAntislash(loader_->reload ? CurrentDirectory() : dir);
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
  assert(loader_);  // a busy load always has its job
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
  assert(!accept || loader_);  // only a job that finished is accepted
  if (accept) {
    bool ok = true;
    if (!loader_->reload) {
      std::string dir = loader_->baseDir;
      if (!SetCurrentDirectoryA(dir.c_str())) {
        ShowAccessError(dir);
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
      SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
      model_.SetEntries(std::move(loader_->results), loader_->recursive);
      SetItemCount(model_.Count(), true);
      RecomputeFutureNames();
      if (!loader_->request.selectFilter.empty())
        SelectWithFilter(loader_->request.selectFilter, false, true);
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
      const std::string longName = LongName(current);
      if (!longName.empty()) current = longName;
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
  if (name.find('\\') == std::string::npos) return;
  pending_.focusName = NomSansChemin(name);
  pending_.threaded = true;
  pending_.addToHistory = true;
  LoadDirectory(RepertoireDe(name), true);
}

bool CListeFic::FocusName(const std::string& name) {
  const auto& entries = model_.Entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    if (AnsiEqualNoCase(entries[i].name, name)) {
      SetFocusItem(static_cast<int>(i));
      return true;
    }
  }
  return false;
}
