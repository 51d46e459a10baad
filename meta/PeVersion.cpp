#include "meta/PeVersion.h"

#include <initializer_list>
#include <vector>

namespace {

constexpr uint32_t kResourceType = 16;  // RT_VERSION
constexpr uint32_t kResourceName = 1;   // VS_VERSION_INFO
constexpr uint32_t kMaxResource = 1 << 20;

struct CSection {
  uint32_t virtualAddress;
  uint32_t virtualSize;
  uint32_t rawSize;
  uint32_t rawOffset;
};

class CPeImage {
 public:
  explicit CPeImage(FileReader& f) : f_(f) {}

  int Find(uint32_t* offset, uint32_t* size) {
    uint8_t dos[64];
    if (f_.Seek(0) != 0 || f_.ReadExact(dos, sizeof dos) != 0) return -3;
    CBufReader d(dos, sizeof dos);
    uint16_t mz = 0;
    uint32_t peAt = 0;
    if (d.U16LE(&mz) || mz != 0x5A4D || d.PeekU32LE(0x3C, &peAt)) return -3;
    // Signature, file header, optional header up to its data directories,
    // and the first three of those (the third locates the resources).
    uint8_t head[4 + 20 + 112 + 3 * 8];
    if (f_.Seek(peAt) != 0 || f_.ReadExact(head, sizeof head) != 0) return -3;
    CBufReader h(head, sizeof head);
    uint32_t signature = 0;
    uint16_t sections = 0, optionalSize = 0, magic = 0;
    if (h.U32LE(&signature) || signature != 0x00004550 || h.PeekU16LE(6, &sections) ||
        h.PeekU16LE(20, &optionalSize) || h.PeekU16LE(24, &magic)) {
      return -3;
    }
    // The data directories follow the fixed part of the optional header,
    // whose length depends on the word size.
    const uint32_t directoriesAt = magic == 0x10B ? 96 : magic == 0x20B ? 112 : 0;
    if (directoriesAt == 0) return -3;
    uint32_t directoryCount = 0, resourceRva = 0;
    h.PeekU32LE(24 + directoriesAt - 4, &directoryCount);
    h.PeekU32LE(24 + directoriesAt + 2 * 8, &resourceRva);
    if (directoryCount < 3 || optionalSize < directoriesAt + 3 * 8 || resourceRva == 0) return -2;
    if (ReadSections(static_cast<int64_t>(peAt) + 24 + optionalSize, sections) != 0) return -1;
    if (ToFileOffset(resourceRva, &root_) != 0) return -2;
    // Type, then name, then language.
    uint32_t at = 0;
    if (Child(0, {kResourceType}, true, &at) != 0 || Child(at, {kResourceName}, true, &at) != 0 ||
        Child(at, {0, 0x0409, kAny}, false, &at) != 0) {
      return -2;
    }
    uint8_t entry[8];
    uint32_t dataRva = 0, dataSize = 0;
    if (f_.Seek(static_cast<int64_t>(root_) + at) != 0 || f_.ReadExact(entry, sizeof entry) != 0) return -2;
    CBufReader e(entry, sizeof entry);
    e.U32LE(&dataRva);
    e.U32LE(&dataSize);
    if (dataSize == 0 || dataSize > kMaxResource || ToFileOffset(dataRva, offset) != 0) return -2;
    *size = dataSize;
    return 0;
  }

 private:
  static constexpr uint32_t kAny = 0xFFFFFFFF;

  int ReadSections(int64_t at, uint16_t count) {
    if (count == 0) return 0;
    std::vector<uint8_t> table(static_cast<size_t>(count) * 40);
    if (f_.Seek(at) != 0 || f_.ReadExact(table.data(), static_cast<uint32_t>(table.size())) != 0) return -1;
    CBufReader t(table.data(), table.size());
    for (uint16_t i = 0; i < count; ++i) {
      CSection s{};
      const size_t base = static_cast<size_t>(i) * 40;
      t.PeekU32LE(base + 8, &s.virtualSize);
      t.PeekU32LE(base + 12, &s.virtualAddress);
      t.PeekU32LE(base + 16, &s.rawSize);
      t.PeekU32LE(base + 20, &s.rawOffset);
      sections_.push_back(s);
    }
    return 0;
  }

  // The file offset of an address of the loaded image, when a section's raw
  // data holds it.
  int ToFileOffset(uint32_t rva, uint32_t* offset) const {
    for (const CSection& s : sections_) {
      if (rva < s.virtualAddress) continue;
      const uint32_t into = rva - s.virtualAddress;
      if (into >= s.rawSize) continue;
      const uint64_t at = static_cast<uint64_t>(s.rawOffset) + into;
      if (at > UINT32_MAX) return -1;
      *offset = static_cast<uint32_t>(at);
      return 0;
    }
    return -1;
  }

  // In the directory at `dir` (relative to the resource root), the entry of
  // the first of `ids` present (kAny: the first entry), which must lead to a
  // directory or to a data entry as `directory` says; *next is where it
  // points, relative to the root.
  int Child(uint32_t dir, std::initializer_list<uint32_t> ids, bool directory, uint32_t* next) {
    uint8_t head[16];
    if (f_.Seek(static_cast<int64_t>(root_) + dir) != 0 || f_.ReadExact(head, sizeof head) != 0) return -1;
    uint16_t named = 0, numbered = 0;
    CBufReader h(head, sizeof head);
    h.PeekU16LE(12, &named);
    h.PeekU16LE(14, &numbered);
    const uint32_t count = static_cast<uint32_t>(named) + numbered;
    if (count == 0) return -1;
    std::vector<uint8_t> entries(static_cast<size_t>(count) * 8);
    if (f_.ReadExact(entries.data(), static_cast<uint32_t>(entries.size())) != 0) return -1;
    CBufReader e(entries.data(), entries.size());
    for (uint32_t want : ids) {
      for (uint32_t i = 0; i < count; ++i) {
        uint32_t id = 0, target = 0;
        e.PeekU32LE(i * 8, &id);
        e.PeekU32LE(i * 8 + 4, &target);
        // Named entries (top bit set) never match a numeric id.
        if (want != kAny && ((id & 0x80000000u) != 0 || id != want)) continue;
        if (((target & 0x80000000u) != 0) != directory) return -1;
        *next = target & 0x7FFFFFFFu;
        return 0;
      }
    }
    return -1;
  }

  FileReader& f_;
  std::vector<CSection> sections_;
  uint32_t root_ = 0;
};

}  // namespace

int FindPeVersionResource(FileReader& f, uint32_t* offset, uint32_t* size) {
  return CPeImage(f).Find(offset, size);
}
