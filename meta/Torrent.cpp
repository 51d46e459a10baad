#include "meta/Torrent.h"

#include <cstdint>
#include <limits>

#include "files/Formats.h"
#include "os/LocalTime.h"

namespace {

constexpr uint32_t kMaxBytes = 2 * 1024 * 1024;
constexpr int64_t kMinBytes = 100;
// Dictionaries and lists nest at most this deep; real files use three or
// four levels, and recursion over a crafted file must not exhaust the stack.
constexpr int kMaxDepth = 32;

// A bencode cursor: strings, integers, and skipping any value.
class CBencode {
 public:
  explicit CBencode(const std::string& bytes) : r_(bytes.data(), bytes.size()) {}

  bool Peek(char c) const { return r_.Has(1) && Byte() == c; }
  bool Take(char c) {
    if (!Peek(c)) return false;
    r_.Skip(1);
    return true;
  }
  bool AtEnd() const { return !r_.Has(1); }

  // A string "<length>:<bytes>", at most cap bytes of it kept. -1 malformed.
  int String(std::string* out, size_t cap) {
    uint64_t length = 0;
    if (Digits(&length) != 0 || !Take(':')) return -1;
    if (length > r_.Remaining()) return -1;
    const size_t n = static_cast<size_t>(length);
    out->resize(n < cap ? n : cap);
    if (r_.Bytes(&(*out)[0], out->size()) != 0) return -1;
    return r_.Skip(n - out->size());
  }

  // An integer "i<digits>e", optionally negative. -1 malformed or too large.
  int Integer(int64_t* v) {
    if (!Take('i')) return -1;
    const bool negative = Take('-');
    uint64_t magnitude = 0;
    if (Digits(&magnitude) != 0 || !Take('e')) return -1;
    if (magnitude > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) return -1;
    *v = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return 0;
  }

  // Skips one value of any kind. -1 malformed, -3 nested too deep.
  int Skip(int depth) {
    if (depth > kMaxDepth) return -3;
    if (Peek('i')) {
      int64_t unused = 0;
      return Integer(&unused);
    }
    if (Take('l') || Take('d')) {
      while (!Take('e')) {
        if (AtEnd()) return -1;
        const int r = Skip(depth + 1);
        if (r != 0) return r;
      }
      return 0;
    }
    std::string unused;
    return String(&unused, 0);
  }

 private:
  char Byte() const {
    uint8_t b = 0;
    CBufReader peek = r_;
    peek.U8(&b);
    return static_cast<char>(b);
  }

  // One or more decimal digits. -1 when none, or the value passes 2^63.
  int Digits(uint64_t* v) {
    *v = 0;
    int count = 0;
    while (!AtEnd() && Byte() >= '0' && Byte() <= '9') {
      const uint64_t digit = static_cast<uint64_t>(Byte() - '0');
      if (*v > (static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) - digit) / 10) return -1;
      *v = *v * 10 + digit;
      r_.Skip(1);
      ++count;
    }
    return count > 0 ? 0 : -1;
  }

  CBufReader r_;
};

// Sums the "length" of every dictionary of the "files" list.
int ReadFileList(CBencode& b, int64_t* total, int64_t* count) {
  if (!b.Take('l')) return b.Skip(2);
  while (!b.Take('e')) {
    if (b.AtEnd()) return -1;
    if (!b.Take('d')) {
      const int r = b.Skip(3);
      if (r != 0) return r;
      continue;
    }
    ++*count;
    while (!b.Take('e')) {
      std::string key;
      if (b.AtEnd() || b.String(&key, MetaExtractor::kTextMax) != 0) return -1;
      int64_t length = 0;
      if (key == "length" && b.Peek('i')) {
        if (b.Integer(&length) != 0) return -1;
        if (length > 0 && *total <= std::numeric_limits<int64_t>::max() - length) *total += length;
        continue;
      }
      const int r = b.Skip(4);
      if (r != 0) return r;
    }
  }
  return 0;
}

int ReadInfo(MetaExtractor& x, CBencode& b) {
  if (!b.Take('d')) return b.Skip(1);
  int64_t total = 0;
  int64_t count = 0;
  bool sized = false;
  int r = 0;
  while (r == 0 && !b.Take('e')) {
    std::string key;
    if (b.AtEnd() || b.String(&key, MetaExtractor::kTextMax) != 0) {
      r = -1;
      break;
    }
    if (key == "name" && !b.Peek('i') && !b.Peek('l') && !b.Peek('d')) {
      std::string name;
      r = b.String(&name, MetaExtractor::kTextMax);
      if (r == 0) x.SetText(kItemOt, name);
    } else if (key == "length" && b.Peek('i')) {
      int64_t length = 0;
      r = b.Integer(&length);
      if (r == 0 && length >= 0) {
        total = length;
        count = 1;
        sized = true;
      }
    } else if (key == "files") {
      r = ReadFileList(b, &total, &count);
      sized = r == 0;
    } else {
      r = b.Skip(2);
    }
  }
  if (sized) {
    const CMetaOptions& o = x.Options();
    x.SetInt(kItemOC, total, FormatTaille(static_cast<uint64_t>(total), o.sizeInBytes ? 'b' : 0, o.units));
    x.SetInt(kItemOP, count, FormatTexte(o.fileCountFormat, {count, count > 1 ? "s" : ""}));
  }
  return r;
}

}  // namespace

int ReadTorrentBytes(MetaExtractor& x, const std::string& bytes) {
  CBencode b(bytes);
  if (!b.Take('d')) return -2;
  x.encoding = CTextEncoding::Utf8;
  while (!b.Take('e')) {
    std::string key;
    if (b.AtEnd() || b.String(&key, MetaExtractor::kTextMax) != 0) return -1;
    const bool isString = !b.Peek('i') && !b.Peek('l') && !b.Peek('d');
    int item = -1;
    if (key == "announce") item = kItemOu;
    if (key == "created by") item = kItemOa;
    if (key == "comment") item = kItemOc;
    int r = 0;
    if (item >= 0 && isString) {
      std::string value;
      r = b.String(&value, MetaExtractor::kTextMax);
      if (r == 0) x.SetText(item, value);
    } else if (key == "creation date" && b.Peek('i')) {
      int64_t seconds = 0;
      r = b.Integer(&seconds);
      const int64_t maxSeconds = static_cast<int64_t>(kFileTimeMax / kFileTimeTicksPerSecond) - kSecondsFrom1601To1970;
      if (r == 0 && seconds >= 0 && seconds <= maxSeconds) {
        x.SetDate(kItemOn, static_cast<uint64_t>(seconds + kSecondsFrom1601To1970) * kFileTimeTicksPerSecond);
      }
    } else if (key == "info") {
      r = ReadInfo(x, b);
    } else {
      r = b.Skip(1);
    }
    if (r != 0) return r;
  }
  return 0;
}

int ReadTorrentFile(MetaExtractor& x, const std::string& path) {
  FileReader& f = x.File();
  int64_t size = 0;
  std::string bytes;
  if (f.OpenRead(path) != 0 || f.Size(&size) != 0) {
    f.Close();
    return -5;
  }
  if (size <= kMinBytes) {
    f.Close();
    return -2;
  }
  const int read = f.ReadCapped(&bytes, static_cast<uint64_t>(size), kMaxBytes);
  f.Close();
  if (read == -1) return -5;
  return ReadTorrentBytes(x, bytes);
}
