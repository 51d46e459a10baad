// Finds the dialog boxes (message boxes included) that a process shows and
// answers them as a user would: the texts of their static controls are read
// and a button is pressed by posting WM_COMMAND with its id. Works across
// processes and under Wine's null graphics driver.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

struct CDialogInfo {
  HWND hwnd = nullptr;
  DWORD pid = 0;
  std::string caption;
  std::vector<std::string> statics;  // texts of the "Static" children, in z-order
  // All static texts joined by newlines.
  std::string Text() const;
};

// The visible top-level windows of class "#32770"; of process pid only when
// pid is not 0.
std::vector<CDialogInfo> FindDialogs(DWORD pid = 0);
// Posts WM_COMMAND with id (BN_CLICKED) to dialog.
bool PressButton(HWND dialog, int id);
// Polls until a dialog appears (of pid when not 0); false after timeoutMs.
bool WaitForDialog(DWORD timeoutMs, CDialogInfo* out, DWORD pid = 0);

// Answers the first dialog that appears, on a thread of its own: used when
// the code under test shows a modal box on the calling thread.
class CDialogWatcher {
 public:
  CDialogWatcher(int button, DWORD timeoutMs, DWORD pid = 0);
  ~CDialogWatcher();
  CDialogWatcher(const CDialogWatcher&) = delete;
  CDialogWatcher& operator=(const CDialogWatcher&) = delete;
  // Waits for the watcher to finish; true when a dialog was seen and answered.
  bool Join();
  // Makes the watcher give up at its next poll: for code that has returned,
  // so that any box it showed has been answered already.
  void Stop() { stop_ = true; }
  const CDialogInfo& Dialog() const { return dialog_; }

 private:
  std::thread thread_;
  CDialogInfo dialog_;
  std::atomic<bool> seen_{false};
  std::atomic<bool> stop_{false};
};
