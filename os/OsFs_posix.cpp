#include "os/OsFs.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

#include "os/CurrentDir.h"
#include "os/LocalTime.h"

namespace {

thread_local unsigned long lastError = 0;

std::string Native(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

// Records errno as the Win32 code the same failure gives there.
bool Failed() {
  switch (errno) {
    case ENOENT:
      lastError = kFsFileNotFound;
      break;
    case ENOTDIR:
      lastError = kFsPathNotFound;
      break;
    case EACCES:
    case EPERM:
    case EROFS:
      lastError = kFsAccessDenied;
      break;
    case EEXIST:
      lastError = kFsAlreadyExists;
      break;
    case ENOTEMPTY:
      lastError = kFsDirNotEmpty;
      break;
    case ENAMETOOLONG:
      lastError = kFsFilenameTooLong;
      break;
    case EBUSY:
      lastError = kFsSharingViolation;
      break;
    default:
      lastError = kFsGenFailure;
      break;
  }
  return false;
}

uint64_t FileTimeOf(const struct timespec& t) {
  return static_cast<uint64_t>(t.tv_sec + kSecondsFrom1601To1970) * kFileTimeTicksPerSecond +
         static_cast<uint64_t>(t.tv_nsec / 100);
}

// A file descriptor that closes itself.
class CFd {
 public:
  explicit CFd(int fd) : fd_(fd) {}
  ~CFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  CFd(const CFd&) = delete;
  CFd& operator=(const CFd&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

unsigned long FsLastError() { return lastError; }
void FsSetLastError(unsigned long code) { lastError = code; }

bool IsDirectory(const std::string& path) {
  struct stat st;
  return stat(Native(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string LongName(const std::string& path) {
  char buf[PATH_MAX];
  if (!realpath(Native(path).c_str(), buf)) return {};
  const std::string name(buf);
  return name.size() <= kFsMaxPath ? name : std::string();
}

std::string FsFullPath(const std::string& path) {
  std::string p = Native(path);
  if (p.empty() || p[0] != '/') p = CurrentDirectory() + "/" + p;
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= p.size()) {
    size_t end = p.find('/', start);
    if (end == std::string::npos) end = p.size();
    const std::string part = p.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string full;
  for (const std::string& part : parts) full += "\\" + part;
  if (full.empty()) full = "\\";
  return full.size() < 4 * kFsMaxPath ? full : std::string();
}

bool FsStat(const std::string& path, CFsStat* st) {
  struct stat s;
  if (lstat(Native(path).c_str(), &s) != 0) return Failed();
  st->isDir = S_ISDIR(s.st_mode);
  st->readOnly = (s.st_mode & S_IWUSR) == 0;
  st->size = st->isDir ? 0 : static_cast<uint64_t>(s.st_size);
  st->writeTime = FileTimeOf(s.st_mtim);
  return true;
}

bool FsMove(const std::string& from, const std::string& to) {
  // Never onto an existing name, as MoveFileA.
  if (renameat2(AT_FDCWD, Native(from).c_str(), AT_FDCWD, Native(to).c_str(), RENAME_NOREPLACE) == 0)
    return true;
  return Failed();
}

bool FsCopyFile(const std::string& from, const std::string& to) {
  const CFd in(::open(Native(from).c_str(), O_RDONLY | O_CLOEXEC));
  if (in.Get() < 0) return Failed();
  struct stat s;
  if (fstat(in.Get(), &s) != 0) return Failed();
  if (S_ISDIR(s.st_mode)) {
    lastError = kFsAccessDenied;
    return false;
  }
  bool ok = true;
  {
    const CFd out(::open(Native(to).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, s.st_mode & 0777));
    if (out.Get() < 0) return Failed();
    char buf[65536];
    for (;;) {
      const ssize_t n = ::read(in.Get(), buf, sizeof buf);
      if (n == 0) break;
      if (n < 0 || ::write(out.Get(), buf, static_cast<size_t>(n)) != n) {
        ok = Failed();
        break;
      }
    }
    const struct timespec times[2] = {s.st_atim, s.st_mtim};
    if (ok && futimens(out.Get(), times) != 0) ok = Failed();
  }
  if (!ok) {
    const unsigned long code = lastError;
    ::unlink(Native(to).c_str());
    lastError = code;
  }
  return ok;
}

bool FsCreateDirectory(const std::string& path) {
  return ::mkdir(Native(path).c_str(), 0777) == 0 || Failed();
}
bool FsRemoveDirectory(const std::string& path) { return ::rmdir(Native(path).c_str()) == 0 || Failed(); }
bool FsDeleteFile(const std::string& path) { return ::unlink(Native(path).c_str()) == 0 || Failed(); }

bool FsSetReadOnly(const std::string& path, bool readOnly) {
  struct stat s;
  if (stat(Native(path).c_str(), &s) != 0) return Failed();
  const mode_t mode = readOnly ? (s.st_mode & ~static_cast<mode_t>(0222)) : (s.st_mode | S_IWUSR);
  return ::chmod(Native(path).c_str(), mode & 07777) == 0 || Failed();
}

int FsListDirectory(const std::string& dir, std::vector<std::string>* names) {
  const std::unique_ptr<DIR, int (*)(DIR*)> d(opendir(Native(dir).c_str()), closedir);
  if (!d) return Failed(), -1;
  int r = 0;
  for (;;) {
    errno = 0;
    const struct dirent* e = readdir(d.get());
    if (!e) {
      if (errno != 0) r = (Failed(), -3);
      break;
    }
    const std::string name = e->d_name;
    if (name != "." && name != "..") names->push_back(name);
  }
  return r;
}
