#include "meta/FileReader.h"

#include <algorithm>
#include <limits>

namespace {

// One head buffer per thread, lent to the reader that opens a file with a
// head and given back when it closes it: a fresh block of that size for
// every file cost the allocator more than the file's read.
struct CHeadPool {
  std::unique_ptr<uint8_t[]> buffer;
  uint32_t size = 0;
};
thread_local CHeadPool headPool;

}  // namespace

void FileReader::DropHead() {
  headMode_ = false;
  headLen_ = 0;
  if (head_ && !headPool.buffer) {
    headPool.buffer = std::move(head_);
    headPool.size = headCap_;
    headCap_ = 0;
  }
}

int FileReader::OpenRead(const std::string& path) {
  if (path.empty()) return -1;
  DropHead();
  if (file_.OpenRead(path.c_str()) != 0) return -2;
  if (headWanted_ == 0) return 0;
  if (headCap_ < headWanted_) {
    if (headPool.buffer && headPool.size >= headWanted_) {
      head_ = std::move(headPool.buffer);
      headCap_ = headPool.size;
    } else {
      head_.reset(new uint8_t[headWanted_]);
      headCap_ = headWanted_;
    }
  }
  uint32_t got = 0;
  if (file_.Read(head_.get(), headWanted_, &got) != 0) {
    // Read as the file comes, from its start.
    DropHead();
    return file_.Seek(0, SeekFrom::Begin, nullptr) == 0 ? 0 : -2;
  }
  headLen_ = got;
  headMode_ = true;
  pos_ = 0;
  osPos_ = got;
  return 0;
}

int FileReader::OpenWrite(const std::string& path, bool create) {
  if (path.empty()) return -1;
  DropHead();
  return file_.OpenWrite(path.c_str(), create) == 0 ? 0 : -2;
}

int FileReader::Size(int64_t* size) {
  if (headMode_ && HeadIsWholeFile()) {
    *size = headLen_;
    return 0;
  }
  return file_.Size(size) == 0 ? 0 : -1;
}

int64_t FileReader::Tell() {
  if (headMode_) return pos_;
  int64_t pos = -1;
  return file_.Seek(0, SeekFrom::Current, &pos) == 0 ? pos : -1;
}

int FileReader::Seek(int64_t distance, SeekFrom from) {
  if (!headMode_) return file_.Seek(distance, from, nullptr) == 0 ? 0 : -1;
  int64_t base = 0;
  if (from == SeekFrom::Current) base = pos_;
  if (from == SeekFrom::End && Size(&base) != 0) return -1;
  if (distance > 0 ? base > std::numeric_limits<int64_t>::max() - distance : base + distance < 0) return -1;
  pos_ = base + distance;
  return 0;
}

int FileReader::Read(void* buf, uint32_t n, uint32_t* got) {
  if (!headMode_) return file_.Read(buf, n, got);
  *got = 0;
  uint8_t* out = static_cast<uint8_t*>(buf);
  const int64_t held = headLen_;
  if (pos_ < held) {
    const uint32_t take = static_cast<uint32_t>(std::min<int64_t>(n, held - pos_));
    std::copy(head_.get() + pos_, head_.get() + pos_ + take, out);
    pos_ += take;
    *got = take;
  }
  if (*got == n || HeadIsWholeFile()) return 0;
  if (osPos_ != pos_) {
    if (file_.Seek(pos_, SeekFrom::Begin, nullptr) != 0) return -1;
    osPos_ = pos_;
  }
  uint32_t more = 0;
  if (file_.Read(out + *got, n - *got, &more) != 0) return -1;
  pos_ += more;
  osPos_ += more;
  *got += more;
  return 0;
}

int FileReader::ReadExact(void* buf, uint32_t n) {
  uint32_t got = 0;
  if (Read(buf, n, &got) != 0) return -1;
  return got == n ? 0 : -2;
}

int FileReader::ReadUpTo(void* buf, uint32_t* n) {
  uint32_t got = 0;
  const int r = Read(buf, *n, &got);
  *n = got;
  return r == 0 ? 0 : -1;
}

int FileReader::WriteExact(const void* buf, uint32_t n) {
  uint32_t put = 0;
  if (file_.Write(buf, n, &put) != 0) return -1;
  return put == n ? 0 : -2;
}

int FileReader::ReadCapped(std::string* out, uint64_t n, uint32_t cap) {
  const uint32_t take = n < cap ? static_cast<uint32_t>(n) : cap;
  out->assign(take, '\0');
  uint32_t got = take;
  const int r = take ? ReadUpTo(&(*out)[0], &got) : 0;
  out->resize(got);
  if (r != 0) return -1;
  if (got < take) return -2;
  const uint64_t rest = n - take;
  if (rest == 0) return 0;
  if (rest > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) return -3;
  return Seek(static_cast<int64_t>(rest), SeekFrom::Current) == 0 ? 0 : -3;
}

int FileReader::FindMarkerBack(uint32_t value, int width, int64_t from, int64_t lowerBound,
                               uint64_t limit, uint32_t chunk) {
  if (from <= lowerBound) return -3;
  const uint64_t avail = static_cast<uint64_t>(from - lowerBound);
  const int64_t bottom = from - static_cast<int64_t>(std::min(limit, avail));
  const uint32_t mask = width == 4 ? 0xFFFFFFFFu : 0xFFFFu;
  uint8_t buf[kMarkerChunk];
  uint32_t window = 0;
  int filled = 0;
  int64_t pos = from;
  while (pos > bottom) {
    const uint32_t n = static_cast<uint32_t>(std::min<int64_t>(chunk, pos - bottom));
    pos -= n;
    if (Seek(pos) != 0) return -1;
    if (ReadExact(buf, n) != 0) return -2;
    // Moving one byte towards the start, the new byte becomes the low byte of
    // the little-endian window and the highest byte drops out.
    for (uint32_t i = n; i > 0; --i) {
      window = ((window << 8) | buf[i - 1]) & mask;
      if (filled < width) ++filled;
      if (filled == width && window == value) {
        return Seek(pos + (i - 1) + width) == 0 ? 0 : -4;
      }
    }
  }
  return -3;
}

int FileReader::FindMarker32Back(uint32_t value, uint64_t limit) {
  int64_t size = 0;
  if (Size(&size) != 0) return -1;
  return FindMarkerBack(value, 4, size, 0, limit, kMarkerChunk);
}

int FileReader::FindMarker16Back(uint16_t value, int64_t from, int64_t lowerBound, uint64_t limit) {
  int64_t size = 0;
  if (Size(&size) != 0) return -1;
  if (from > size) from = size;
  if (lowerBound < 0) lowerBound = 0;
  return FindMarkerBack(value, 2, from, lowerBound, limit, kMarker16Chunk);
}

namespace {

bool IsEol(char c) { return c == '\r' || c == '\n'; }

void AppendCapped(std::string* line, const char* p, size_t n) {
  const size_t room = FileReader::kMaxLine - std::min(line->size(), FileReader::kMaxLine);
  line->append(p, std::min(n, room));
}

}  // namespace

int FileReader::ReadLine(std::string* line) {
  line->clear();
  char buf[kLineChunk];
  bool readAny = false;
  for (;;) {
    uint32_t got = kLineChunk;
    if (ReadUpTo(buf, &got) != 0) return -1;
    if (got == 0) return readAny ? 0 : -2;
    readAny = true;
    uint32_t t = 0;
    while (t < got && !IsEol(buf[t])) ++t;
    AppendCapped(line, buf, t);
    if (t == got) continue;
    uint32_t after = t + 1;
    if (buf[t] == '\r') {
      if (after < got) {
        if (buf[after] == '\n') ++after;
      } else {
        // The CR ends the chunk: peek one byte to see whether an LF follows.
        char next = 0;
        uint32_t one = 1;
        if (ReadUpTo(&next, &one) != 0) return -1;
        if (one == 1 && next != '\n' && Seek(-1, SeekFrom::Current) != 0) return -3;
        return 0;
      }
    }
    if (after < got && Seek(-static_cast<int64_t>(got - after), SeekFrom::Current) != 0) return -3;
    return 0;
  }
}

int FileReader::ReadLineBack(std::string* line) {
  line->clear();
  const int64_t end = Tell();
  if (end < 0) return -3;
  if (end == 0) return -2;
  char buf[kLineChunk];
  int64_t lineEnd = end;
  int64_t lineStart = 0;
  int64_t pos = end;
  bool first = true;
  while (pos > 0) {
    const uint32_t n = static_cast<uint32_t>(std::min<int64_t>(kLineChunk, pos));
    pos -= n;
    if (Seek(pos) != 0) return -3;
    if (ReadExact(buf, n) != 0) return -1;
    uint32_t i = n;
    if (first) {
      // The terminator of the line itself. A chunk holds at least two bytes
      // unless the file position was 1, so a CR LF is never split here.
      first = false;
      if (buf[i - 1] == '\n') {
        --i;
        if (i > 0 && buf[i - 1] == '\r') --i;
      } else if (buf[i - 1] == '\r') {
        --i;
      }
      lineEnd = pos + i;
    }
    while (i > 0 && !IsEol(buf[i - 1])) --i;
    if (i > 0) {
      lineStart = pos + i;
      break;
    }
  }
  // The scan only located the line; read what is kept of it in one call.
  const int64_t len = lineEnd - lineStart;
  const uint32_t keep = static_cast<uint32_t>(std::min<int64_t>(len, static_cast<int64_t>(kMaxLine)));
  if (Seek(lineStart) != 0) return -3;
  if (keep > 0) {
    line->assign(keep, '\0');
    if (ReadExact(&(*line)[0], keep) != 0) {
      line->clear();
      return -1;
    }
    if (Seek(lineStart) != 0) return -3;
  }
  return 0;
}

namespace {

// Reads `width` bytes from the file and decodes them through a CBufReader.
template <class T, class Decode>
int ReadInt(FileReader* r, int width, T* v, Decode decode) {
  uint8_t b[4];
  *v = 0;
  if (int e = r->ReadExact(b, static_cast<uint32_t>(width))) return e;
  CBufReader br(b, static_cast<size_t>(width));
  return (br.*decode)(v);
}

}  // namespace

int FileReader::ReadU16LE(uint16_t* v) { return ReadInt(this, 2, v, &CBufReader::U16LE); }
int FileReader::ReadU16BE(uint16_t* v) { return ReadInt(this, 2, v, &CBufReader::U16BE); }
int FileReader::ReadU32LE(uint32_t* v) { return ReadInt(this, 4, v, &CBufReader::U32LE); }
int FileReader::ReadU32BE(uint32_t* v) { return ReadInt(this, 4, v, &CBufReader::U32BE); }

int CBufReader::Bytes(void* out, size_t n) {
  if (!Has(n)) return -1;
  uint8_t* o = static_cast<uint8_t*>(out);
  for (size_t i = 0; i < n; ++i) o[i] = data_[pos_ + i];
  pos_ += n;
  return 0;
}

CBufReader CBufReader::Sub(size_t n) {
  if (!Has(n)) return CBufReader(data_, 0);
  CBufReader sub(data_ + pos_, n);
  pos_ += n;
  return sub;
}

int CBufReader::Load(size_t at, int width, bool bigEndian, uint64_t* v) const {
  *v = 0;
  const size_t w = static_cast<size_t>(width);
  if (at > size_ || w > size_ - at) return -1;
  uint64_t r = 0;
  for (size_t i = 0; i < w; ++i) {
    const uint64_t b = data_[at + i];
    r |= bigEndian ? b << (8 * (w - 1 - i)) : b << (8 * i);
  }
  *v = r;
  return 0;
}

int CBufReader::Take(int width, bool bigEndian, uint64_t* v) {
  if (Load(pos_, width, bigEndian, v) != 0) return -1;
  pos_ += static_cast<size_t>(width);
  return 0;
}

namespace {

// Runs a wide read and narrows its value; *v is 0 when the read failed.
template <class T, class Read>
int Narrow(T* v, Read read) {
  uint64_t wide = 0;
  const int r = read(&wide);
  *v = static_cast<T>(wide);
  return r;
}

}  // namespace

int CBufReader::U8(uint8_t* v) {
  return Narrow(v, [this](uint64_t* w) { return Take(1, false, w); });
}
int CBufReader::U16LE(uint16_t* v) {
  return Narrow(v, [this](uint64_t* w) { return Take(2, false, w); });
}
int CBufReader::U16BE(uint16_t* v) {
  return Narrow(v, [this](uint64_t* w) { return Take(2, true, w); });
}
int CBufReader::U32LE(uint32_t* v) {
  return Narrow(v, [this](uint64_t* w) { return Take(4, false, w); });
}
int CBufReader::U32BE(uint32_t* v) {
  return Narrow(v, [this](uint64_t* w) { return Take(4, true, w); });
}
int CBufReader::U64LE(uint64_t* v) { return Take(8, false, v); }
int CBufReader::U64BE(uint64_t* v) { return Take(8, true, v); }

int CBufReader::PeekU16LE(size_t at, uint16_t* v) const {
  return Narrow(v, [&](uint64_t* w) { return Load(at, 2, false, w); });
}
int CBufReader::PeekU16BE(size_t at, uint16_t* v) const {
  return Narrow(v, [&](uint64_t* w) { return Load(at, 2, true, w); });
}
int CBufReader::PeekU32LE(size_t at, uint32_t* v) const {
  return Narrow(v, [&](uint64_t* w) { return Load(at, 4, false, w); });
}
int CBufReader::PeekU32BE(size_t at, uint32_t* v) const {
  return Narrow(v, [&](uint64_t* w) { return Load(at, 4, true, w); });
}
int CBufReader::PeekU64BE(size_t at, uint64_t* v) const { return Load(at, 8, true, v); }
