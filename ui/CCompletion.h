// The completion window: a small modeless dialog that lists the expression
// language's variables with a line of description, one tab per group, and
// inserts the chosen one into the expression field. The list is a help text
// of the current language, read again at each opening.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CCompletion {
 public:
  struct CLigne {
    std::string variable;
    std::string description;
  };
  struct CGroupe {
    std::string name;
    std::vector<CLigne> lines;
  };
  // The groups of a completion text: a line starting with ':' opens a group
  // named by the rest of it; any other line is "variable;description" (the
  // first ';' splits; without one the description is empty). Lines before
  // the first group and empty lines are left out.
  static std::vector<CGroupe> Parse(const std::string& text);

  CCompletion() = default;
  ~CCompletion() { Close(); }
  CCompletion(const CCompletion&) = delete;
  CCompletion& operator=(const CCompletion&) = delete;

  // The owner, the expression field the window inserts into, and what to
  // call after an insertion (as after typing in the field).
  void Attach(HINSTANCE inst, HWND owner, HWND edit, std::function<void()> edited);

  // Opens the window, or gives it the focus when it is open. With locate,
  // the variable written at the field's caret is selected when a tab has it.
  void Show(bool locate);
  // Stores the window's rectangle when it changed, and destroys the window.
  void Close();
  HWND Hwnd() const { return dialog_; }
  // The message loop's hook: true when msg was meant for the window and has
  // been handled (its keys, then the dialog's own navigation).
  bool Translate(MSG* msg);
  // Inserts the selected variable of the visible list at the field's caret.
  void InsertCurrent();

  // What the window shows, for the status of a test or a caller.
  int CurrentTab() const { return current_; }
  std::string SelectedVariable() const;

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  bool Fill();
  void Place();
  void Layout();
  // Makes tab current, the only list shown; focusList gives it the focus.
  void SelectTab(int tab, bool focusList);
  void SelectRow(int row);
  bool Locate();
  void OnDestroy();
  HWND List(int tab) const { return tab >= 0 && tab < static_cast<int>(lists_.size()) ? lists_[tab] : nullptr; }

  HINSTANCE inst_ = nullptr;
  HWND owner_ = nullptr;
  HWND edit_ = nullptr;
  std::function<void()> edited_;
  HWND dialog_ = nullptr;
  HWND tabs_ = nullptr;
  std::vector<CGroupe> groups_;
  std::vector<HWND> lists_;
  int current_ = -1;
};
