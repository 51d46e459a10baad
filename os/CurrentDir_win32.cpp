#include "os/CurrentDir.h"

#include <windows.h>

std::string CurrentDirectory() {
  char buf[MAX_PATH + 1];
  const DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
  return (n == 0 || n >= sizeof buf) ? std::string() : std::string(buf, n);
}

bool ChangeDirectory(const std::string& dir) { return SetCurrentDirectoryA(dir.c_str()) != 0; }
