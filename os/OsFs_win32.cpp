#include "os/OsFs.h"

#include <windows.h>

#include "os/WideFind.h"

unsigned long FsLastError() { return GetLastError(); }
void FsSetLastError(unsigned long code) { SetLastError(code); }

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

std::string FsFullPath(const std::string& path) {
  char buf[MAX_PATH * 4];
  const DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
  if (n == 0 || n >= sizeof buf) return {};
  return std::string(buf, n);
}

bool FsStat(const std::string& path, CFsStat* st) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d)) return false;
  st->isDir = (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  st->readOnly = (d.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  st->size = (static_cast<uint64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
  st->writeTime =
      (static_cast<uint64_t>(d.ftLastWriteTime.dwHighDateTime) << 32) | d.ftLastWriteTime.dwLowDateTime;
  return true;
}

bool FsMove(const std::string& from, const std::string& to) {
  return MoveFileA(from.c_str(), to.c_str()) != 0;
}
bool FsCopyFile(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), TRUE) != 0;
}
bool FsCreateDirectory(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }
bool FsRemoveDirectory(const std::string& path) { return RemoveDirectoryA(path.c_str()) != 0; }
bool FsDeleteFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool FsSetReadOnly(const std::string& path, bool readOnly) {
  const DWORD attrs = GetFileAttributesA(path.c_str());
  if (attrs == INVALID_FILE_ATTRIBUTES) return false;
  const DWORD want = readOnly ? attrs | FILE_ATTRIBUTE_READONLY : attrs & ~FILE_ATTRIBUTE_READONLY;
  return want == attrs || SetFileAttributesA(path.c_str(), want) != 0;
}

int FsListDirectory(const std::string& dir, std::vector<std::string>* names) {
  CWideFind find(dir + "\\*");
  if (!find.Valid()) return -1;
  for (;;) {
    if (!find.IsDots()) {
      if (!find.Exact()) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return -2;
      }
      names->push_back(find.Data().cFileName);
    }
    if (!find.Next()) break;
  }
  return GetLastError() == ERROR_NO_MORE_FILES ? 0 : -3;
}
