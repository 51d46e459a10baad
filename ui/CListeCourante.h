// The current directory's list without a window: the list model, the
// directory loads that fill it, the future names, the operations over its
// selection, the operation history and the navigation history. The list
// controller (CListeFic) shows it in a list view; an unattended run drives it
// alone, so it never creates the window, the list view or the status bar.
//
// What a view does with the list goes through the protected hooks below,
// which do nothing here: a list nobody sees has no focus, no highlight and no
// rows to redraw. Its members are defined by concern: CListeCourante.cpp
// (hooks, status texts, selection by name), CListeCouranteLoad.cpp and
// CListeCouranteOps.cpp.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "files/CChargeRep.h"
#include "files/CFichier.h"
#include "files/CListeModel.h"
#include "files/CNavHistory.h"
#include "ops/CHistorique.h"
#include "ops/COperation.h"
#include "ui/CStatusTexts.h"

class CListeCourante {
 public:
  CListeCourante();
  // A load still running is stopped, or given up to its thread.
  virtual ~CListeCourante();
  CListeCourante(const CListeCourante&) = delete;
  CListeCourante& operator=(const CListeCourante&) = delete;

  // The window that receives a threaded load's completion and owns the
  // message boxes; none for an unattended run.
  void SetOwner(HWND owner) { owner_ = owner; }
  void SetStatusbar(CStatusTexts* status) { status_ = status; }

  // What the next load is asked to do; moved into the job when it starts.
  CLoadRequest& Pending() { return pending_; }

  // Starts a load of dir ("" reloads the current directory). Returns 0 when the
  // load was started (threaded) or done (synchronous), non-zero when the
  // directory cannot be used; reportErrors shows "Unable to access %s".
  int LoadDirectory(const std::string& dir, bool reportErrors);
  // Stops a running load; keep shows the entries found so far.
  void StopLoading(bool keep);
  bool Loading() const { return loader_ && loader_->Running(); }
  // Completion of a load, on the main thread (WM_VELTO_LOADED); w is the
  // load's generation: the completion of a load given up is dropped.
  void OnLoaded(WPARAM w);

  const std::vector<CFichier>& Entries() const { return model_.Entries(); }
  CListeModel& Model() { return model_; }
  bool Recursive() const { return model_.Recursive(); }
  CHistorique& Operations() { return history_; }
  CNavHistory& History() { return nav_; }
  // An unattended run's list is never shown and ends after its operation:
  // the operation then recomputes no future names and reads no renamed entry
  // again.
  void SetUnattended(bool unattended) { unattended_ = unattended; }

  // Computes the future names of the selection from setting `exp`.
  void RecomputeFutureNames();
  // Selects the entries whose names equal one of names (case-insensitively);
  // focuses the lowest and shows the highest and the lowest.
  void SelectNames(const std::vector<std::string>& names);
  // Takes a new expression (trimmed, stored in `exp`), then recomputes.
  void Recompute(const std::string& expression);
  // Selects the entries matching filter and focuses the first one selected;
  // returns that row or -1.
  int SelectWithFilter(const std::string& filter, bool notMatching, bool dirs);
  // Renames or copies the selection to its future names; one box counts the
  // failures. Returns 0, or -1 for COpKind::None.
  int RunOperation(COpKind kind);
  // Replays the step at the position backwards, or the next one forwards,
  // over every entry holding a record of it. -1 when there is none.
  int Undo();
  int Redo();
  // Renames one entry to the name typed in its label, as a one-entry step
  // that stays in the history even when it fails. 0 when renamed or when the
  // name did not change, -1 bad row, -2 empty name (a cancelled edit, no
  // step), -3 the parent entry, -4 the rename failed (the box was shown).
  int RenameInPlace(int row, const std::string& name);
  // The focused entry's state in the status bar: the system's text of its
  // last error and the code, else its current name.
  void ShowFocusedState();

 protected:
  // The view state a reload keeps, by entry name.
  struct CVue {
    std::string focused;
    std::vector<std::string> highlighted;
  };
  // Hooks of the view; a list nobody sees does nothing in them.
  virtual int FocusedRow() const { return -1; }
  virtual void RedrawRows(int, int) {}
  // Focus on row, made visible; `only` also makes it the one highlighted row.
  virtual void FocusRow(int, bool) {}
  // Makes the highest and then the lowest row visible and focuses the lowest.
  virtual void ShowRange(int, int) {}
  virtual void EndLabelEdit() {}
  virtual CVue SaveView() const { return CVue(); }
  // Around the swap of a completed load's entries into the model: before it
  // the view stops drawing and drops its states, after it the view takes the
  // new count; at the end it restores a reload's state, focuses the entry
  // named focusName (when given), then shows the focus and draws again.
  virtual void BeforeSwap() {}
  virtual void AfterSwap() {}
  virtual void EndSwap(const CVue*, const std::string&) {}

  void RefreshStatus();
  void ShowProgress(int textId, int done);
  // Reads a renamed entry again, if it was renamed since it was read; the
  // same for every entry.
  void Freshen(CFichier& entry);
  void FreshenAll();

  // Keeps the directory monitor from reporting the program's own changes: a
  // rename (kind 0) stops it, a copy only suspends it.
  void HoldMonitor(COpKind kind) { kind == COpKind::Rename ? StopMonitor() : SuspendMonitor(); }
  void ReleaseMonitor(COpKind kind) { kind == COpKind::Rename ? RestartMonitor() : ResumeMonitor(); }
  // The directory monitor's controls; no monitor runs yet, so they do nothing.
  void StopMonitor() {}
  void RestartMonitor() {}
  void SuspendMonitor() {}
  void ResumeMonitor() {}

  CListeModel model_;
  // Counts the recomputes of the future names: a background run whose
  // generation is no longer this one computed names now out of date.
  unsigned namesGeneration_ = 0;
  CStatusTexts* status_ = nullptr;
  HWND owner_ = nullptr;
  CLoadRequest pending_;

 private:
  // "Unable to access %s" in a box.
  void ShowAccessError(const std::string& dir) const;
  // Gives the new list of a reload the selection and the history records of
  // the old one, matching entries by name.
  void CarryOver(std::vector<CFichier>& fresh) const;
  // Takes the current job's results into the list (when accepted), then ends
  // the load.
  void FinishLoad(bool accept, bool reload);
  COpCallbacks Callbacks(int progressTextId);
  // Re-reads an entry from the file system after it was renamed.
  void RefreshEntry(CFichier& entry, bool extensionChanged);
  CBaseOptions BaseOptions() const;
  // Recomputes (when asked), refreshes the status bar and shows the error box.
  void Finish(int failures, bool recompute);
  int Replay(bool undo);

  CHistorique history_;
  // The current load's job; a job whose stop timed out is given up to its
  // thread instead, so nothing here is shared with a thread still running.
  std::unique_ptr<CChargeRep> loader_;
  unsigned generation_ = 0;  // of the last load started
  bool loaderBusy_ = false;  // a load was started and its completion not yet handled
  CNavHistory nav_;
  bool unattended_ = false;
};
