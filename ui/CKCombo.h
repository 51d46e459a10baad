// A drop-down combo (ComboBoxEx) with an edit field and a history list: the
// texts entered, most recent first, kept in a profile list between runs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CKProfileList;

class CKCombo {
 public:
  CKCombo() = default;
  virtual ~CKCombo() = default;
  CKCombo(const CKCombo&) = delete;
  CKCombo& operator=(const CKCombo&) = delete;

  HWND Create(HWND parent, HINSTANCE inst, int id, int textLimit, int height);
  HWND Hwnd() const { return hwnd_; }
  HWND Edit() const { return edit_; }

  std::string Text() const;
  void SetText(const std::string& text);
  std::vector<std::string> History() const;
  // Fills the list from the profile list, dropping empty and repeated texts.
  void LoadHistory(const CKProfileList& list);
  void SaveHistory(CKProfileList& list) const;
  // Puts text first in the list (moving it up when it is there already) and
  // keeps no more than the history's maximum.
  void PutFirst(const std::string& text);
  // Inserts text first when the list does not hold it yet (exact comparison);
  // an empty text only when acceptEmpty and none is held.
  void AddIfAbsent(const std::string& text, bool acceptEmpty);
  void SetFont(HFONT font);

  static constexpr int kMaxHistory = 15;

 private:
  int Find(const std::string& text) const;
  void Insert(int index, const std::string& text);

  HWND hwnd_ = nullptr;
  HWND edit_ = nullptr;
};
