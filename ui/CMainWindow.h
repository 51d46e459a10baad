// The program's one top-level window: the file list above the status bar.
#pragma once

#include <windows.h>

#include <string>

#include "ui/CListeFic.h"
#include "ui/CKFenetre.h"
#include "ui/CStatusbar.h"

class CMainWindow : public CKFenetre {
 public:
  static constexpr const char* kClassName = "Velto_Window_Class";

  // Registers the class and creates the (hidden) window; false on failure.
  bool Create(HINSTANCE inst, const std::string& title);
  void Show(int showCommand, bool maximised);

  CListeFic& List() { return list_; }
  CStatusbar& Status() { return status_; }
  // Loads the parent of the current directory, focusing the directory left.
  void LoadParent();
  // Greys the commands without a handler, and Undo, Redo, Back, Forward and
  // Stop current loading when they have nothing to act on.
  void UpdateCommandStates();
  static bool Handles(int id);

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnCreate();
  void OnSize(int cx, int cy);
  LRESULT OnNotify(NMHDR* hdr);
  void OnCommand(int id);
  void OnDestroy();
  void LabelMenu();
  void Navigate(int delta);
  void Reload();
  // Starts the label edit of the focused entry; its end renames in place.
  void EditFocusedName();
  // The text of the expression field, to recompute from.
  std::string ExpressionText() const;
  HINSTANCE inst_ = nullptr;
  CListeFic list_;
  CStatusbar status_;
};
