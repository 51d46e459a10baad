#include "ops/CFsHelpers.h"

#include <windows.h>

#include "os/AnsiCase.h"
#include "os/CKGuards.h"

namespace {

bool IsDirectory(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FullPath(const std::string& path) {
  char buf[MAX_PATH * 4];
  const DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
  if (n == 0 || n >= sizeof buf) return {};
  std::string full(buf, n);
  while (full.size() > 3 && (full.back() == '\\' || full.back() == '/')) full.pop_back();
  return full;
}

// A directory search: its handle and the entry last read.
class CFind {
 public:
  explicit CFind(const std::string& dir) : h_(FindFirstFileA((dir + "\\*").c_str(), &fd_)) {}
  bool Valid() const { return h_.Valid(); }
  bool Next() { return FindNextFileA(h_.Get(), &fd_) != 0; }
  const WIN32_FIND_DATAA& Data() const { return fd_; }
  bool IsDots() const {
    const char* n = fd_.cFileName;
    return n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0));
  }

 private:
  WIN32_FIND_DATAA fd_;
  CKFind h_;
};

}  // namespace

int CreatePathDirectories(const std::string& p) {
  const size_t len = p.size();
  if (len <= 1 || len >= 261 || IsDirectory(p)) return 0;
  size_t pos = 0;
  if (len >= 2 && p[1] == ':') {
    pos = 2;
  } else if (len >= 2 && p[0] == '\\' && p[1] == '\\') {
    const size_t server = p.find('\\', 2);
    const size_t share = server == std::string::npos ? server : p.find('\\', server + 1);
    if (share == std::string::npos) {
      SetLastError(ERROR_BAD_PATHNAME);
      return -1;
    }
    pos = share;
  } else if (p[0] == '\\') {
    pos = 0;
  }
  // Each further backslash ends a directory to create.
  for (size_t i = pos + 1; i < len; ++i) {
    if (p[i] != '\\') continue;
    if (!CreateDirectoryA(p.substr(0, i).c_str(), nullptr)) {
      const DWORD e = GetLastError();
      if (e != ERROR_ALREADY_EXISTS && e != ERROR_ACCESS_DENIED) return -2;
    }
  }
  const DWORD e = GetLastError();
  if (e == ERROR_ALREADY_EXISTS || e == ERROR_ACCESS_DENIED) SetLastError(0);
  return 0;
}

int CopyTree(const std::string& from, const std::string& to) {
  const DWORD attrs = GetFileAttributesA(from.c_str());
  if (attrs == INVALID_FILE_ATTRIBUTES) return -1;
  if (!(attrs & FILE_ATTRIBUTE_DIRECTORY)) return CopyFileA(from.c_str(), to.c_str(), TRUE) ? 0 : -2;
  if (!CreateDirectoryA(to.c_str(), nullptr) && GetLastError() != ERROR_ACCESS_DENIED) return -3;
  CFind find(from);
  if (!find.Valid()) return -4;
  do {
    if (find.IsDots()) continue;
    const std::string name = find.Data().cFileName;
    if (CopyTree(from + "\\" + name, to + "\\" + name) != 0) {
      const DWORD e = GetLastError();
      if (e != 0) {
        SetLastError(e);
        return -5;
      }
    }
  } while (find.Next());
  SetLastError(0);
  return 0;
}

int DeleteTree(const std::string& path) {
  const DWORD attrs = GetFileAttributesA(path.c_str());
  if (attrs == INVALID_FILE_ATTRIBUTES) return -1;
  if ((attrs & FILE_ATTRIBUTE_READONLY) &&
      !SetFileAttributesA(path.c_str(), attrs & ~FILE_ATTRIBUTE_READONLY))
    return -2;
  if (!(attrs & FILE_ATTRIBUTE_DIRECTORY)) return DeleteFileA(path.c_str()) ? 0 : -3;
  {
    CFind find(path);
    if (!find.Valid()) return -4;
    do {
      if (find.IsDots()) continue;
      if (DeleteTree(path + "\\" + find.Data().cFileName) != 0) {
        const DWORD e = GetLastError();
        if (e != 0) {
          SetLastError(e);
          return -5;
        }
      }
    } while (find.Next());
  }
  return RemoveDirectoryA(path.c_str()) ? 0 : -6;
}

bool HasDeviceName(const std::string& path) {
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of("\\/", start);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(start, end - start);
    // The device is named by the part before any extension, trailing blanks ignored.
    const size_t dot = part.find('.');
    if (dot != std::string::npos) part.resize(dot);
    while (!part.empty() && (part.back() == ' ')) part.pop_back();
    AnsiUpperInPlace(part);
    if (part == "CON" || part == "PRN" || part == "AUX" || part == "NUL" || part == "CONIN$" ||
        part == "CONOUT$")
      return true;
    if (part.size() == 4 && (part.compare(0, 3, "COM") == 0 || part.compare(0, 3, "LPT") == 0) &&
        part[3] >= '1' && part[3] <= '9')
      return true;
    start = end + 1;
  }
  return false;
}

unsigned long NameLimit(const std::string& path) {
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of("\\/", start);
    if (end == std::string::npos) end = path.size();
    const size_t n = end - start;
    if (n > kMaxComponent) return ERROR_FILENAME_EXCED_RANGE;
    // "." and ".." name directories; any other run of dots and blanks would
    // be cut down to nothing, or to one of those, by the system's name rules.
    if (n > 0 && path.find_first_not_of(". ", start) >= end && !(n == 1 && path[start] == '.') &&
        !(n == 2 && path.compare(start, 2, "..") == 0))
      return ERROR_INVALID_NAME;
    start = end + 1;
  }
  char buf[MAX_PATH * 4];
  // The ANSI calls may refuse to expand a name that is already too long.
  const DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
  const size_t full = n == 0 ? path.size() : n;
  return full >= MAX_PATH ? ERROR_FILENAME_EXCED_RANGE : 0;
}

unsigned long CheckTarget(const std::string& from, const std::string& to) {
  if (HasDeviceName(to)) return ERROR_INVALID_NAME;
  if (const unsigned long limit = NameLimit(to)) return limit;
  if (IsDirectory(from)) {
    const std::string a = FullPath(from), b = FullPath(to);
    if (!a.empty() && b.size() > a.size() && (b[a.size()] == '\\' || a.back() == '\\') &&
        AnsiCompareNoCase(a.data(), a.size(), b.data(), a.size()) == 0)
      return ERROR_BAD_PATHNAME;
  }
  return 0;
}
