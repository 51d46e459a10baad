// The list controller: the entries of the current directory shown in a
// virtual (owner-data) report list view, the directory loads that fill it, the
// operations over its selection and the navigation history of Back and
// Forward. Its members are defined by concern: CListeFic.cpp (creation, cells,
// status texts), CListeFicLoad.cpp, CListeFicOps.cpp, CListeFicSelection.cpp
// and CListeFicTri.cpp.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "files/CChargeRep.h"
#include "files/CFichier.h"
#include "files/CListeModel.h"
#include "ops/CHistorique.h"
#include "ops/COperation.h"
#include "files/CNavHistory.h"
#include "ui/CKListView.h"
#include "ui/CStatusTexts.h"

class CListeFic : public CKListView {
 public:
  CListeFic() = default;
  // A load still running is stopped, or given up to its thread.
  ~CListeFic();
  CListeFic(const CListeFic&) = delete;
  CListeFic& operator=(const CListeFic&) = delete;

  // The list columns: item numbers, in display order.
  static const std::vector<int>& Columns();

  HWND Create(HWND owner, HINSTANCE inst, int id, bool visible);
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

  // The cell text of a row and column, for LVN_GETDISPINFO.
  const std::string& CellText(int row, int column) const;
  void OnGetDispInfo(NMLVDISPINFOA* info);

  const std::vector<CFichier>& Entries() const { return model_.Entries(); }
  CListeModel& Model() { return model_; }
  bool Recursive() const { return model_.Recursive(); }
  CHistorique& Operations() { return history_; }
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

  CNavHistory& History() { return nav_; }
  // Focuses the entry named name (exact, case-insensitive); false when absent.
  bool FocusName(const std::string& name);
  // Reloads the current directory with `recurse` toggled, focusing the
  // focused entry again.
  void ToggleRecursive();
  // Loads the directory of the focused entry's relative path; nothing when
  // the entry lies in the current directory itself.
  void LoadFocusedDirectory();

  // Selection commands over the whole list or the highlighted rows.
  void SelectAll();
  void UnselectAll();
  void Invert();
  void SelectHighlighted();
  void UnselectHighlighted();
  void ToggleHighlighted();
  void HighlightSelected();
  // Moves focus and highlight to the first selected entry, or to the next one
  // after the focused row; false when there is none.
  bool FocusFirstSelected();
  bool FocusNextSelected();

  // The filter commands, with the choices of their dialog. Select focuses the
  // first entry selected, unselect the earliest one removed, highlight the
  // first one highlighted; each returns that row or -1.
  int SelectWithFilter(const std::string& filter, bool notMatching, bool dirs);
  int UnselectWithFilter(const std::string& filter, bool notMatching, bool dirs);
  int HighlightWithFilter(const std::string& filter, bool notMatching, bool dirs);
  // Stores the search and moves to the first match from the start (next =
  // false) or after the focused row; returns the row found or -1.
  int SearchWithFilter(const std::string& filter, bool notMatching, bool dirs, bool next);
  // The stored search again, after the focused row; -1 without one.
  int SearchNext();

  // A click on a column header: the same column again reverses the order,
  // another one sorts ascending by it (`tri_subitem`, `tri_asc`).
  void SortByColumn(int column);
  // Sorts by the stored column and order, carrying focus and highlight.
  void SortList();

  // The highlighted rows (the list view's own selection) in list order.
  std::vector<int> HighlightedRows() const;
  // Highlights exactly rows.
  void SetHighlight(const std::vector<int>& rows);
  // The focused entry's state in the status bar: the system's text of its
  // last error and the code, else its current name.
  void ShowFocusedState();

 private:
  void RefreshStatus();
  void ShowProgress(int textId, int done);
  // Focus on row, made visible; `only` also makes it the one highlighted row.
  void FocusRow(int row, bool only);
  void EndLabelEdit();
  // "Unable to access %s" in a box.
  void ShowAccessError(const std::string& dir) const;
  // Gives the new list of a reload the selection and the history records of
  // the old one, matching entries by name.
  void CarryOver(std::vector<CFichier>& fresh) const;
  COpCallbacks Callbacks(int progressTextId);
  // Re-reads an entry from the file system after it was renamed.
  void RefreshEntry(CFichier& entry, bool extensionChanged);
  // Reads a renamed entry again, if it was renamed since it was read; the
  // same for every entry.
  void Freshen(CFichier& entry);
  void FreshenAll();
  CBaseOptions BaseOptions() const;
  // Recomputes (when asked), refreshes the status bar and shows the error box.
  void Finish(int failures, bool recompute);
  int Replay(bool undo);

  // Keeps the directory monitor from reporting the program's own changes: a
  // rename (kind 0) stops it, a copy only suspends it.
  void HoldMonitor(COpKind kind) { kind == COpKind::Rename ? StopMonitor() : SuspendMonitor(); }
  void ReleaseMonitor(COpKind kind) { kind == COpKind::Rename ? RestartMonitor() : ResumeMonitor(); }
  // The directory monitor's controls; no monitor runs yet, so they do nothing.
  void StopMonitor() {}
  void RestartMonitor() {}
  void SuspendMonitor() {}
  void ResumeMonitor() {}

  CTypeCache types_;
  HWND owner_ = nullptr;
  CStatusTexts* status_ = nullptr;
  CListeModel model_;
  CHistorique history_;
  CLoadRequest pending_;
  // Takes the current job's results into the list (when accepted), then ends
  // the load.
  void FinishLoad(bool accept, bool reload);

  // The current load's job; a job whose stop timed out is given up to its
  // thread instead, so nothing here is shared with a thread still running.
  std::unique_ptr<CChargeRep> loader_;
  unsigned generation_ = 0;  // of the last load started
  bool loaderBusy_ = false;  // a load was started and its completion not yet handled
  CNavHistory nav_;
  bool unattended_ = false;
};
