#include "meta/CompoundFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kNoEntry = 0xFFFFFFFF;
constexpr uint32_t kHeaderDifat = 109;
constexpr uint32_t kEntryBytes = 128;
// Files past this size are not checked sector by sector (their tables alone
// would take more memory than a load should); the system reads them as is.
constexpr int64_t kMaxChecked = int64_t{1} << 31;
// Longest summary information stream read; real ones hold a few kilobytes
// (a thumbnail at most).
constexpr uint32_t kMaxSummary = 4 * 1024 * 1024;

// Property types a summary information set may hold: scalars, strings,
// dates and blobs. Arrays and vectors are refused, and so is any type the
// system's reader would have to guess at.
bool KnownScalarType(uint32_t type) {
  switch (type) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 10: case 11: case 16: case 17:
    case 18: case 19: case 20: case 21: case 22: case 23: case 30: case 31: case 64: case 65: case 71: case 72:
      return true;
    default:
      return false;
  }
}

// Checks the property set stream: its header, the first section's bounds,
// every property's offset and type, and that each string, blob, clipboard
// value and dictionary entry has a length its reader can take (at least
// its terminator) inside the section. -1 when anything is out of place.
int CheckPropertySet(const std::vector<uint8_t>& stream) {
  CBufReader r(stream.data(), stream.size());
  uint16_t order = 0;
  uint32_t sections = 0;
  uint32_t sectionAt = 0;
  if (r.PeekU16LE(0, &order) != 0 || order != 0xFFFE) return -1;
  if (r.PeekU32LE(24, &sections) != 0 || sections == 0 || r.PeekU32LE(44, &sectionAt) != 0) return -1;
  uint32_t sectionBytes = 0;
  uint32_t count = 0;
  if (r.PeekU32LE(sectionAt, &sectionBytes) != 0 || sectionBytes < 8 || sectionBytes > stream.size() - sectionAt) {
    return -1;
  }
  CBufReader sec(stream.data() + sectionAt, sectionBytes);
  if (sec.PeekU32LE(4, &count) != 0 || count > (sectionBytes - 8) / 8) return -1;
  // The code page first: strings of the Unicode page hold two bytes a unit.
  bool unicode = false;
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t id = 0, at = 0, type = 0;
    uint16_t page = 0;
    sec.PeekU32LE(8 + 8 * i, &id);
    sec.PeekU32LE(12 + 8 * i, &at);
    if (id == 1 && sec.PeekU32LE(at, &type) == 0 && (type & 0xFFFF) == 2 && sec.PeekU16LE(at + 4ull, &page) == 0) {
      unicode = page == 1200;
    }
  }
  // Bytes of a length-prefixed value at `at`: the length must be at least
  // `least` and what it counts must lie inside the section.
  auto fits = [&](uint32_t at, uint64_t unit, uint32_t least) {
    uint32_t n = 0;
    if (sec.PeekU32LE(at, &n) != 0 || n < least) return false;
    return uint64_t{n} * unit <= sectionBytes - at - 4ull;
  };
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t id = 0;
    uint32_t at = 0;
    uint32_t type = 0;
    sec.PeekU32LE(8 + 8 * i, &id);
    sec.PeekU32LE(12 + 8 * i, &at);
    if (at < 8 || at > sectionBytes - 4) return -1;
    if (id == 0) {
      // The dictionary: entries of an id and a name with its terminator.
      uint32_t entries = 0;
      sec.PeekU32LE(at, &entries);
      uint64_t p = at + 4ull;
      for (uint32_t e = 0; e < entries; ++e) {
        if (p > sectionBytes - 8ull || !fits(static_cast<uint32_t>(p + 4), unicode ? 2 : 1, 1)) return -1;
        uint32_t n = 0;
        sec.PeekU32LE(static_cast<size_t>(p + 4), &n);
        p += 8ull + uint64_t{n} * (unicode ? 2 : 1);
        if (unicode && p % 4) p += 4 - p % 4;
      }
      continue;
    }
    sec.PeekU32LE(at, &type);
    if (!KnownScalarType(type & 0xFFFF)) return -1;
    const uint32_t t = type & 0xFFFF;
    const uint32_t value = at + 4;
    bool ok = true;
    if (t == 30) ok = fits(value, 1, unicode ? 2 : 1) && (!unicode || sec.PeekU32LE(value, &type) != 0 || type % 2 == 0);
    if (t == 8) ok = fits(value, 1, 1);
    if (t == 31) ok = fits(value, 2, 1);
    if (t == 65) ok = fits(value, 1, 0);
    if (t == 71) {
      // A clipboard value of at most 8 bytes is skipped by the reader; one of
      // 9 to 11 would make it take a negative length.
      uint32_t n = 0;
      ok = fits(value, 1, 0) && sec.PeekU32LE(value, &n) == 0 && (n <= 8 || n >= 12);
    }
    if (!ok) return -1;
  }
  return 0;
}

class CCompound {
 public:
  explicit CCompound(FileReader& f) : f_(f) {}

  int Check() {
    int64_t size = 0;
    uint8_t h[512];
    if (f_.Size(&size) != 0 || f_.Seek(0) != 0) return -1;
    if (size < 512 || f_.ReadExact(h, sizeof h) != 0) return -2;
    static const uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    CBufReader r(h, sizeof h);
    for (size_t i = 0; i < 8; ++i) {
      if (h[i] != kSignature[i]) return -2;
    }
    uint16_t shift = 0;
    uint32_t fatSectors = 0, dirStart = 0, miniCutoff = 0, miniFatStart = 0, difatStart = 0, difatCount = 0;
    r.PeekU16LE(0x1E, &shift);
    r.PeekU32LE(0x2C, &fatSectors);
    r.PeekU32LE(0x30, &dirStart);
    r.PeekU32LE(0x38, &miniCutoff);
    r.PeekU32LE(0x3C, &miniFatStart);
    r.PeekU32LE(0x44, &difatStart);
    r.PeekU32LE(0x48, &difatCount);
    if (shift != 9 && shift != 12) return -2;
    if (size > kMaxChecked) return 0;
    sectorBytes_ = uint32_t{1} << shift;
    if (size < sectorBytes_) return -2;
    sectors_ = static_cast<uint32_t>((size - sectorBytes_ + sectorBytes_ - 1) / sectorBytes_);
    if (fatSectors > sectors_) return -3;
    // The sectors of the allocation table: 109 in the header, the rest in
    // the DIFAT chain.
    std::vector<uint32_t> fatList;
    for (uint32_t i = 0; i < kHeaderDifat && fatList.size() < fatSectors; ++i) {
      uint32_t s = 0;
      r.PeekU32LE(0x4C + 4 * i, &s);
      fatList.push_back(s);
    }
    std::vector<bool> seenDifat(sectors_, false);
    const uint32_t perDifat = sectorBytes_ / 4 - 1;
    for (uint32_t d = difatStart, n = 0; fatList.size() < fatSectors; ++n) {
      if (d >= sectors_ || seenDifat[d] || n >= difatCount) return -3;
      seenDifat[d] = true;
      std::vector<uint8_t> sector;
      if (ReadSector(d, &sector) != 0) return -1;
      CBufReader s(sector.data(), sector.size());
      for (uint32_t i = 0; i < perDifat && fatList.size() < fatSectors; ++i) {
        uint32_t v = 0;
        s.PeekU32LE(4 * i, &v);
        fatList.push_back(v);
      }
      s.PeekU32LE(4 * perDifat, &d);
    }
    for (const uint32_t s : fatList) {
      if (s >= sectors_) return -3;
      std::vector<uint8_t> sector;
      if (ReadSector(s, &sector) != 0) return -1;
      AppendU32(sector, &fat_);
    }
    // The directory, its tree, and the summary information stream.
    std::vector<uint32_t> dirChain;
    if (Chain(fat_, dirStart, sectors_, &dirChain) != 0) return -3;
    std::vector<uint8_t> dir;
    for (const uint32_t s : dirChain) {
      std::vector<uint8_t> sector;
      if (ReadSector(s, &sector) != 0) return -1;
      dir.insert(dir.end(), sector.begin(), sector.end());
    }
    const uint32_t entries = static_cast<uint32_t>(dir.size() / kEntryBytes);
    if (entries == 0) return -3;
    CBufReader d(dir.data(), dir.size());
    uint32_t rootChild = 0;
    d.PeekU32LE(0x4C, &rootChild);
    if (Tree(d, entries) != 0) return -3;
    const uint32_t summary = FindSummary(d, entries, rootChild);
    if (summary == kNoEntry) return -4;
    uint32_t start = 0;
    uint32_t length = 0;
    d.PeekU32LE(summary * kEntryBytes + 0x74, &start);
    d.PeekU32LE(summary * kEntryBytes + 0x78, &length);
    if (length > kMaxSummary) return -3;
    std::vector<uint32_t> chain;
    std::vector<uint8_t> stream;
    if (length >= miniCutoff) {
      if (Chain(fat_, start, sectors_, &chain) != 0) return -3;
      for (const uint32_t s : chain) {
        std::vector<uint8_t> sector;
        if (ReadSector(s, &sector) != 0) return -1;
        stream.insert(stream.end(), sector.begin(), sector.end());
      }
    } else {
      // A small stream lies in the mini stream, itself held by the root entry.
      uint32_t miniStreamStart = 0;
      d.PeekU32LE(0x74, &miniStreamStart);
      std::vector<uint32_t> miniStream;
      std::vector<uint32_t> miniFatChain;
      if (Chain(fat_, miniStreamStart, sectors_, &miniStream) != 0) return -3;
      if (Chain(fat_, miniFatStart, sectors_, &miniFatChain) != 0) return -3;
      std::vector<uint32_t> miniFat;
      for (const uint32_t s : miniFatChain) {
        std::vector<uint8_t> sector;
        if (ReadSector(s, &sector) != 0) return -1;
        AppendU32(sector, &miniFat);
      }
      const uint32_t perSector = sectorBytes_ / 64;
      const uint64_t miniSectors = static_cast<uint64_t>(miniStream.size()) * perSector;
      if (Chain(miniFat, start, static_cast<uint32_t>(miniSectors < kNoEntry ? miniSectors : kNoEntry - 1), &chain) != 0) {
        return -3;
      }
      for (const uint32_t m : chain) {
        std::vector<uint8_t> sector;
        if (ReadSector(miniStream[m / perSector], &sector) != 0) return -1;
        const size_t at = (m % perSector) * 64;
        stream.insert(stream.end(), sector.begin() + static_cast<std::ptrdiff_t>(at),
                      sector.begin() + static_cast<std::ptrdiff_t>(at + 64));
      }
    }
    if (stream.size() < length) return -3;
    stream.resize(length);
    return CheckPropertySet(stream) == 0 ? 0 : -5;
  }

 private:
  int ReadSector(uint32_t s, std::vector<uint8_t>* out) {
    out->assign(sectorBytes_, 0);
    const int64_t at = (static_cast<int64_t>(s) + 1) * sectorBytes_;
    if (f_.Seek(at) != 0) return -1;
    uint32_t n = sectorBytes_;
    // The last sector may be short; what is missing reads as zeros.
    return f_.ReadUpTo(out->data(), &n) == 0 ? 0 : -1;
  }

  static void AppendU32(const std::vector<uint8_t>& bytes, std::vector<uint32_t>* out) {
    CBufReader r(bytes.data(), bytes.size());
    uint32_t v = 0;
    while (r.U32LE(&v) == 0) out->push_back(v);
  }

  // Follows a chain from start to its end mark; -1 when a link leaves the
  // table or the sectors, or comes back to a sector already in the chain.
  static int Chain(const std::vector<uint32_t>& table, uint32_t start, uint32_t count, std::vector<uint32_t>* out) {
    std::vector<bool> seen(count, false);
    for (uint32_t s = start; s != kEndOfChain;) {
      if (s >= count || s >= table.size() || seen[s]) return -1;
      seen[s] = true;
      out->push_back(s);
      s = table[s];
    }
    return 0;
  }

  // Every entry reachable from the root through left, right and child links
  // is reached once: a link outside the directory or back to an entry seen
  // before makes the tree unsound.
  static int Tree(const CBufReader& d, uint32_t entries) {
    std::vector<bool> seen(entries, false);
    std::vector<uint32_t> todo = {0};
    seen[0] = true;
    while (!todo.empty()) {
      const uint32_t e = todo.back();
      todo.pop_back();
      for (const uint32_t field : {0x44u, 0x48u, 0x4Cu}) {
        uint32_t next = kNoEntry;
        d.PeekU32LE(e * kEntryBytes + field, &next);
        if (next == kNoEntry) continue;
        if (next >= entries || seen[next]) return -1;
        seen[next] = true;
        todo.push_back(next);
      }
    }
    return 0;
  }

  // The stream named "\005SummaryInformation" among the root's children.
  static uint32_t FindSummary(const CBufReader& d, uint32_t entries, uint32_t child) {
    static const char kName[] = "\005SummaryInformation";
    std::vector<uint32_t> todo;
    if (child != kNoEntry) todo.push_back(child);
    while (!todo.empty()) {
      const uint32_t e = todo.back();
      todo.pop_back();
      if (e >= entries) continue;
      const size_t base = static_cast<size_t>(e) * kEntryBytes;
      uint16_t nameBytes = 0;
      d.PeekU16LE(base + 0x40, &nameBytes);
      bool same = nameBytes == 2 * sizeof kName;
      for (size_t i = 0; same && i < sizeof kName; ++i) {
        uint16_t unit = 0;
        d.PeekU16LE(base + 2 * i, &unit);
        same = unit == static_cast<uint8_t>(kName[i]);
      }
      if (same) return e;
      for (const uint32_t field : {0x44u, 0x48u}) {
        uint32_t next = kNoEntry;
        d.PeekU32LE(base + field, &next);
        if (next != kNoEntry) todo.push_back(next);
      }
    }
    return kNoEntry;
  }

  FileReader& f_;
  uint32_t sectorBytes_ = 512;
  uint32_t sectors_ = 0;
  std::vector<uint32_t> fat_;
};

}  // namespace

int CheckCompoundFile(FileReader& f) { return CCompound(f).Check(); }
