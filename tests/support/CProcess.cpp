#include "support/CProcess.h"

#include <vector>

CProcess::~CProcess() { Close(); }

void CProcess::Close() {
  if (thread_) CloseHandle(thread_);
  if (process_) CloseHandle(process_);
  thread_ = process_ = nullptr;
  pid_ = 0;
}

int CProcess::Start(const std::string& commandLine, const char* dir) {
  Close();
  std::vector<char> cmd(commandLine.begin(), commandLine.end());
  cmd.push_back('\0');
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir, &si, &pi)) return -1;
  process_ = pi.hProcess;
  thread_ = pi.hThread;
  pid_ = pi.dwProcessId;
  return 0;
}

int CProcess::Wait(DWORD timeoutMs, DWORD* exitCode) {
  if (!process_) return -2;
  if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
    return -1;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  *exitCode = code;
  return 0;
}

int CProcess::Poll(DWORD timeoutMs, DWORD* exitCode) {
  if (!process_) return -2;
  if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return 1;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  *exitCode = code;
  return 0;
}

int RunProgram(const std::string& commandLine, DWORD timeoutMs, DWORD* exitCode, const char* dir) {
  CProcess p;
  if (p.Start(commandLine, dir) != 0) return -1;
  return p.Wait(timeoutMs, exitCode) == 0 ? 0 : -2;
}

std::string Quote(const std::string& text) { return "\"" + text + "\""; }
