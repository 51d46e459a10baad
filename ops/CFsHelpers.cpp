#include "ops/CFsHelpers.h"

#include "os/AnsiCase.h"
#include "os/CNoms.h"
#include "os/OsFs.h"

namespace {

std::string FullPath(const std::string& path) {
  std::string full = FsFullPath(path);
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
      FsSetLastError(kFsBadPathname);
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
    if (!FsCreateDirectory(dir)) {
      // A drive root or a protected parent answers "access denied" even when
      // it exists: the walk goes on only when it is there. (A file in the way
      // is left to the move or copy, which fails on it with "path not found".)
      const unsigned long e = FsLastError();
      if (e != kFsAlreadyExists && (e != kFsAccessDenied || !IsDirectory(dir))) {
        FsSetLastError(e);
        return -2;
      }
    }
  }
  FsSetLastError(0);
  return 0;
}

namespace {

// The size and write time of what path names now; false when it is gone.
bool Stamp(const std::string& path, CCopie* c) {
  CFsStat st;
  if (!FsStat(path, &st)) return false;
  c->isDir = st.isDir;
  c->size = st.size;
  c->writeTime = st.writeTime;
  return true;
}

void Record(const std::string& path, std::vector<CCopie>* made) {
  CCopie c;
  c.path = path;
  Stamp(path, &c);
  made->push_back(std::move(c));
}

int CopyInto(const std::string& from, const std::string& to, std::vector<CCopie>* made) {
  CFsStat st;
  if (!FsStat(from, &st)) return -1;
  if (!st.isDir) {
    if (!FsCopyFile(from, to)) return -2;
    Record(to, made);
    return 0;
  }
  // Any refusal, "access denied" included, is a failure: the copy makes a new
  // directory and never merges into one that exists.
  if (!FsCreateDirectory(to)) return -3;
  Record(to, made);
  // A name the code page cannot hold exactly may be another file's: the
  // listing refuses it, and nothing is copied in its place. A listing broken
  // midway is a failure, not the end of the directory.
  std::vector<std::string> names;
  const int listed = FsListDirectory(from, &names);
  if (listed == -1) return -4;
  if (listed == -2) return -5;
  if (listed != 0) return -6;
  for (const std::string& name : names)
    if (CopyInto(from + "\\" + name, to + "\\" + name, made) != 0) return -5;
  return 0;
}

}  // namespace

int CopyTree(const std::string& from, const std::string& to, std::vector<CCopie>* made) {
  std::vector<CCopie> local;
  std::vector<CCopie>& list = made ? *made : local;
  const size_t first = list.size();
  const int r = CopyInto(from, to, &list);
  if (r == 0) {
    FsSetLastError(0);
    return 0;
  }
  unsigned long e = FsLastError();
  if (e == 0) e = kFsGenFailure;
  std::vector<CCopie> partial(list.begin() + static_cast<std::ptrdiff_t>(first), list.end());
  list.resize(first);
  int left = 0;
  DeleteCopied(partial, &left);
  FsSetLastError(e);
  return r;
}

int DeleteCopied(std::vector<CCopie>& made, int* left) {
  *left = 0;
  unsigned long firstError = 0;
  std::vector<CCopie> kept;
  for (auto it = made.rbegin(); it != made.rend(); ++it) {
    CCopie now;
    if (!Stamp(it->path, &now)) continue;  // already gone
    unsigned long err = 0;
    if (now.isDir != it->isDir || (!it->isDir && (now.size != it->size || now.writeTime != it->writeTime))) {
      err = kFsFileExists;  // replaced or changed since the copy: not ours to delete
    } else {
      CFsStat st;
      const bool readOnly = FsStat(it->path, &st) && st.readOnly;
      if (readOnly) FsSetReadOnly(it->path, false);
      const bool ok = it->isDir ? FsRemoveDirectory(it->path) : FsDeleteFile(it->path);
      if (!ok) {
        err = FsLastError();
        if (readOnly) FsSetReadOnly(it->path, true);
      }
    }
    if (err == 0) continue;
    if (firstError == 0) firstError = err;
    ++*left;
    kept.push_back(*it);
  }
  made.assign(kept.rbegin(), kept.rend());
  if (*left == 0) return 0;
  FsSetLastError(firstError);
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
      *code = kFsFilenameTooLong;
      return -1;
    }
    // "." and ".." name directories; any other run of dots and blanks would
    // be cut down to nothing, or to one of those, by the system's name rules.
    if (n > 0 && path.find_first_not_of(". ", start) >= end && !EstEntreePoint(path.substr(start, n).c_str())) {
      *code = kFsInvalidName;
      return -2;
    }
    start = end + 1;
  }
  // The ANSI calls may refuse to expand a name that is already too long.
  const size_t n = FsFullPath(path).size();
  const size_t full = n == 0 ? path.size() : n;
  if (full < kFsMaxPath) return 0;
  *code = kFsFilenameTooLong;
  return -1;
}

int CheckTarget(const std::string& from, const std::string& to, bool fromIsDir, unsigned long* code) {
  if (HasDeviceName(to)) {
    *code = kFsInvalidName;
    return -1;
  }
  if (NameLimit(to, code) != 0) return -2;
  if (fromIsDir) {
    const std::string a = FullPath(from), b = FullPath(to);
    if (!a.empty() && b.size() > a.size() && (b[a.size()] == '\\' || a.back() == '\\') &&
        AnsiCompareNoCase(a.data(), a.size(), b.data(), a.size()) == 0) {
      *code = kFsBadPathname;
      return -3;
    }
  }
  return 0;
}
