// The toolbar bands above the file list: three button toolbars, the
// expression combo, the directory combo with its Add button, the navigation
// toolbar and the loading-filter combo. Each band carries its id (1 to 7) and,
// as its application value, the text id of its label (0: none).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "config/CConfig.h"
#include "ui/CKCombo.h"
#include "ui/CKComboRep.h"
#include "ui/CKToolbar.h"

class CRebar {
 public:
  enum Band { kMain = 1, kSelect, kGroups, kExpression, kDirectory, kNavigation, kFilter };
  static constexpr int kBandCount = 7;

  // The bands in the order to insert them: the stored entries ("id break
  // width"), then the bands they miss in the default order. A stored list
  // with an unreadable entry, an unknown band or a band twice is not used.
  static std::vector<CBandeEntry> Order(const std::vector<std::string>& stored);
  static std::vector<CBandeEntry> DefaultOrder();

  HWND Create(HWND parent, HINSTANCE inst, int id);
  HWND Hwnd() const { return hwnd_; }
  int Height() const;

  // The bands' ids, new-row flags and widths, in display order.
  std::vector<CBandeEntry> Bands() const;
  // Stores Bands() in the rebar list of the settings.
  void Save() const;
  // With lock set no band shows a gripper or can be moved.
  void Lock(bool lock);
  void Relabel();

  CKCombo& Expression() { return expression_; }
  CKComboRep& Directory() { return directory_; }
  CKCombo& Filter() { return filter_; }
  // Every toolbar, the Add-directory button included.
  std::vector<CKToolbar*> Toolbars();

 private:
  void InsertBand(const CBandeEntry& e, bool lock);

  HWND hwnd_ = nullptr;
  CKToolbar main_, select_, groups_, nav_;
  CKCombo expression_, filter_;
  CKComboRep directory_;
};
