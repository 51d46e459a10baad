#include "meta/Asf.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "meta/Codecs.h"
#include "os/AnsiCase.h"

namespace {

// Longest header read; a header holding a larger attached picture is read
// as far as this.
constexpr uint32_t kMaxHeader = 4 * 1024 * 1024;
constexpr size_t kPictureExamined = 512;

// GUIDs as stored (the first three fields little-endian).
struct CGuid {
  uint8_t b[16];
};
constexpr CGuid Guid(uint32_t a, uint16_t b, uint16_t c, uint16_t d, uint64_t e) {
  return {{static_cast<uint8_t>(a), static_cast<uint8_t>(a >> 8), static_cast<uint8_t>(a >> 16),
           static_cast<uint8_t>(a >> 24), static_cast<uint8_t>(b), static_cast<uint8_t>(b >> 8),
           static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(d >> 8),
           static_cast<uint8_t>(d), static_cast<uint8_t>(e >> 40), static_cast<uint8_t>(e >> 32),
           static_cast<uint8_t>(e >> 24), static_cast<uint8_t>(e >> 16), static_cast<uint8_t>(e >> 8),
           static_cast<uint8_t>(e)}};
}
constexpr CGuid kHeader = Guid(0x75B22630, 0x668E, 0x11CF, 0xA6D9, 0x00AA0062CE6C);
constexpr CGuid kFileProperties = Guid(0x8CABDCA1, 0xA947, 0x11CF, 0x8EE4, 0x00C00C205365);
constexpr CGuid kContent = Guid(0x75B22633, 0x668E, 0x11CF, 0xA6D9, 0x00AA0062CE6C);
constexpr CGuid kExtendedContent = Guid(0xD2D0A440, 0xE307, 0x11D2, 0x97F0, 0x00A0C95EA850);
constexpr CGuid kHeaderExtension = Guid(0x5FBF03B5, 0xA92E, 0x11CF, 0x8EE3, 0x00C00C205365);
constexpr CGuid kMetadataLibrary = Guid(0x44231C94, 0x9498, 0x49D1, 0xA141, 0x1D134E457054);
constexpr CGuid kStreamProperties = Guid(0xB7DC0791, 0xA9B7, 0x11CF, 0x8EE6, 0x00C00C205365);
constexpr CGuid kAudioStream = Guid(0xF8699E40, 0x5B4D, 0x11CF, 0xA8FD, 0x00805F5C442B);
constexpr CGuid kVideoStream = Guid(0xBC19EFC0, 0x5B4D, 0x11CF, 0xA8FD, 0x00805F5C442B);
constexpr CGuid kCodecList = Guid(0x86D15240, 0x311D, 0x11D0, 0xA3A4, 0x00A0C90348F6);

bool Same(const uint8_t* at, const CGuid& g) { return std::memcmp(at, g.b, 16) == 0; }

struct CName {
  const char* name;
  int audio;  // -1: ignored
  int video;
};
const CName kNames[] = {{"WM/ALBUMTITLE", kItemAA, -1},    {"WM/COMPOSER", kItemAp, -1},
                        {"ID3/TCOM", kItemAp, -1},         {"WM/GENREID", kItemAg, kItemVg},
                        {"WM/GENRE", kItemAg, kItemVg},    {"WM/ENCODEDBY", kItemAe, kItemVE},
                        {"WM/CODEDBY", kItemAe, kItemVE},  {"ID3/TENC", kItemAe, kItemVE},
                        {"WM/ORIGINALARTIST", kItemAo, kItemVO}, {"ID3/TOPE", kItemAo, kItemVO},
                        {"AUTHOR", kItemAa, kItemVa},      {"ID3/TPE1", kItemAa, kItemVa},
                        {"WM/TRACK", kItemAk, -1},         {"WM/TRACKNUMBER", kItemAk, -1},
                        {"TITLE", kItemAt, kItemVt},       {"WM/YEAR", kItemAy, -1},
                        {"WM/URL", kItemAu, -1},           {"USERWEBURL", kItemAu, -1},
                        {"ID3/WXXX", kItemAu, -1},         {"DESCRIPTION", kItemAc, kItemVc},
                        {"ID3/TDAT", -1, kItemVn},         {"ID3/TSSE", -1, kItemVS}};

// A UTF-16LE string of `bytes` bytes at the cursor, as ANSI (up to its
// first zero unit).
std::string Utf16(MetaExtractor& x, CBufReader& r, size_t bytes) {
  if (!r.Has(bytes)) return std::string();
  std::string raw(bytes, '\0');
  if (bytes) r.Bytes(&raw[0], bytes);
  std::string text = x.Utf16ToAnsi(raw);
  const size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
}

class CAsf {
 public:
  explicit CAsf(MetaExtractor& x) : x_(x) {}

  int Read() {
    FileReader& f = x_.File();
    uint8_t h[30];
    if (f.ReadExact(h, sizeof h) != 0 || !Same(h, kHeader)) return -2;
    uint64_t size = 0;
    CBufReader(h + 16, 8).U64LE(&size);
    if (size < 30) return -2;
    // The items are stored once the whole header is read: a header cut by
    // the end of the file gives none (a stream missing from it would turn a
    // video into a song).
    const int read = f.ReadCapped(&header_, size - 30, kMaxHeader);
    if (read == -1 || read == -2) return -1;
    Objects(0, header_.size(), 0);
    Fill();
    return 0;
  }

 private:
  // The header's bytes; header_[i] is the file's byte 30 + i.
  const uint8_t* H(size_t i) const { return reinterpret_cast<const uint8_t*>(header_.data()) + i; }
  static int64_t FileOffset(size_t i) { return 30 + static_cast<int64_t>(i); }

  // The objects between header_[from] and header_[to] (the header's, or
  // the header extension's).
  void Objects(size_t from, size_t to, int depth) {
    for (size_t at = from; to - at >= 24;) {
      uint64_t size = 0;
      CBufReader(H(at + 16), 8).U64LE(&size);
      if (size < 24 || size > to - at) return;
      const uint8_t* guid = H(at);
      const size_t content = at + 24;
      CBufReader o(H(content), static_cast<size_t>(size - 24));
      if (Same(guid, kFileProperties) && size >= 104) FileProperties(o);
      if (Same(guid, kContent)) content_ = o;
      if (Same(guid, kExtendedContent)) {
        extended_ = o;
        extendedAt_ = content;
      }
      // The extension's objects follow a GUID, a 16-bit value and a size.
      if (Same(guid, kHeaderExtension) && depth == 0 && size - 24 >= 22) Objects(content + 22, at + size, 1);
      if (Same(guid, kMetadataLibrary)) {
        library_ = o;
        libraryAt_ = content;
      }
      if (Same(guid, kStreamProperties)) StreamProperties(o);
      if (Same(guid, kCodecList)) codecs_ = o;
      at += static_cast<size_t>(size);
    }
  }

  void FileProperties(CBufReader o) {
    uint64_t play = 0, preroll = 0;
    uint32_t flags = 0, bitrate = 0;
    o.Seek(40);
    o.U64LE(&play);
    o.Skip(8);
    o.U64LE(&preroll);
    o.U32LE(&flags);
    o.Skip(8);
    o.U32LE(&bitrate);
    maxBitrate_ = bitrate;
    if (!(flags & 1)) {
      duration_ = static_cast<int64_t>(play / 10000000) - static_cast<int64_t>(preroll / 1000);
      haveDuration_ = true;
    }
  }

  void StreamProperties(CBufReader o) {
    if (!o.Has(54)) return;
    uint8_t kind[16];
    o.Bytes(kind, 16);
    o.Skip(16 + 8);
    uint32_t typeLength = 0;
    o.U32LE(&typeLength);
    o.Skip(4 + 2 + 4);
    if (std::memcmp(kind, kAudioStream.b, 16) == 0 && typeLength >= 20 && o.Has(20)) {
      o.U16LE(&audioTag_);
      o.U16LE(&channels_);
      o.U32LE(&rate_);
      haveAudio_ = true;
    } else if (std::memcmp(kind, kVideoStream.b, 16) == 0 && typeLength >= 8 && o.Has(8)) {
      o.U32LE(&width_);
      o.U32LE(&height_);
      video_ = true;
    }
  }

  // A WM/Picture value at header_[at]: a type byte, the data length, the
  // MIME type and the description (UTF-16, each ending with a zero unit),
  // then the picture.
  void Picture(size_t at, size_t valueBytes) {
    if (valueBytes <= 10 || x_.Entry().pictureOffset != -1) return;
    CBufReader p(H(at), std::min(valueBytes, kPictureExamined));
    uint8_t type = 0;
    uint32_t length = 0;
    p.U8(&type);
    p.U32LE(&length);
    auto zeroTerminated = [&](std::string* out) {
      const size_t start = p.Pos();
      uint16_t unit = 0;
      do {
        if (p.U16LE(&unit) != 0) return false;  // no terminating unit
      } while (unit != 0);
      *out = x_.Utf16ToAnsi(std::string(reinterpret_cast<const char*>(H(at + start)), p.Pos() - start - 2));
      return true;
    };
    std::string mime;
    std::string description;
    if (!zeroTerminated(&mime)) return;
    x_.SetText(video_ ? kItemVIf : kItemAIf, mime);
    if (!zeroTerminated(&description)) return;
    x_.ProbeEmbeddedPicture(FileOffset(at + p.Pos()), static_cast<int32_t>(std::min<uint32_t>(length, INT32_MAX)), mime);
  }

  void Fill() {
    // Content description: title, author, copyright, description.
    if (content_.Has(10)) {
      uint16_t len[5];
      for (uint16_t& l : len) content_.U16LE(&l);
      const int items[4][2] = {{kItemAt, kItemVt}, {kItemAa, kItemVa}, {kItemAC, kItemVC}, {kItemAc, kItemVc}};
      for (int i = 0; i < 4; ++i) x_.OverwriteText(items[i][video_ ? 1 : 0], Utf16(x_, content_, len[i]));
    }
    // The attached picture among the metadata library's records.
    uint16_t count = 0;
    if (library_.U16LE(&count) == 0) {
      for (uint16_t i = 0; i < count && x_.Entry().pictureOffset == -1; ++i) {
        uint16_t lang = 0, stream = 0, nameLength = 0, type = 0;
        uint32_t dataLength = 0;
        if (library_.U16LE(&lang) || library_.U16LE(&stream) || library_.U16LE(&nameLength) ||
            library_.U16LE(&type) || library_.U32LE(&dataLength)) {
          break;
        }
        const std::string name = Utf16(x_, library_, nameLength);
        const size_t at = library_.Pos();
        if (library_.Skip(dataLength) != 0) break;
        if (name == "WM/Picture") Picture(libraryAt_ + at, dataLength);
      }
    }
    // Extended content descriptors.
    if (extended_.U16LE(&count) == 0) {
      for (uint16_t i = 0; i < count; ++i) {
        uint16_t nameLength = 0, type = 0, valueLength = 0;
        if (extended_.U16LE(&nameLength) != 0) break;
        const std::string name = Utf16(x_, extended_, nameLength);
        if (extended_.U16LE(&type) != 0 || extended_.U16LE(&valueLength) != 0 || !extended_.Has(valueLength)) break;
        const size_t at = extendedAt_ + extended_.Pos();
        CBufReader value(H(at), valueLength);
        extended_.Skip(valueLength);
        if (name == "WM/Picture") {
          Picture(at, valueLength);
          continue;
        }
        Descriptor(AnsiUpperCopy(name), type, value);
      }
    }
    if (haveAudio_) {
      if (video_) {
        x_.SetVideoChannels(channels_);
        x_.SetVideoSampling(static_cast<int>(std::min<uint32_t>(rate_, INT_MAX)));
      } else {
        x_.SetAudioChannels(channels_);
        x_.SetAudioSampling(static_cast<int>(std::min<uint32_t>(rate_, INT_MAX)));
        x_.SetAudioBitrate(0, static_cast<int>(maxBitrate_ / 1000));
      }
    }
    if (video_ && width_ <= INT_MAX && height_ <= INT_MAX) {
      x_.SetVideoSize(static_cast<int>(width_), static_cast<int>(height_));
    }
    CCodecList list;
    uint32_t entries = 0;
    if (codecs_.Skip(16) == 0 && codecs_.U32LE(&entries) == 0) {
      for (uint32_t i = 0; i < entries; ++i) {
        uint16_t type = 0, nameChars = 0, descriptionChars = 0, infoBytes = 0;
        if (codecs_.U16LE(&type) || codecs_.U16LE(&nameChars)) break;
        const std::string name = Utf16(x_, codecs_, size_t{nameChars} * 2);
        if (codecs_.U16LE(&descriptionChars) || codecs_.Skip(size_t{descriptionChars} * 2) ||
            codecs_.U16LE(&infoBytes) || codecs_.Skip(infoBytes)) {
          break;
        }
        if (type == 1) list.Video(name);
        if (type == 2) list.Audio(name);
      }
    }
    x_.SetText(video_ ? kItemVi : kItemAi, list.Text());
    if (haveDuration_) {
      if (video_) {
        x_.SetVideoDuration(std::max<int64_t>(duration_, 0));
      } else {
        x_.SetAudioDuration(std::max<int64_t>(duration_, 0));
      }
    }
  }

  void Descriptor(const std::string& name, uint16_t type, CBufReader value) {
    for (const CName& n : kNames) {
      if (name != n.name) continue;
      const int item = video_ ? n.video : n.audio;
      if (item < 0) return;
      std::string text;
      char number[32];
      uint32_t v32 = 0;
      uint64_t v64 = 0;
      uint16_t v16 = 0;
      switch (type) {
        case 0: text = Utf16(x_, value, value.Size()); break;
        case 1: break;
        case 2: value.U32LE(&v32); text = v32 ? "True" : "False"; break;
        case 3: value.U32LE(&v32); std::snprintf(number, sizeof number, "%d", static_cast<int>(v32)); text = number; break;
        case 4: value.U64LE(&v64); std::snprintf(number, sizeof number, "%lld", static_cast<long long>(v64)); text = number; break;
        case 5: value.U16LE(&v16); std::snprintf(number, sizeof number, "%d", v16); text = number; break;
        default: return;
      }
      if (type == 1) {
        text.resize(std::min<size_t>(value.Size(), MetaExtractor::kTextMax));
        value.Bytes(&text[0], text.size());
      }
      x_.SetText(item, text);
      if (item == kItemAk) x_.SetTrackNumbers(x_.Clean(text));
      return;
    }
  }

  MetaExtractor& x_;
  std::string header_;
  CBufReader content_{nullptr, 0};
  CBufReader extended_{nullptr, 0};
  CBufReader library_{nullptr, 0};
  CBufReader codecs_{nullptr, 0};
  size_t extendedAt_ = 0;
  size_t libraryAt_ = 0;
  bool video_ = false;
  bool haveAudio_ = false;
  bool haveDuration_ = false;
  int64_t duration_ = 0;
  uint32_t maxBitrate_ = 0;
  uint16_t audioTag_ = 0;
  uint16_t channels_ = 0;
  uint32_t rate_ = 0;
  uint32_t width_ = 0;
  uint32_t height_ = 0;
};

}  // namespace

int ReadAsfFile(MetaExtractor& x, const std::string& path) {
  return ReadOpenedFile(x, path, [](MetaExtractor& m) { return CAsf(m).Read(); });
}
