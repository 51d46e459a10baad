#include "os/OsFs.h"

#include <windows.h>

bool IsDirectory(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string LongName(const std::string& path) {
  char buf[MAX_PATH + 1];
  const DWORD n = GetLongPathNameA(path.c_str(), buf, sizeof buf);
  if (n == 0 || n >= sizeof buf) return {};
  return std::string(buf, n);
}
