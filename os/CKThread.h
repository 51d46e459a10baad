// Worker-thread base: a thread handle and a stop flag. The derived class
// implements Run(); the flag is a plain byte written by the owner and read
// by the worker between units of work.
#pragma once

#include <windows.h>

class CKThread {
 public:
  CKThread() = default;
  virtual ~CKThread();
  CKThread(const CKThread&) = delete;
  CKThread& operator=(const CKThread&) = delete;

  // Starts Run() on a new thread; -1 when the thread cannot be created.
  int Start();
  // Waits for the thread at most ms milliseconds; 0 when it ended, -1 on time-out.
  int Wait(DWORD ms);
  // Closes the thread handle (the thread must have ended or be abandoned).
  void CloseHandle();
  bool Running() const { return thread_ != nullptr; }

  void RequestStop() { stop_ = 1; }
  void ClearStop() { stop_ = 0; }
  bool StopRequested() const { return stop_ != 0; }

 protected:
  virtual void Run() = 0;

 private:
  static DWORD WINAPI Entry(LPVOID self);
  HANDLE thread_ = nullptr;
  volatile LONG stop_ = 0;
};
