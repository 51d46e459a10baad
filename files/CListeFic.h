// The file list: the entries of the current directory shown in a virtual
// (owner-data) report list view, the directory loads that fill it, and the
// navigation history of Back and Forward.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "files/CChargeRep.h"
#include "files/CFichier.h"
#include "files/CListeModel.h"
#include "ops/CHistorique.h"
#include "files/CNavHistory.h"
#include "ui/CKListView.h"

class CStatusbar;

class CListeFic : public CKListView {
 public:
  // The list columns: item numbers, in display order.
  static const std::vector<int>& Columns();

  HWND Create(HWND owner, HINSTANCE inst, int id, bool visible);
  void SetStatusbar(CStatusbar* status) { status_ = status; }

  // What the next load is asked to do; moved into the job when it starts.
  CLoadRequest& Pending() { return pending_; }

  // Starts a load of dir ("" reloads the current directory). Returns 0 when the
  // load was started (threaded) or done (synchronous), non-zero when the
  // directory cannot be used; reportErrors shows "Unable to access %s".
  int LoadDirectory(const std::string& dir, bool reportErrors);
  // Stops a running load; keep shows the entries found so far.
  void StopLoading(bool keep);
  bool Loading() const { return loader_.Running(); }
  // Completion of a load, on the main thread (WM_APP+30).
  void OnLoaded(WPARAM w);

  // The cell text of a row and column, for LVN_GETDISPINFO.
  const std::string& CellText(int row, int column) const;
  void OnGetDispInfo(NMLVDISPINFOA* info) const;

  const std::vector<CFichier>& Entries() const { return model_.Entries(); }
  CListeModel& Model() { return model_; }
  bool Recursive() const { return model_.Recursive(); }
  CHistorique& Operations() { return history_; }

  // Computes the future names of the selection from setting `exp`.
  void RecomputeFutureNames();
  // Selects the entries whose names equal one of names (case-insensitively);
  // focuses the lowest and shows the highest and the lowest.
  void SelectNames(const std::vector<std::string>& names);
  // Renames (0) or copies (1) the selection to its future names; one box
  // counts the failures. Returns 0, or -1 for another kind.
  int RunOperation(int kind);
  CNavHistory& History() { return nav_; }
  // Focuses the entry named name (exact, case-insensitive); false when absent.
  bool FocusName(const std::string& name);

 private:
  void RefreshStatus();
  void ShowProgress(int textId, int done);
  HWND owner_ = nullptr;
  CStatusbar* status_ = nullptr;
  CListeModel model_;
  CHistorique history_;
  CLoadRequest pending_;
  CChargeRep loader_;
  bool loaderBusy_ = false;  // a load was started and its completion not yet handled
  CNavHistory nav_;
};
