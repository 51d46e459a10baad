// The list's directory loads: start, stop, completion, and the reloads that
// keep the selection, and the view's focus and highlight, by name.
#include "ui/CListeCourante.h"

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

void CListeCourante::ShowAccessError(const std::string& dir) const {
  const std::string text = FormatTexte(Txt(26), {dir});
  MessageBoxA(owner_, text.c_str(), "Velto", MB_OK | MB_ICONEXCLAMATION);
}

int CListeCourante::LoadDirectory(const std::string& requested, bool reportErrors) {
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
  // Without a window to send the completion to, it is handled here.
  if (!owner_) OnLoaded(loader_->generation);
  return 0;
}

void CListeCourante::StopLoading(bool keep) {
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

void CListeCourante::OnLoaded(WPARAM w) {
  if (!loaderBusy_ || !loader_ || w != loader_->generation) return;
  FinishLoad(!loader_->StopRequested() || loader_->keep, loader_->reload);
}

void CListeCourante::FinishLoad(bool accept, bool reload) {
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
      CVue view;
      if (loader_->reload) {
        CarryOver(loader_->results);
        view = SaveView();
      } else {
        history_.Clear();
      }
      BeforeSwap();
      model_.SetEntries(std::move(loader_->results), loader_->recursive);
      AfterSwap();
      RecomputeFutureNames();
      if (!loader_->request.selectFilter.empty())
        SelectWithFilter(loader_->request.selectFilter, false, true);
      EndSwap(loader_->reload ? &view : nullptr, loader_->request.focusName);
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

CListeCourante::~CListeCourante() {
  if (!loader_) return;
  loader_->RequestStop();
  if (loader_->Wait(10000) != 0) CKThread::Abandon(std::move(loader_));
}

void CListeCourante::CarryOver(std::vector<CFichier>& fresh) const {
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
