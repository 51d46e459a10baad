#include "shell/CExplorer.h"

#include <windows.h>

#include <algorithm>

std::string DirectoryFromExplorerTitle(const std::string& title) {
  if (title.size() > 2 && title[0] == '\\' && title[1] == '\\') return title;
  const size_t colon = title.rfind(':');
  if (colon == std::string::npos || colon == 0) return {};
  return title.substr(colon - 1);
}

namespace {

BOOL CALLBACK CollectExplorer(HWND hwnd, LPARAM lp) {
  auto* dirs = reinterpret_cast<std::vector<std::string>*>(lp);
  char cls[64];
  if (!GetClassNameA(hwnd, cls, sizeof cls)) return TRUE;
  if (lstrcmpA(cls, "ExploreWClass") != 0 && lstrcmpA(cls, "CabinetWClass") != 0) return TRUE;
  char title[MAX_PATH + 64];
  const int n = GetWindowTextA(hwnd, title, sizeof title);
  const std::string dir = DirectoryFromExplorerTitle(std::string(title, n > 0 ? n : 0));
  if (!dir.empty() && std::find(dirs->begin(), dirs->end(), dir) == dirs->end()) dirs->push_back(dir);
  return TRUE;
}

}  // namespace

std::vector<std::string> ExplorerDirectories() {
  std::vector<std::string> dirs;
  EnumWindows(&CollectExplorer, reinterpret_cast<LPARAM>(&dirs));
  return dirs;
}
