#include "support/CDialogDriver.h"

namespace {

std::string WindowText(HWND h) {
  char buf[4096];
  const int n = GetWindowTextA(h, buf, sizeof buf);
  return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string ClassOf(HWND h) {
  char buf[64];
  const int n = GetClassNameA(h, buf, sizeof buf);
  return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

struct CSearch {
  DWORD pid;
  std::vector<CDialogInfo>* found;
};

BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
  auto* info = reinterpret_cast<CDialogInfo*>(param);
  if (ClassOf(child) == "Static") {
    std::string text = WindowText(child);
    if (!text.empty()) info->statics.push_back(std::move(text));
  }
  return TRUE;
}

BOOL CALLBACK CollectDialog(HWND h, LPARAM param) {
  auto* search = reinterpret_cast<CSearch*>(param);
  if (!IsWindowVisible(h) || ClassOf(h) != "#32770") return TRUE;
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (search->pid != 0 && pid != search->pid) return TRUE;
  CDialogInfo info;
  info.hwnd = h;
  info.pid = pid;
  info.caption = WindowText(h);
  EnumChildWindows(h, CollectStatic, reinterpret_cast<LPARAM>(&info));
  search->found->push_back(std::move(info));
  return TRUE;
}

}  // namespace

std::string CDialogInfo::Text() const {
  std::string all;
  for (const std::string& s : statics) {
    if (!all.empty()) all += '\n';
    all += s;
  }
  return all;
}

std::vector<CDialogInfo> FindDialogs(DWORD pid) {
  std::vector<CDialogInfo> found;
  CSearch search{pid, &found};
  EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
  return found;
}

bool PressButton(HWND dialog, int id) {
  return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0) != 0;
}

bool WaitForDialog(DWORD timeoutMs, CDialogInfo* out, DWORD pid) {
  const DWORD start = GetTickCount();
  for (;;) {
    std::vector<CDialogInfo> found = FindDialogs(pid);
    if (!found.empty()) {
      *out = std::move(found.front());
      return true;
    }
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
}

CDialogWatcher::CDialogWatcher(int button, DWORD timeoutMs, DWORD pid) {
  thread_ = std::thread([this, button, timeoutMs, pid] {
    const DWORD start = GetTickCount();
    while (!stop_ && GetTickCount() - start < timeoutMs) {
      std::vector<CDialogInfo> found = FindDialogs(pid);
      if (!found.empty()) {
        dialog_ = std::move(found.front());
        seen_ = PressButton(dialog_.hwnd, button);
        return;
      }
      Sleep(20);
    }
  });
}

CDialogWatcher::~CDialogWatcher() {
  Stop();
  Join();
}

bool CDialogWatcher::Join() {
  if (thread_.joinable()) thread_.join();
  return seen_;
}
