#include "meta/ImageFormats.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// Reads n bytes at start + at into a bounded cursor's buffer. -1 when the
// file ends first or the read fails.
int ReadAt(FileReader& f, int64_t start, int64_t at, void* buf, uint32_t n) {
  if (at > INT64_MAX - start) return -1;
  if (f.Seek(start + at) != 0) return -1;
  return f.ReadExact(buf, n) == 0 ? 0 : -1;
}

// The last byte of a picture of `size` bytes at `start`, or -1.
int LastByte(FileReader& f, int64_t start, int64_t size) {
  uint8_t b = 0;
  if (size <= 0 || ReadAt(f, start, size - 1, &b, 1) != 0) return -1;
  return b;
}

struct CBmpType {
  char bytes[3];
  const char* text;
};
constexpr CBmpType kBmpTypes[] = {
    {"BM", "BMP Windows"},          {"BA", "BMP OS/2 Bitmap Array"}, {"IC", "BMP OS/2 Icon"},
    {"CI", "BMP OS/2 Color Icon"},  {"PT", "BMP OS/2 Pointer"},      {"CP", "BMP OS/2 Color Pointer"},
};

const char* PcxVersion(uint8_t v) {
  switch (v) {
    case 0: return "PC Paintbrush 2.5";
    case 2: return "PC Paintbrush 2.8 w/palette info";
    case 3: return "PC Paintbrush 2.8 w/o palette info";
    case 4: return "PC Paintbrush for Windows";
    case 5: return "PC Paintbrush 3.0";
    default: return nullptr;
  }
}

// Longest Software text chunk read, keyword included.
constexpr uint32_t kPngTextMax = 337;
// Chunks walked at most: the walk reads one head per chunk, and a crafted
// file of empty chunks would otherwise cost one read per 12 bytes of it.
constexpr int kPngChunksMax = 65536;
constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";

// Opens path, runs `read` from offset 0 with the file size, and records the
// picture at offset 0 when asked and the reader succeeds.
template <class Reader>
int ReadFile(MetaExtractor& x, const std::string& path, bool locate, Reader read) {
  FileReader& f = x.File();
  int64_t size = 0;
  if (f.OpenRead(path) != 0 || f.Size(&size) != 0) {
    f.Close();
    return -5;
  }
  const int r = read(x, 0, size);
  if (r == 0 && locate) x.Entry().pictureOffset = 0;
  f.Close();
  return r;
}

}  // namespace

int ReadBmpAt(MetaExtractor& x, int64_t start, int64_t size) {
  uint8_t h[54];
  if (ReadAt(x.File(), start, 0, h, sizeof h) != 0) return -1;
  CBufReader r(h, sizeof h);
  const CBmpType* type = nullptr;
  for (const CBmpType& t : kBmpTypes)
    if (h[0] == static_cast<uint8_t>(t.bytes[0]) && h[1] == static_cast<uint8_t>(t.bytes[1])) type = &t;
  if (!type) return -2;
  uint32_t declared = 0, headerSize = 0, width = 0, height = 0;
  uint16_t bits = 0;
  r.PeekU32LE(2, &declared);
  r.PeekU32LE(14, &headerSize);
  if (headerSize == 12) {
    // The 12-byte header of OS/2 1.x bitmaps holds 16-bit sizes: read as
    // the longer header's 32-bit ones they would mix width and height.
    uint16_t w = 0, h = 0;
    r.PeekU16LE(14 + 4, &w);
    r.PeekU16LE(14 + 6, &h);
    r.PeekU16LE(14 + 10, &bits);
    width = w;
    height = h;
  } else {
    r.PeekU32LE(14 + 4, &width);
    r.PeekU32LE(14 + 8, &height);
    r.PeekU16LE(14 + 14, &bits);
  }
  x.OverwriteText(kItemIi, type->text);
  // A negative height marks a bitmap stored from the top row down; its
  // height is the magnitude (INT_MIN, which has none, stays as read).
  int32_t rows = static_cast<int32_t>(height);
  if (rows < 0 && rows != INT32_MIN) rows = -rows;
  x.SetImageSize(static_cast<int32_t>(width), rows);
  x.SetImageBits(bits);
  return static_cast<int64_t>(declared) == size ? 0 : -3;
}

int ReadGifAt(MetaExtractor& x, int64_t start, int64_t size) {
  uint8_t h[11];
  if (ReadAt(x.File(), start, 0, h, sizeof h) != 0) return -1;
  if (std::memcmp(h, "GIF", 3) != 0) return -2;
  CBufReader r(h, sizeof h);
  uint16_t width = 0, height = 0;
  r.PeekU16LE(6, &width);
  r.PeekU16LE(8, &height);
  x.SetImageSize(width, height);
  x.SetImageBits((h[10] & 7) + 1);
  x.OverwriteText(kItemIi, std::string(reinterpret_cast<const char*>(h), 6));
  return LastByte(x.File(), start, size) == ';' ? 0 : -3;
}

int ReadPngAt(MetaExtractor& x, int64_t start, int64_t size) {
  FileReader& f = x.File();
  uint8_t h[8 + 8 + 13];
  if (ReadAt(f, start, 0, h, 8) != 0) return -1;
  if (std::memcmp(h, kPngSignature, 8) != 0) return -2;
  if (ReadAt(f, start, 8, h + 8, 8) != 0) return -1;
  CBufReader r(h, sizeof h);
  uint32_t length = 0;
  r.PeekU32BE(8, &length);
  if (std::memcmp(h + 12, "IHDR", 4) != 0 || length < 13) return -4;
  if (f.ReadExact(h + 16, 13) != 0) return -1;
  uint32_t width = 0, height = 0;
  r.PeekU32BE(16, &width);
  r.PeekU32BE(20, &height);
  const int depth = h[24], colour = h[25];
  x.SetImageSize(static_cast<int32_t>(width), static_cast<int32_t>(height));
  x.SetImageBits(colour == 2 ? depth * 3 : colour == 6 ? depth * 4 : depth);
  // Walk the chunks after the header's data and CRC for the Software text.
  int64_t at = 8 + 8 + static_cast<int64_t>(length) + 4;
  for (int chunk = 0; chunk < kPngChunksMax; ++chunk) {
    uint8_t head[8];
    if (at > size - 8 || ReadAt(f, start, at, head, sizeof head) != 0) return 0;
    CBufReader c(head, sizeof head);
    c.PeekU32BE(0, &length);
    if (std::memcmp(head + 4, "IEND", 4) == 0) return 0;
    if (std::memcmp(head + 4, "tEXt", 4) == 0 && length > 8) {
      char text[kPngTextMax];
      const uint32_t n = length < kPngTextMax ? length : kPngTextMax;
      if (f.ReadExact(text, n) != 0) return 0;
      if (std::memcmp(text, "Software\0", 9) == 0) {
        x.OverwriteText(kItemIi, std::string(text + 9, n - 9));
        return 0;
      }
    }
    at += 8 + static_cast<int64_t>(length) + 4;
  }
  return 0;
}

int ReadPcxAt(MetaExtractor& x, int64_t start, int64_t size) {
  uint8_t h[66];
  if (ReadAt(x.File(), start, 0, h, sizeof h) != 0) return -1;
  if (h[0] != 10) return -2;
  if (const char* version = PcxVersion(h[1])) x.OverwriteText(kItemIi, version);
  CBufReader r(h, sizeof h);
  uint16_t xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  r.PeekU16LE(4, &xmin);
  r.PeekU16LE(6, &ymin);
  r.PeekU16LE(8, &xmax);
  r.PeekU16LE(10, &ymax);
  x.SetImageSize(xmax - xmin + 1, ymax - ymin + 1);
  x.SetImageBits(h[3] * h[65]);
  return 0;
}

int ReadIconAt(MetaExtractor& x, int64_t start, int64_t size) {
  uint8_t h[22];
  if (ReadAt(x.File(), start, 0, h, sizeof h) != 0) return -1;
  CBufReader r(h, sizeof h);
  uint16_t reserved = 0, type = 0, count = 0;
  uint32_t imageSize = 0, imageOffset = 0;
  r.PeekU16LE(0, &reserved);
  r.PeekU16LE(2, &type);
  r.PeekU16LE(4, &count);
  r.PeekU32LE(6 + 8, &imageSize);
  r.PeekU32LE(6 + 12, &imageOffset);
  if (reserved != 0 || (type != 1 && type != 2) || count == 0) return -2;
  x.SetImageSize(h[6], h[7]);
  const std::string& format = type == 1 ? x.Options().iconFormat : x.Options().cursorFormat;
  x.OverwriteText(kItemIi, FormatTexte(format, {count, count > 1 ? "s" : ""}));
  uint8_t bitmap[40];
  if (ReadAt(x.File(), start, imageOffset, bitmap, sizeof bitmap) != 0) return -1;
  uint16_t bits = 0;
  CBufReader(bitmap, sizeof bitmap).PeekU16LE(14, &bits);
  x.SetImageBits(bits);
  return static_cast<int64_t>(imageSize) < size ? 0 : -3;
}

int ReadBmpFile(MetaExtractor& x, const std::string& path) { return ReadFile(x, path, true, ReadBmpAt); }
int ReadGifFile(MetaExtractor& x, const std::string& path) { return ReadFile(x, path, true, ReadGifAt); }
int ReadPngFile(MetaExtractor& x, const std::string& path) { return ReadFile(x, path, false, ReadPngAt); }
int ReadPcxFile(MetaExtractor& x, const std::string& path) { return ReadFile(x, path, false, ReadPcxAt); }
int ReadIconFile(MetaExtractor& x, const std::string& path) { return ReadFile(x, path, true, ReadIconAt); }
