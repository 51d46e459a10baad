#include "os/OsFile.h"
#include "os/LocalTime.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int COsFile::OpenRead(const char* path) {
  Close();
  int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  // Windows refuses to open a directory as a file; do the same here so both
  // builds behave alike.
  struct stat st;
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    errno = EISDIR;
    return -1;
  }
  handle_ = fd;
  return 0;
}

int COsFile::OpenWrite(const char* path, bool create) {
  Close();
  const int flags = O_WRONLY | O_CLOEXEC | (create ? (O_CREAT | O_TRUNC) : 0);
  int fd = ::open(path, flags, 0666);
  if (fd < 0) return -1;
  handle_ = fd;
  return 0;
}

void COsFile::Close() {
  if (handle_ == Invalid()) return;
  const int err = errno;
  ::close(handle_);
  handle_ = Invalid();
  errno = err;
}

// ReadFile on a disk file returns the full count unless the file ends; read()
// may stop early on a signal, so loop until the count or the end.
int COsFile::Read(void* buf, uint32_t n, uint32_t* got) {
  *got = 0;
  if (handle_ == Invalid()) {
    errno = EBADF;
    return -1;
  }
  unsigned char* out = static_cast<unsigned char*>(buf);
  uint32_t done = 0;
  while (done < n) {
    ssize_t r = ::read(handle_, out + done, n - done);
    if (r < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (r == 0) break;
    done += static_cast<uint32_t>(r);
  }
  *got = done;
  return 0;
}

int COsFile::Write(const void* buf, uint32_t n, uint32_t* put) {
  *put = 0;
  if (handle_ == Invalid()) {
    errno = EBADF;
    return -1;
  }
  const unsigned char* in = static_cast<const unsigned char*>(buf);
  uint32_t done = 0;
  while (done < n) {
    ssize_t w = ::write(handle_, in + done, n - done);
    if (w < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (w == 0) break;
    done += static_cast<uint32_t>(w);
  }
  *put = done;
  return 0;
}

int COsFile::Seek(int64_t distance, SeekFrom from, int64_t* pos) {
  if (handle_ == Invalid()) {
    errno = EBADF;
    return -1;
  }
  const int whence = from == SeekFrom::Begin ? SEEK_SET : (from == SeekFrom::Current ? SEEK_CUR : SEEK_END);
  off_t r = ::lseek(handle_, static_cast<off_t>(distance), whence);
  if (r < 0) return -1;
  if (pos) *pos = static_cast<int64_t>(r);
  return 0;
}

int COsFile::Size(int64_t* size) {
  if (handle_ == Invalid()) {
    errno = EBADF;
    return -1;
  }
  struct stat st;
  if (::fstat(handle_, &st) != 0) return -1;
  *size = static_cast<int64_t>(st.st_size);
  return 0;
}

int COsFile::ModTime(uint64_t* fileTime) {
  struct stat st;
  if (fstat(handle_, &st) != 0) return -1;
  const int64_t secs = static_cast<int64_t>(st.st_mtim.tv_sec) + kSecondsFrom1601To1970;
  if (secs < 0) return -1;
  *fileTime = static_cast<uint64_t>(secs) * kFileTimeTicksPerSecond + static_cast<uint64_t>(st.st_mtim.tv_nsec / 100);
  return 0;
}
