// The program's one top-level window: the toolbar bands, the file list and
// the status bar.
#pragma once

#include <windows.h>

#include <string>

#include "os/CKGuards.h"
#include "ui/CCompletion.h"
#include "ui/CKSplitter.h"
#include "ui/CKVisuImage.h"
#include "ui/CListeFic.h"
#include "ui/CKFenetre.h"
#include "ui/CRebar.h"
#include "ui/CStatusbar.h"

class CMainWindow : public CKFenetre {
 public:
  static constexpr const char* kClassName = "Velto_Window_Class";

  // Registers the class and creates the (hidden) window; false on failure.
  bool Create(HINSTANCE inst, const std::string& title);
  void Show(int showCommand, bool maximised);

  CListeFic& List() { return list_; }
  CStatusbar& Status() { return status_; }
  CRebar& Rebar() { return rebar_; }
  CCompletion& Completion() { return completion_; }
  CKSplitterHor& Splitter() { return splitter_; }
  // The message loop's hook for the modeless windows: true when msg was
  // theirs and has been handled (the main window's accelerators are then
  // not translated).
  bool TranslateDialogs(MSG* msg) { return completion_.Translate(msg); }
  // Loads the parent of the current directory, focusing the directory left.
  void LoadParent();
  // Greys the commands without a handler, and Undo, Redo, Back, Forward and
  // Stop current loading when they have nothing to act on, in the menu and
  // on the toolbars.
  void UpdateCommandStates();
  static bool Handles(int id);
  // Re-labels the menus, the bands, the column headers and the status bar
  // in the current language.
  void Relabel();

  // The menu of a column header (owned by the caller), with its items'
  // texts and states for column; and what its items do.
  HMENU HeaderMenu(int column);
  void HeaderCommand(int column, int id);
  // Inserts at the caret of the expression field the value of a cell (the
  // pointed value) or the variable of its column (the pointed variable).
  void InsertPointed(bool value, int row, int column);

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnCreate();
  void Layout();
  LRESULT OnNotify(NMHDR* hdr);
  void OnCommand(int id);
  // Notifications of the combos: end of an edit, a pick from the list, a
  // change of the expression text.
  bool OnComboCommand(HWND from, int code);
  void OnComboEnd(HWND from, bool changed, int why);
  // The expression text changed (typed or inserted).
  void ExpressionEdited();
  void OnMenuSelect(int id, UINT flags);
  void OnTooltip(NMHDR* hdr);
  void OnDropDown(NMTOOLBARA* nm);
  void OnDestroy();
  // A right click on the list: a header's menu, the inserts with Shift or
  // Ctrl, otherwise the Action menu.
  void OnContextMenu(HWND from, LPARAM at);
  void OnListRightClick(const NMITEMACTIVATE* nm);
  // The Action menu at a point of the screen, opened on a cell of the list.
  void ActionMenu(POINT screen, int row, int column);
  // The row and column under the mouse cursor in the list; false when none.
  bool PointedCell(int* row, int* column);
  // The expression field's own keys, on its edit control.
  static LRESULT CALLBACK ExpressionKeys(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);
  bool OnExpressionKey(HWND edit, UINT msg, WPARAM wp);
  void LabelMenu();
  void Navigate(int delta);
  void Reload();
  void RecomputeFromCombo();
  // Before a rename or a copy: the names the typed expression gives, now,
  // when an immediate recompute is still waiting or running.
  void CatchUpWithTyping();
  void LoadTypedDirectory(const std::string& dir);
  void ReloadWithFilter(const std::string& filter);
  // Moves the keyboard focus to the next (or previous) of the combos and the list.
  void CycleFocus(int step);
  bool CommandEnabled(int id);
  // Starts the label edit of the focused entry; its end renames in place.
  void EditFocusedName();
  // The text of the expression field, to recompute from.
  std::string ExpressionText();
  HINSTANCE inst_ = nullptr;
  CRebar rebar_;
  CListeFic list_;
  CStatusbar status_;
  CCompletion completion_;
  CKVisuImage image_;
  CKSplitterHor splitter_;
  CKGdi<HFONT> messageFont_;
  std::string tip_;  // the text of the tooltip shown
  bool recalcWaiting_ = false;  // typing started the pause before an immediate recompute
};
