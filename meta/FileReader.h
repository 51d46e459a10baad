// FileReader: a thin wrapper over one operating-system file handle, used by
// the format readers, the text-file lines of expressions, the copy operation
// and the image preview. Not buffered: each call goes to the system, so a
// reader seeks to the structure it needs and reads small fixed buffers.
//
// Every operation returns 0 on success and a small negative code otherwise;
// the codes of each operation are given beside it.
//
// CBufReader is the companion for parsers: a bounded cursor over bytes already
// read, with explicit little- and big-endian reads. All of its bounds are
// written as subtractions so that nothing wraps on a 32-bit build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "os/OsFile.h"

class FileReader {
 public:
  // Longest line the line reads store; the rest of a longer line is skipped
  // (the position still moves past its terminator), so a binary file without
  // line breaks never makes a line read hold the whole file in memory.
  static constexpr size_t kMaxLine = 65536;
  // Chunk of the backward 32-bit marker search and of the line reads.
  static constexpr uint32_t kMarkerChunk = 4096;
  static constexpr uint32_t kLineChunk = 64;
  static constexpr uint32_t kMarker16Chunk = 64;

  FileReader() = default;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;
  FileReader(FileReader&&) noexcept = default;
  FileReader& operator=(FileReader&&) noexcept = default;
  ~FileReader() { DropHead(); }  // the handle closes itself

  // Reads to come from the next file opened for reading start with one read
  // of its first `bytes` bytes; reads and seeks inside them are then served
  // from memory, with the same results as the file's own. 0 reads nothing
  // ahead.
  void SetHead(uint32_t bytes) { headWanted_ = bytes; }

  // -1 empty path, -2 open failed. Any open handle is closed first.
  int OpenRead(const std::string& path);
  // Creates or truncates when create is set, else the file must exist.
  // -1 empty path, -2 open failed.
  int OpenWrite(const std::string& path, bool create);
  void Close() {
    file_.Close();
    DropHead();
  }
  bool IsOpen() const { return file_.IsOpen(); }

  // -1 on failure.
  int Size(int64_t* size);
  // Current position, or -1.
  int64_t Tell();
  // -1 on failure (including a position before the start of the file).
  int Seek(int64_t distance, SeekFrom from = SeekFrom::Begin);

  // -1 read failed, -2 fewer than n bytes came.
  int ReadExact(void* buf, uint32_t n);
  // -1 read failed; *n becomes the count read.
  int ReadUpTo(void* buf, uint32_t* n);
  // -1 write failed, -2 fewer than n bytes went.
  int WriteExact(const void* buf, uint32_t n);

  // Reads min(n, cap) bytes into *out and moves past the whole n bytes: the
  // shape of every capped text field. *out holds what came even when the file
  // ends early. -1 read failed, -2 the file ended inside the field, -3 seek
  // past the field failed.
  int ReadCapped(std::string* out, uint64_t n, uint32_t cap);

  // Searches the last `limit` bytes of the file backwards for the four bytes
  // whose little-endian value is `value`, in chunks of 4096 bytes with the
  // window carried across chunks. On a match the position is just after the
  // four bytes. -1 seek failed, -2 read failed, -3 not found within the limit
  // or before the start of the file, -4 final seek failed.
  int FindMarker32Back(uint32_t value, uint64_t limit);
  // The same with a 16-bit little-endian window and chunks of 64 bytes,
  // searching the `limit` bytes below `from` (a position past the end counts
  // from the end) and never reading below `lowerBound`.
  int FindMarker16Back(uint16_t value, int64_t from, int64_t lowerBound, uint64_t limit);

  // Reads the line starting at the current position; CR, LF and CR LF end a
  // line, the terminator is not part of it and the position is left after it.
  // A last line without terminator is returned as it is. -1 read failed,
  // -2 end of file (nothing left), -3 seek failed.
  int ReadLine(std::string* line);
  // Reads the line that ends at the current position (one terminator right
  // before the position is ignored) and leaves the position at its start, so
  // the next call returns the line before. -1 read failed, -2 already at the
  // start of the file, -3 seek failed.
  int ReadLineBack(std::string* line);

  // Integers in file byte order. -1 read failed, -2 the file ended.
  int ReadU16LE(uint16_t* v);
  int ReadU32LE(uint32_t* v);
  int ReadU16BE(uint16_t* v);
  int ReadU32BE(uint32_t* v);

 private:
  // Common part of both backward marker searches.
  int FindMarkerBack(uint32_t value, int width, int64_t from, int64_t lowerBound, uint64_t limit,
                     uint32_t chunk);
  // Reads up to n bytes at the position, from the head first. 0 or -1.
  int Read(void* buf, uint32_t n, uint32_t* got);
  // Ends the head mode and gives the buffer back to the thread's pool.
  void DropHead();
  // Whether the head holds the whole file.
  bool HeadIsWholeFile() const { return headLen_ < headWanted_; }

  COsFile file_;
  uint32_t headWanted_ = 0;
  // While headMode_ is set, the file's first headLen_ bytes are in head_
  // and pos_ is the position reads start from; osPos_ is the system's. The
  // buffer (headCap_ bytes) is lent by the thread's pool while a file is open.
  std::unique_ptr<uint8_t[]> head_;
  uint32_t headCap_ = 0;
  uint32_t headLen_ = 0;
  bool headMode_ = false;
  int64_t pos_ = 0;
  int64_t osPos_ = 0;
};

// Bounded cursor over a byte buffer it does not own.
class CBufReader {
 public:
  CBufReader(const void* data, size_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}

  size_t Size() const { return size_; }
  size_t Pos() const { return pos_; }
  size_t Remaining() const { return size_ - pos_; }
  bool Has(size_t n) const { return n <= size_ - pos_; }

  // -1 when the position lies past the end.
  int Seek(size_t pos) {
    if (pos > size_) return -1;
    pos_ = pos;
    return 0;
  }
  // -1 when fewer than n bytes remain; the position is then unchanged.
  int Skip(size_t n) {
    if (!Has(n)) return -1;
    pos_ += n;
    return 0;
  }
  int Bytes(void* out, size_t n);
  // A reader over the next n bytes, which this one skips; empty when fewer
  // remain (and nothing is skipped).
  CBufReader Sub(size_t n);

  // -1 when the value does not fit in what remains; the position is then
  // unchanged and *v is 0.
  int U8(uint8_t* v);
  int U16LE(uint16_t* v);
  int U16BE(uint16_t* v);
  int U32LE(uint32_t* v);
  int U32BE(uint32_t* v);
  int U64LE(uint64_t* v);
  int U64BE(uint64_t* v);

  // Reads at an absolute offset without moving; -1 when out of bounds.
  int PeekU16LE(size_t at, uint16_t* v) const;
  int PeekU16BE(size_t at, uint16_t* v) const;
  int PeekU32LE(size_t at, uint32_t* v) const;
  int PeekU32BE(size_t at, uint32_t* v) const;
  int PeekU64BE(size_t at, uint64_t* v) const;

 private:
  // Assembles `width` bytes at `at` in the given order; -1 out of bounds.
  int Load(size_t at, int width, bool bigEndian, uint64_t* v) const;
  int Take(int width, bool bigEndian, uint64_t* v);

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};
