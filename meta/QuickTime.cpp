#include "meta/QuickTime.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "meta/Codecs.h"

namespace {

// Limits against crafted files: atoms nest at most this deep, and at most
// this many atoms are read in all.
constexpr int kMaxDepth = 16;
constexpr int kMaxAtoms = 100000;
// Longest atom whose content is read at once (headers and descriptions);
// larger ones are read only as far as their fields go.
constexpr uint32_t kMaxLeaf = 4096;

const struct {
  const char* type;  // after the leading 0xA9
  int item;
} kUserData[] = {{"nam", kItemVt}, {"des", kItemVU}, {"prf", kItemVU}, {"ART", kItemVa}, {"cmt", kItemVc},
                 {"prd", kItemVE}, {"dir", kItemVT}, {"day", kItemVn}, {"src", kItemVO}, {"cpy", kItemVC},
                 {"swr", kItemVS}};

struct CAtom {
  int64_t start;    // first byte of its content
  int64_t end;      // first byte after it
  uint8_t type[4];
  bool Is(const char* t) const { return std::memcmp(type, t, 4) == 0; }
  int64_t Size() const { return end - start; }
};

struct CTrack {
  bool video = false;
  bool sound = false;
  uint32_t timeScale = 0;
  uint32_t sampleDuration = 0;
  uint8_t codec[4] = {0, 0, 0, 0};
  bool haveCodec = false;
};

class CQuickTime {
 public:
  explicit CQuickTime(MetaExtractor& x) : x_(x), f_(x.File()) {}

  int Read() {
    if (f_.Size(&size_) != 0) return -1;
    bool movie = false;
    for (int64_t at = 0; at < size_;) {
      CAtom a;
      if (Head(at, size_, &a) != 0) break;
      if (a.Is("moov")) {
        movie = true;
        if (Children(a, 0, &CQuickTime::Movie) != 0) break;
      }
      at = a.end;
    }
    if (!movie) return -2;
    if (!compressed_) x_.SetText(kItemVi, codecs_.Text());
    return 0;
  }

 private:
  using Visitor = int (CQuickTime::*)(const CAtom&, int);

  // The atom head at `at` inside a parent ending at `limit`: a 32-bit size,
  // or 1 and a 64-bit size after the type, or 0 for "to the parent's end".
  // -1 when there is none (a size below its own head, an empty type, past
  // the end).
  int Head(int64_t at, int64_t limit, CAtom* a) {
    if (++atoms_ > kMaxAtoms || limit - at < 8) return -1;
    uint8_t h[16];
    if (f_.Seek(at) != 0 || f_.ReadExact(h, 8) != 0) return -1;
    CBufReader r(h, sizeof h);
    uint32_t size32 = 0;
    r.PeekU32BE(0, &size32);
    std::memcpy(a->type, h + 4, 4);
    if (std::memcmp(a->type, "\0\0\0\0", 4) == 0) return -1;
    uint64_t size = size32;
    int64_t head = 8;
    if (size32 == 1) {
      if (limit - at < 16 || f_.ReadExact(h + 8, 8) != 0) return -1;
      r.PeekU64BE(8, &size);
      head = 16;
    } else if (size32 == 0) {
      size = static_cast<uint64_t>(limit - at);
    }
    if (size < static_cast<uint64_t>(head) || size > static_cast<uint64_t>(limit - at)) return -1;
    a->start = at + head;
    a->end = at + static_cast<int64_t>(size);
    return 0;
  }

  int Children(const CAtom& parent, int depth, Visitor visit) {
    if (depth >= kMaxDepth) return 0;
    for (int64_t at = parent.start; at < parent.end;) {
      CAtom a;
      if (Head(at, parent.end, &a) != 0) return 0;
      const int r = (this->*visit)(a, depth + 1);
      if (r != 0) return r;
      at = a.end;
    }
    return 0;
  }

  // The first bytes of an atom's content, at most kMaxLeaf.
  int Content(const CAtom& a, std::vector<uint8_t>* out) {
    out->assign(static_cast<size_t>(std::min<int64_t>(a.Size(), kMaxLeaf)), 0);
    if (out->empty()) return 0;
    return f_.Seek(a.start) == 0 && f_.ReadExact(out->data(), static_cast<uint32_t>(out->size())) == 0 ? 0 : -1;
  }

  int Movie(const CAtom& a, int depth) {
    std::vector<uint8_t> c;
    if (a.Is("cmov")) {
      x_.SetText(kItemVi, x_.Options().compressedHeaderText);
      compressed_ = true;
      return 1;  // nothing more is read
    }
    if (a.Is("udta")) return Children(a, depth, &CQuickTime::UserData);
    if (a.Is("trak")) {
      track_ = CTrack();
      const int r = Children(a, depth, &CQuickTime::Track);
      EndTrack();
      return r;
    }
    if (a.Is("mvhd")) {
      if (Content(a, &c) != 0) return -1;
      CBufReader r(c.data(), c.size());
      uint32_t scale = 0;
      uint64_t duration = 0;
      if (!c.empty() && c[0] == 1) {
        r.PeekU32BE(20, &scale);
        r.PeekU64BE(24, &duration);
      } else if (c.size() >= 20) {
        uint32_t d32 = 0;
        r.PeekU32BE(12, &scale);
        r.PeekU32BE(16, &d32);
        duration = d32;
      }
      if (scale) x_.SetVideoDuration(static_cast<int64_t>(std::min<uint64_t>(duration / scale, INT64_MAX)));
    }
    return 0;
  }

  int UserData(const CAtom& a, int) {
    if (a.type[0] != 0xA9) return 0;
    for (const auto& u : kUserData) {
      if (std::memcmp(a.type + 1, u.type, 3) != 0) continue;
      // A 16-bit text length and a language code come before the text.
      std::vector<uint8_t> c;
      if (a.Size() < 4 || Content(a, &c) != 0) return -1;
      uint16_t length = 0;
      CBufReader(c.data(), c.size()).PeekU16BE(0, &length);
      const size_t n = std::min<size_t>({length, c.size() - 4, MetaExtractor::kTextMax});
      const CTextEncoding declared = x_.encoding;
      x_.encoding = CTextEncoding::Mac;
      x_.SetText(u.item, std::string(reinterpret_cast<const char*>(c.data()) + 4, n));
      x_.encoding = declared;
      break;
    }
    return 0;
  }

  int Track(const CAtom& a, int depth) {
    if (a.Is("udta")) return Children(a, depth, &CQuickTime::UserData);
    if (a.Is("mdia") || a.Is("minf") || a.Is("stbl")) return Children(a, depth, &CQuickTime::Track);
    std::vector<uint8_t> c;
    if (a.Is("vmhd")) track_.video = true;
    if (a.Is("smhd")) track_.sound = true;
    if (!a.Is("tkhd") && !a.Is("mdhd") && !a.Is("stsd") && !a.Is("stts")) return 0;
    if (Content(a, &c) != 0) return -1;
    CBufReader r(c.data(), c.size());
    const bool v1 = !c.empty() && c[0] == 1;
    if (a.Is("tkhd")) {
      uint32_t w = 0, h = 0;
      if (r.PeekU32BE(v1 ? 88 : 76, &w) == 0 && r.PeekU32BE(v1 ? 92 : 80, &h) == 0 && (w >> 16) > 0 && (h >> 16) > 0) {
        x_.SetVideoSize(static_cast<int>(w >> 16), static_cast<int>(h >> 16));
      }
    } else if (a.Is("mdhd")) {
      r.PeekU32BE(v1 ? 20 : 12, &track_.timeScale);
    } else if (a.Is("stts")) {
      r.PeekU32BE(12, &track_.sampleDuration);
    } else if (a.Is("stsd") && c.size() >= 16) {
      std::memcpy(track_.codec, c.data() + 12, 4);
      track_.haveCodec = true;
      uint16_t channels = 0;
      uint32_t rate = 0;
      // Sound description: channels at 24 and a 16.16 rate at 32 from the
      // entry's start (8 bytes in).
      if (r.PeekU16BE(8 + 24, &channels) == 0 && r.PeekU32BE(8 + 32, &rate) == 0) {
        sound_ = {channels, rate >> 16};
      }
    }
    return 0;
  }

  void EndTrack() {
    if (track_.video) {
      if (track_.haveCodec) codecs_.Video(VideoCodecText(track_.codec));
      if (track_.timeScale && track_.sampleDuration) {
        x_.SetFrameRate(static_cast<double>(track_.timeScale) / track_.sampleDuration);
      }
    } else if (track_.sound && track_.haveCodec) {
      codecs_.Audio(QuickTimeAudioText(track_.codec));
      x_.SetVideoChannels(sound_.channels);
      x_.SetVideoSampling(static_cast<int>(sound_.rate));
    }
  }

  struct CSound {
    uint16_t channels = 0;
    uint32_t rate = 0;
  };

  MetaExtractor& x_;
  FileReader& f_;
  int64_t size_ = 0;
  int atoms_ = 0;
  bool compressed_ = false;
  CTrack track_;
  CSound sound_;
  CCodecList codecs_;
};

}  // namespace

int ReadQuickTimeFile(MetaExtractor& x, const std::string& path) {
  return ReadOpenedFile(x, path, [](MetaExtractor& m) { return CQuickTime(m).Read(); });
}
