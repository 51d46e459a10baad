// A flat toolbar of image buttons, made from one bitmap strip of equal-size
// images. The buttons send WM_COMMAND with their command id to the toolbar's
// parent, as a menu item does.
#pragma once

#include <windows.h>

#include <vector>

struct CKBouton {
  // Images from kStdUndo on come from the system's standard small images.
  static constexpr int kSeparator = -1;
  static constexpr int kStdUndo = 1000;
  static constexpr int kStdRedo = 1001;
  int command;    // 0 for a separator
  int image;      // index in the strip, kSeparator, or a standard image
  BYTE style;     // BTNS_BUTTON, BTNS_CHECK, BTNS_DROPDOWN
};

class CKToolbar {
 public:
  CKToolbar() = default;
  CKToolbar(const CKToolbar&) = delete;
  CKToolbar& operator=(const CKToolbar&) = delete;

  // Creates the toolbar as a child of parent with the bitmap resource's
  // images (imageWidth x 16 each) and the buttons.
  HWND Create(HWND parent, HINSTANCE inst, int id, int bitmap, int imageWidth, const std::vector<CKBouton>& buttons);
  HWND Hwnd() const { return hwnd_; }
  const std::vector<CKBouton>& Buttons() const { return buttons_; }
  bool Has(int command) const;
  void Enable(int command, bool on);
  void Check(int command, bool on);
  bool Enabled(int command) const;
  bool Checked(int command) const;
  // The size the buttons need, for the band that holds the toolbar.
  SIZE IdealSize() const;

 private:
  HWND hwnd_ = nullptr;
  std::vector<CKBouton> buttons_;
};
