#include "ops/CFsHelpers.h"

#include <windows.h>

#include "os/AnsiCase.h"
#include "os/CNoms.h"
#include "os/OsFs.h"
#include "os/WideFind.h"

namespace {

std::string FullPath(const std::string& path) {
  char buf[MAX_PATH * 4];
  const DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
  if (n == 0 || n >= sizeof buf) return {};
  std::string full(buf, n);
  while (full.size() > 3 && (full.back() == '\\' || full.back() == '/')) full.pop_back();
  return full;
}

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
    const std::string dir = p.substr(0, i);
    if (!CreateDirectoryA(dir.c_str(), nullptr)) {
      // A drive root or a protected parent answers "access denied" even when
      // it exists: the walk goes on only when it is there. (A file in the way
      // is left to the move or copy, which fails on it with "path not found".)
      const DWORD e = GetLastError();
      if (e != ERROR_ALREADY_EXISTS && (e != ERROR_ACCESS_DENIED || !IsDirectory(dir))) {
        SetLastError(e);
        return -2;
      }
    }
  }
  SetLastError(0);
  return 0;
}

namespace {

// The size and write time of what path names now; false when it is gone.
bool Stamp(const std::string& path, CCopie* c) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d)) return false;
  c->isDir = (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  c->size = (static_cast<uint64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
  c->writeTime = (static_cast<uint64_t>(d.ftLastWriteTime.dwHighDateTime) << 32) | d.ftLastWriteTime.dwLowDateTime;
  return true;
}

void Record(const std::string& path, std::vector<CCopie>* made) {
  CCopie c;
  c.path = path;
  Stamp(path, &c);
  made->push_back(std::move(c));
}

int CopyInto(const std::string& from, const std::string& to, std::vector<CCopie>* made) {
  const DWORD attrs = GetFileAttributesA(from.c_str());
  if (attrs == INVALID_FILE_ATTRIBUTES) return -1;
  if (!(attrs & FILE_ATTRIBUTE_DIRECTORY)) {
    if (!CopyFileA(from.c_str(), to.c_str(), TRUE)) return -2;
    Record(to, made);
    return 0;
  }
  // Any refusal, "access denied" included, is a failure: the copy makes a new
  // directory and never merges into one that exists.
  if (!CreateDirectoryA(to.c_str(), nullptr)) return -3;
  Record(to, made);
  CWideFind find(from + "\\*");
  if (!find.Valid()) return -4;
  for (;;) {
    if (!find.IsDots() && !find.Exact()) {
      // The ANSI name may be another file's: copy nothing in its place.
      SetLastError(ERROR_NO_UNICODE_TRANSLATION);
      return -5;
    }
    if (!find.IsDots()) {
      const std::string name = find.Data().cFileName;
      if (CopyInto(from + "\\" + name, to + "\\" + name, made) != 0) return -5;
    }
    if (!find.Next()) break;
  }
  // A listing broken midway is a failure, not the end of the directory.
  return GetLastError() == ERROR_NO_MORE_FILES ? 0 : -6;
}

}  // namespace

int CopyTree(const std::string& from, const std::string& to, std::vector<CCopie>* made) {
  std::vector<CCopie> local;
  std::vector<CCopie>& list = made ? *made : local;
  const size_t first = list.size();
  const int r = CopyInto(from, to, &list);
  if (r == 0) {
    SetLastError(0);
    return 0;
  }
  DWORD e = GetLastError();
  if (e == 0) e = ERROR_GEN_FAILURE;
  std::vector<CCopie> partial(list.begin() + static_cast<std::ptrdiff_t>(first), list.end());
  list.resize(first);
  int left = 0;
  DeleteCopied(partial, &left);
  SetLastError(e);
  return r;
}

int DeleteCopied(std::vector<CCopie>& made, int* left) {
  *left = 0;
  DWORD firstError = 0;
  std::vector<CCopie> kept;
  for (auto it = made.rbegin(); it != made.rend(); ++it) {
    CCopie now;
    if (!Stamp(it->path, &now)) continue;  // already gone
    DWORD err = 0;
    if (now.isDir != it->isDir || (!it->isDir && (now.size != it->size || now.writeTime != it->writeTime))) {
      err = ERROR_FILE_EXISTS;  // replaced or changed since the copy: not ours to delete
    } else {
      const DWORD attrs = GetFileAttributesA(it->path.c_str());
      if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesA(it->path.c_str(), attrs & ~FILE_ATTRIBUTE_READONLY);
      const BOOL ok = it->isDir ? RemoveDirectoryA(it->path.c_str()) : DeleteFileA(it->path.c_str());
      if (!ok) {
        err = GetLastError();
        if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_READONLY))
          SetFileAttributesA(it->path.c_str(), attrs);
      }
    }
    if (err == 0) continue;
    if (firstError == 0) firstError = err;
    ++*left;
    kept.push_back(*it);
  }
  made.assign(kept.rbegin(), kept.rend());
  if (*left == 0) return 0;
  SetLastError(firstError);
  return -1;
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

int NameLimit(const std::string& path, unsigned long* code) {
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of("\\/", start);
    if (end == std::string::npos) end = path.size();
    const size_t n = end - start;
    if (n > kMaxComponent) {
      *code = ERROR_FILENAME_EXCED_RANGE;
      return -1;
    }
    // "." and ".." name directories; any other run of dots and blanks would
    // be cut down to nothing, or to one of those, by the system's name rules.
    if (n > 0 && path.find_first_not_of(". ", start) >= end && !EstEntreePoint(path.substr(start, n).c_str())) {
      *code = ERROR_INVALID_NAME;
      return -2;
    }
    start = end + 1;
  }
  char buf[MAX_PATH * 4];
  // The ANSI calls may refuse to expand a name that is already too long.
  const DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
  const size_t full = n == 0 ? path.size() : n;
  if (full < MAX_PATH) return 0;
  *code = ERROR_FILENAME_EXCED_RANGE;
  return -1;
}

int CheckTarget(const std::string& from, const std::string& to, bool fromIsDir, unsigned long* code) {
  if (HasDeviceName(to)) {
    *code = ERROR_INVALID_NAME;
    return -1;
  }
  if (NameLimit(to, code) != 0) return -2;
  if (fromIsDir) {
    const std::string a = FullPath(from), b = FullPath(to);
    if (!a.empty() && b.size() > a.size() && (b[a.size()] == '\\' || a.back() == '\\') &&
        AnsiCompareNoCase(a.data(), a.size(), b.data(), a.size()) == 0) {
      *code = ERROR_BAD_PATHNAME;
      return -3;
    }
  }
  return 0;
}
