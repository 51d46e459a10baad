// The list's operations: future names, rename, copy, undo, redo and the
// rename in place.
#include "ui/CListeCourante.h"

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "expr/CHooksProgramme.h"
#include "files/CEntryHook.h"
#include "os/CNoms.h"
#include "ops/COperation.h"
#include "os/AsciiText.h"
#include "os/CKGuards.h"
#include "os/CurrentDir.h"
#include "ui/CCalculFond.h"
#include "ui/CEngineOptions.h"

void CListeCourante::RecomputeFutureNames() {
  ++namesGeneration_;  // names of a background run started before are out of date
  const std::string expression = Config().exp.Get();
  if (model_.Count() == 0 || model_.Selection().empty()) return;
  FreshenAll();
  bool shown = false;
  std::vector<CFichier*> selection;
  for (int i : model_.Selection()) selection.push_back(&model_.Entry(i));
  CalculerNomsFuturs(expression, selection, EngineOptions(), CleanupOptions(), CurrentDirectory(), SourcesExternes(),
                     [this, &shown](size_t done) {
                       shown = true;
                       ShowProgress(31, static_cast<int>(done));
                     });
  RedrawRows(0, model_.Count() - 1);  // the visible page, where future names changed
  if (shown) RefreshStatus();
}

void CListeCourante::Recompute(const std::string& expression) {
  const std::string trimmed = Trim(expression, " \t");
  if (trimmed != Config().exp.Get()) Config().exp.Set(trimmed);
  RecomputeFutureNames();
}

int CListeCourante::RunOperation(COpKind kind) {
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

void CListeCourante::Finish(int failures, bool recompute) {
  if (recompute && !unattended_) RecomputeFutureNames();
  RefreshStatus();
  if (failures <= 0) return;
  const std::string text = FormatTexte(Txt(258), {failures, failures > 1 ? "s" : ""});
  MessageBoxA(owner_, text.c_str(), "Velto", MB_OK | MB_ICONEXCLAMATION);
}

CBaseOptions CListeCourante::BaseOptions() const {
  CBaseOptions options;
  options.sizeInBytes = Config().fic_octet_lf;
  options.units = CSizeUnits{Txt(335), Txt(336), Txt(334)};
  return options;
}

void CListeCourante::Freshen(CFichier& entry) {
  if (entry.reread == CFichier::Reread::None) return;
  const bool all = entry.reread == CFichier::Reread::All;
  entry.reread = CFichier::Reread::None;
  RefreshEntry(entry, all);
}

void CListeCourante::FreshenAll() {
  for (CFichier& e : model_.MutableEntries()) Freshen(e);
}

void CListeCourante::RefreshEntry(CFichier& entry, bool extensionChanged) {
  WIN32_FIND_DATAA fd;
  if (!CKFind(FindFirstFileA(entry.name.c_str(), &fd)).Valid())
    return;  // no longer found: the old data stays
  const std::string rel = NomRepertoire(entry.name);
  if (extensionChanged) {
    // Every item may depend on the type: start again from the listing alone,
    // keeping the selection number.
    const std::string sel = entry.items.Text(kItemSel);
    entry.items.Clear();
    if (entry.selOrder >= 0) entry.items.text.Set(kItemSel, sel);
  }
  FillBaseItems(entry, rel, fd, BaseOptions());
  // The extension chooses the reader of the file's content.
  const CEntryHook hook = EntryHook();
  if (extensionChanged && hook && !entry.badName) hook(entry, entry.name);
}

COpCallbacks CListeCourante::Callbacks(int progressTextId) {
  COpCallbacks callbacks;
  callbacks.refresh = [](CFichier& e, bool extensionChanged) {
    const bool all = extensionChanged || e.reread == CFichier::Reread::All;
    e.reread = all ? CFichier::Reread::All : CFichier::Reread::Listing;
  };
  callbacks.redraw = [this](int i) { RedrawRows(i, i); };
  callbacks.progress = [this, progressTextId](int done) { ShowProgress(progressTextId, done); };
  return callbacks;
}

int CListeCourante::Replay(bool undo) {
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

int CListeCourante::Undo() { return Replay(true); }
int CListeCourante::Redo() { return Replay(false); }

int CListeCourante::RenameInPlace(int row, const std::string& name) {
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
  RedrawRows(row, row);
  ReleaseMonitor(COpKind::Rename);
  Finish(r == kOpFailed ? 1 : 0, true);
  return r == kOpFailed ? -4 : 0;
}
