// The list controller: the current directory's list (CListeCourante) shown in
// a virtual (owner-data) report list view, with the commands that work on the
// view: cells, highlight, focus, filters, search and sorting. Its members are
// defined by concern: CListeFic.cpp (creation, cells, the view hooks),
// CListeFicSelection.cpp and CListeFicTri.cpp.
#pragma once

#include <windows.h>

#include <bitset>
#include <memory>
#include <string>
#include <vector>

#include "files/CBaseItems.h"
#include "ui/CCalculFond.h"
#include "ui/CKListView.h"
#include "ui/CListeCourante.h"

class CListeFic : public CListeCourante, public CKListView {
 public:
  CListeFic() = default;
  // A background run still going is left to its thread.
  ~CListeFic() override;

  // The items the list can show as columns, in built-in order.
  static const std::vector<int>& Columns();

  HWND Create(HWND owner, HINSTANCE inst, int id, bool visible);
  // The column titles again, in the current language.
  void RelabelColumns();

  // The data item shown in list column `column` (the list view's subitem),
  // -1 for none.
  int ItemOfColumn(int column) const;
  // The columns shown, each its data item, by subitem.
  const std::vector<int>& ShownItems() const { return shown_; }
  // Shows the columns to display, in stored order and with stored widths
  // (the widths of the columns already there are stored first). A column is
  // displayed when its stored shown flag is set (items without a stored
  // layout are shown), and it is in the always-shown group or its group is
  // shown and, with `col_util`, some listed entry has a value for it.
  void BuildColumns();
  // After a load: marks the items and groups some listed entry has a value
  // for; with `grp_auto` the groups from Audio on are then shown exactly
  // when used. Then builds the columns.
  void MarkUsedColumns();
  bool ItemUsed(int item) const { return item >= 0 && item < kItemCount && used_[item]; }
  // Sets the shown flag of items and shows the columns again; item 0 stays.
  void ShowItems(const std::vector<int>& items, bool shown);
  // Gives column its built-in width.
  void SetDefaultWidth(int column);
  // Stores the shown columns' widths.
  void CaptureColumns() const;
  std::vector<int> DisplayOrder() const;
  using CListeCourante::RefreshStatus;

  // The cell text of a row and column, for LVN_GETDISPINFO.
  const std::string& CellText(int row, int column) const;
  // The extended tip of an entry's name: its dates, size, groups with data
  // and history; empty for the parent entry.
  std::string InfoTip(int row);
  // Puts the name column back first after the user dragged another before it.
  void KeepNameFirst();
  void OnGetDispInfo(NMLVDISPINFOA* info);
  // Row colours: NM_CUSTOMDRAW's answer.
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW* draw) const;
  // The background of row: the error colour over the selection colour,
  // each a shade apart on odd and even rows; CLR_DEFAULT otherwise.
  COLORREF RowBackground(int row) const;
  // A click on a row's check mark toggles its selection; false for a click
  // elsewhere.
  bool OnClick(POINT clientPoint);
  // Toggles the selection of row (select when unselected, else unselect).
  void ToggleRow(int row);

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

  // The filter commands, with the choices of their dialog. Select (in
  // CListeCourante) focuses the first entry selected, unselect the earliest
  // one removed, highlight the first one highlighted; each returns that row
  // or -1.
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

  // The recompute that follows typing: takes the expression (trimmed, stored
  // in `exp`) and computes the future names on a worker thread over copies of
  // the selection, so that typing and painting go on meanwhile. The copies
  // are taken in slices of at most kSliceMs on the owner's kTimerGather
  // timer, which comes only when no key or mouse message waits. While a run
  // is going the latest request waits, and starts when it ends over the same
  // copies; the ended run's names are then dropped as out of date.
  void RecomputeInBackground(const std::string& expression);
  // One slice of the copies (the kTimerGather timer); the run starts after the last.
  void GatherStep();
  static constexpr double kSliceMs = 30;
  // A background run has posted WM_VELTO_NAMES: its names go into the list
  // when the selection and the expression are still those it started from.
  void OnBackgroundNames(WPARAM generation);
  // Copies being taken or a run going.
  bool BackgroundRunning() const { return gathering_ || (background_ && background_->Running()); }

  // The highlighted rows (the list view's own selection) in list order.
  std::vector<int> HighlightedRows() const;
  // Highlights exactly rows.
  void SetHighlight(const std::vector<int>& rows);

 protected:
  int FocusedRow() const override { return FocusedItem(); }
  void RedrawRows(int first, int last) override { RedrawItems(first, last); }
  void FocusRow(int row, bool only) override;
  void ShowRange(int lowest, int highest) override;
  void EndLabelEdit() override;
  CVue SaveView() const override;
  void BeforeSwap() override;
  void AfterSwap() override;
  void EndSwap(const CVue* view, const std::string& focusName) override;

 private:
  void StartBackground();
  void StopGathering();
  // The run over copies, with the generation it counts as.
  void StartRun(std::vector<CFichier> copies, unsigned generation);

  bool ItemDisplayed(int item) const;
  std::bitset<kItemCount> used_;  // items some listed entry has a value for
  std::vector<int> shown_;  // the data item of each list column
  std::unique_ptr<CCalculFond> background_;
  bool backgroundPending_ = false;
  std::vector<int> backgroundSelection_;  // of the copies being taken or the run going
  bool gathering_ = false;
  std::vector<CFichier> copies_;  // taken so far
  unsigned gatherGeneration_ = 0;
};
