// Starts a program as its own process (CreateProcessA) and waits for it
// with a timeout, so tests can run velto.exe as a user or a script would.
#pragma once

#include <windows.h>

#include <string>

class CProcess {
 public:
  CProcess() = default;
  ~CProcess();
  CProcess(const CProcess&) = delete;
  CProcess& operator=(const CProcess&) = delete;

  // Starts commandLine (program and arguments, quoted as needed) in dir
  // (null: the current directory). 0, or -1 when the process cannot start.
  int Start(const std::string& commandLine, const char* dir = nullptr);
  // Waits up to timeoutMs: 0 with *exitCode set; -1 on timeout (the process
  // is then terminated); -2 when nothing was started.
  int Wait(DWORD timeoutMs, DWORD* exitCode);
  // Waits up to timeoutMs without ending the process: 0 with *exitCode set
  // when it ended, 1 while it still runs, -2 when nothing was started.
  int Poll(DWORD timeoutMs, DWORD* exitCode);
  DWORD Pid() const { return pid_; }

 private:
  void Close();
  HANDLE process_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD pid_ = 0;
};

// Runs commandLine to its end: 0 with *exitCode, or the step that failed
// (-1 start, -2 timeout).
int RunProgram(const std::string& commandLine, DWORD timeoutMs, DWORD* exitCode, const char* dir = nullptr);
// "text" in double quotes, for a command line.
std::string Quote(const std::string& text);
