// CBloc: the bytes of one structure inside a file (a TIFF structure, a
// Photoshop block, an IPTC record set, a CIFF heap), addressed from the
// structure's start. The bytes are either a block already read into memory
// (an APP1 or APP13 segment of a JPEG file, read in one call) or a stretch of
// the open file read on demand. Every read is checked against the block's
// size with subtractions, so no offset taken from the file can wrap.
#pragma once

#include <cstdint>
#include <string>

#include "meta/FileReader.h"

class CBloc {
 public:
  // A block held in memory (not owned); `base` is the file offset of its
  // first byte, used where a structure records a position in the file.
  CBloc(const uint8_t* data, uint32_t size, int64_t base) : data_(data), size_(size), base_(base) {}
  // A stretch of the open file from `base`.
  CBloc(FileReader* file, int64_t base, uint32_t size) : file_(file), size_(size), base_(base) {}

  uint32_t Size() const { return size_; }
  int64_t Base() const { return base_; }
  bool Contains(uint32_t off, uint32_t n) const { return off <= size_ && n <= size_ - off; }

  // Reads n bytes at `off`. -1 when they do not lie inside the block, -2 the
  // read failed, -3 the file ended early.
  int Read(uint32_t off, void* out, uint32_t n) const;
  // Reads min(n, cap) bytes at `off` into *out (the capped text field shape);
  // -1 when those bytes are not inside the block, -2 the read failed.
  int ReadCapped(uint32_t off, uint32_t n, uint32_t cap, std::string* out) const;

  // Integers at `off` in the given byte order; *v is 0 on failure.
  int U16(uint32_t off, bool bigEndian, uint16_t* v) const;
  int U32(uint32_t off, bool bigEndian, uint32_t* v) const;

 private:
  const uint8_t* data_ = nullptr;
  FileReader* file_ = nullptr;
  uint32_t size_;
  int64_t base_;
};
