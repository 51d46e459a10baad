#include "os/OsFile.h"

#include <windows.h>

int COsFile::OpenRead(const char* path) {
  Close();
  HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return -1;
  handle_ = h;
  return 0;
}

int COsFile::OpenWrite(const char* path, bool create) {
  Close();
  HANDLE h = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                         create ? CREATE_ALWAYS : OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_RANDOM_ACCESS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return -1;
  handle_ = h;
  return 0;
}

void COsFile::Close() {
  if (handle_ == Invalid()) return;
  // CloseHandle must not disturb the last error a caller may still report.
  const DWORD err = GetLastError();
  CloseHandle(handle_);
  handle_ = Invalid();
  SetLastError(err);
}

int COsFile::Read(void* buf, uint32_t n, uint32_t* got) {
  *got = 0;
  if (handle_ == Invalid()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return -1;
  }
  DWORD done = 0;
  if (!ReadFile(handle_, buf, n, &done, nullptr)) return -1;
  *got = done;
  return 0;
}

int COsFile::Write(const void* buf, uint32_t n, uint32_t* put) {
  *put = 0;
  if (handle_ == Invalid()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return -1;
  }
  DWORD done = 0;
  if (!WriteFile(handle_, buf, n, &done, nullptr)) return -1;
  *put = done;
  return 0;
}

int COsFile::Seek(int64_t distance, SeekFrom from, int64_t* pos) {
  if (handle_ == Invalid()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return -1;
  }
  const DWORD method =
      from == SeekFrom::Begin ? FILE_BEGIN : (from == SeekFrom::Current ? FILE_CURRENT : FILE_END);
  LARGE_INTEGER d, result;
  d.QuadPart = distance;
  if (!SetFilePointerEx(handle_, d, &result, method)) return -1;
  if (pos) *pos = result.QuadPart;
  return 0;
}

int COsFile::Size(int64_t* size) {
  if (handle_ == Invalid()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return -1;
  }
  LARGE_INTEGER s;
  if (!GetFileSizeEx(handle_, &s)) return -1;
  *size = s.QuadPart;
  return 0;
}

int COsFile::ModTime(uint64_t* fileTime) {
  FILETIME w;
  if (!GetFileTime(handle_, nullptr, nullptr, &w)) return -1;
  *fileTime = (static_cast<uint64_t>(w.dwHighDateTime) << 32) | w.dwLowDateTime;
  return 0;
}
