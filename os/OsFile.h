// One operating-system file handle: the seam under FileReader. The Win32 side
// goes through CreateFileA/ReadFile/WriteFile/SetFilePointerEx/GetFileSizeEx,
// the native side through POSIX open/read/write/lseek/fstat. Nothing is
// buffered: every call reaches the system.
#pragma once

#include <cstdint>

enum class SeekFrom { Begin, Current, End };

class COsFile {
 public:
  COsFile() = default;
  ~COsFile() { Close(); }
  COsFile(const COsFile&) = delete;
  COsFile& operator=(const COsFile&) = delete;
  COsFile(COsFile&& other) noexcept : handle_(other.handle_) { other.handle_ = Invalid(); }
  COsFile& operator=(COsFile&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = other.handle_;
      other.handle_ = Invalid();
    }
    return *this;
  }

  // Opens an existing file for reading, sharing read and write. 0 or -1.
  int OpenRead(const char* path);
  // Opens for writing, sharing read; creates or truncates when create is set,
  // else the file must exist. 0 or -1.
  int OpenWrite(const char* path, bool create);
  void Close();
  bool IsOpen() const { return handle_ != Invalid(); }

  // Reads up to n bytes; *got is the count read (0 at the end of the file).
  // Short counts happen only at the end of the file. 0 or -1.
  int Read(void* buf, uint32_t n, uint32_t* got);
  // Writes up to n bytes; *put is the count written. 0 or -1.
  int Write(const void* buf, uint32_t n, uint32_t* put);
  // Moves the position; *pos (may be null) receives the new position. 0 or -1.
  int Seek(int64_t distance, SeekFrom from, int64_t* pos);
  // 64-bit size of the open file. 0 or -1.
  int Size(int64_t* size);
  // Last-modification time of the open file, in 100 ns units since 1601 UTC.
  // 0 or -1.
  int ModTime(uint64_t* fileTime);

 private:
#ifdef _WIN32
  using Handle = void*;
  // INVALID_HANDLE_VALUE, without pulling <windows.h> into every includer.
  static Handle Invalid() { return reinterpret_cast<Handle>(static_cast<intptr_t>(-1)); }
#else
  using Handle = int;
  static constexpr Handle Invalid() { return -1; }
#endif
  Handle handle_ = Invalid();
};
