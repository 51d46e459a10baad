#include "meta/Riff.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "meta/Codecs.h"
#include "os/LocalTime.h"

namespace {

const CInfoId kWaveInfo[] = {{"INAM", kItemAt}, {"IART", kItemAa}, {"ISBJ", kItemAA}, {"ICRD", kItemAy},
                             {"DATE", kItemAy}, {"ICMT", kItemAc}, {"IGNR", kItemAg}, {"ICOP", kItemAC},
                             {"IENG", kItemAe}, {"ITCH", kItemAe}, {"ISFT", kItemAi}};

bool Is(const uint8_t* id, const char* text) { return std::memcmp(id, text, 4) == 0; }

int Clamp(uint64_t v) { return static_cast<int>(std::min<uint64_t>(v, INT_MAX)); }

struct CWaveFormat {
  bool seen = false;
  uint16_t tag = 0;
  uint16_t channels = 0;
  uint32_t rate = 0;
  uint32_t byteRate = 0;
  uint16_t bits = 0;
};

int ReadWave(MetaExtractor& x) {
  FileReader& f = x.File();
  int64_t fileSize = 0;
  uint8_t h[12];
  if (f.Size(&fileSize) != 0) return -1;
  if (f.ReadExact(h, sizeof h) != 0 || !Is(h, "RIFF") || !Is(h + 8, "WAVE")) return -2;
  CWaveFormat fmt;
  bool haveData = false;
  uint64_t dataSize = 0;
  for (;;) {
    uint8_t head[8];
    const int64_t at = f.Tell();
    if (at < 0 || f.ReadExact(head, sizeof head) != 0) break;
    uint32_t size = 0;
    CBufReader(head, sizeof head).PeekU32LE(4, &size);
    const int64_t next = at + 8 + size;
    if (Is(head, "fmt ") && size >= 16) {
      uint8_t b[16];
      if (f.ReadExact(b, sizeof b) != 0) break;
      CBufReader r(b, sizeof b);
      r.U16LE(&fmt.tag);
      r.U16LE(&fmt.channels);
      r.U32LE(&fmt.rate);
      r.U32LE(&fmt.byteRate);
      r.Skip(2);  // block align
      r.U16LE(&fmt.bits);
      fmt.seen = true;
    } else if (Is(head, "LIST") && size >= 4) {
      uint8_t type[4];
      if (f.ReadExact(type, sizeof type) != 0) break;
      if (Is(type, "INFO") && ReadInfoList(x, size - 4u, kWaveInfo, sizeof kWaveInfo / sizeof kWaveInfo[0]) != 0) break;
    } else if (Is(head, "data")) {
      haveData = true;
      dataSize = size;
    }
    if (f.Seek(next) != 0 || next >= fileSize) break;
    // A chunk of odd size is followed by a zero pad byte; writers that leave
    // it out put the next chunk's id there, which never starts with zero.
    uint8_t pad = 1;
    if (size % 2 != 0 && (f.ReadExact(&pad, 1) != 0 || (pad != 0 && f.Seek(next) != 0))) break;
  }
  if (!fmt.seen || !haveData) return -2;
  x.SetAudioChannels(fmt.channels);
  x.SetAudioSampling(Clamp(fmt.rate));
  int64_t duration = -1;
  if (fmt.channels && fmt.bits && fmt.rate) {
    duration = static_cast<int64_t>(dataSize * 8 / fmt.channels / fmt.bits / fmt.rate);
  } else if (fmt.byteRate) {
    duration = static_cast<int64_t>(dataSize / fmt.byteRate);
  }
  if (duration >= 0) x.SetAudioDuration(duration);
  if (fmt.byteRate) {
    x.SetAudioBitrate(0, Clamp(uint64_t{fmt.byteRate} * 8 / 1000));
  } else if (duration > 0) {
    x.SetAudioBitrate(0, Clamp(static_cast<uint64_t>(fileSize) * 8 / 1000 / static_cast<uint64_t>(duration)));
  }
  return 0;
}

}  // namespace

int ReadInfoList(MetaExtractor& x, uint64_t bytes, const CInfoId* ids, size_t count) {
  FileReader& f = x.File();
  const int64_t start = f.Tell();
  if (start < 0) return -1;
  const int64_t end = start + static_cast<int64_t>(std::min<uint64_t>(bytes, INT64_MAX / 2));
  int64_t at = start;
  while (end - at > 8) {
    uint8_t head[8];
    if (f.Seek(at) != 0 || f.ReadExact(head, sizeof head) != 0) return -1;
    if (head[0] != 'I' && !Is(head, "DATE")) {
      ++at;
      continue;
    }
    uint32_t size = 0;
    CBufReader(head, sizeof head).PeekU32LE(4, &size);
    for (size_t i = 0; i < count; ++i) {
      if (!Is(head, ids[i].id) || !x.Claim(ids[i].item)) continue;
      std::string text;
      // A text cut by the end of the file is not kept.
      if (f.ReadCapped(&text, size, MetaExtractor::kTextMax) != 0) return -1;
      x.OverwriteText(ids[i].item, text);
      break;
    }
    at += 8 + static_cast<int64_t>(size);
  }
  return 0;
}

int ReadWaveFile(MetaExtractor& x, const std::string& path) { return ReadOpenedFile(x, path, ReadWave); }

namespace {

const CInfoId kAviInfo[] = {{"INAM", kItemVt}, {"ISBJ", kItemVU}, {"IART", kItemVa}, {"ICMT", kItemVc},
                            {"IKEY", kItemVk}, {"IENG", kItemVE}, {"ITCH", kItemVT}, {"IGNR", kItemVg},
                            {"ICRD", kItemVn}, {"ISRC", kItemVO}, {"ICOP", kItemVC}, {"ISFT", kItemVS}};
constexpr size_t kAviInfoCount = sizeof kAviInfo / sizeof kAviInfo[0];
constexpr int kMaxListDepth = 8;
constexpr uint32_t kDvFrameBytes = 480;

bool IsLetters(const uint8_t* id) {
  for (int i = 0; i < 4; ++i) {
    const uint8_t c = id[i];
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ' || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

int Bcd(uint8_t b, int tensBits) { return ((b >> 4) & ((1 << tensBits) - 1)) * 10 + (b & 0x0F); }

class CAvi {
 public:
  explicit CAvi(MetaExtractor& x) : x_(x), f_(x.File()) {}

  int Read() {
    uint8_t h[12];
    if (f_.Size(&size_) != 0) return -1;
    if (f_.ReadExact(h, sizeof h) != 0 || !Is(h, "RIFF") || !Is(h + 8, "AVI ")) return -2;
    uint32_t riffSize = 0;
    CBufReader(h, sizeof h).PeekU32LE(4, &riffSize);
    const int64_t end = std::min<int64_t>(size_, 8 + static_cast<int64_t>(riffSize));
    Walk(12, end, 0, "");
    if (totalFrames_ && fps_ > 0) {
      // A rate close to zero makes a duration that no count of seconds holds:
      // such a file has none.
      const double seconds = totalFrames_ / fps_;
      if (seconds < 9.2e18) x_.SetVideoDuration(static_cast<int64_t>(seconds));
    }
    x_.SetText(kItemVi, codecs_.Text());
    return 0;
  }

 private:
  // The chunks from `at` to `end` inside a list of the given type. Returns
  // 1 when "movi" ends the whole walk.
  int Walk(int64_t at, int64_t end, int depth, const char* listType) {
    while (end - at >= 8) {
      uint8_t head[8];
      if (f_.Seek(at) != 0 || f_.ReadExact(head, sizeof head) != 0) return 1;
      uint32_t size = 0;
      CBufReader(head, sizeof head).PeekU32LE(4, &size);
      const int64_t data = at + 8;
      int64_t next = data + size;
      if (Is(head, "LIST") && size >= 4) {
        uint8_t type[4];
        if (f_.ReadExact(type, sizeof type) != 0 || !IsLetters(type)) return 1;
        if (Is(type, "movi")) {
          if (dv_) ReadDvDate(data + 4, std::min<int64_t>(next, end));
          return 1;
        }
        if (Is(type, "INFO")) {
          ReadInfoList(x_, size - 4u, kAviInfo, kAviInfoCount);
        } else if (depth < kMaxListDepth) {
          if (Is(type, "strl")) stream_ = CStream();
          char t[5] = {static_cast<char>(type[0]), static_cast<char>(type[1]), static_cast<char>(type[2]),
                       static_cast<char>(type[3]), '\0'};
          if (Walk(data + 4, std::min<int64_t>(next, end), depth + 1, t) == 1) return 1;
          if (Is(type, "strl")) EndStream();
        }
      } else if (Leaf(head, data, size, listType) != 0) {
        return 1;
      }
      at = AfterPad(next, size);
    }
    return 0;
  }

  int Leaf(const uint8_t* head, int64_t data, uint32_t size, const std::string& list) {
    std::vector<uint8_t> c;
    auto content = [&](uint32_t cap) {
      c.assign(std::min(size, cap), 0);
      return c.empty() || (f_.Seek(data) == 0 && f_.ReadExact(c.data(), static_cast<uint32_t>(c.size())) == 0);
    };
    if (Is(head, "avih") && list == "hdrl") {
      uint32_t w = 0, h = 0;
      if (size < 56 || !content(56)) return -1;
      CBufReader r(c.data(), c.size());
      r.PeekU32LE(32, &w);
      r.PeekU32LE(36, &h);
      if (w && h && w <= INT_MAX && h <= INT_MAX) x_.SetVideoSize(static_cast<int>(w), static_cast<int>(h));
    } else if (Is(head, "dmlh") && list == "odml") {
      if (size < 4 || !content(4)) return -1;
      CBufReader(c.data(), c.size()).PeekU32LE(0, &odmlFrames_);
      if (odmlFrames_) totalFrames_ = odmlFrames_;
    } else if (Is(head, "strh") && list == "strl") {
      if (!content(64) || c.size() < 36) return -1;
      CBufReader r(c.data(), c.size());
      std::memcpy(stream_.type, c.data(), 4);
      std::memcpy(stream_.handler, c.data() + 4, 4);
      uint32_t scale = 0, rate = 0, length = 0;
      r.PeekU32LE(20, &scale);
      r.PeekU32LE(24, &rate);
      r.PeekU32LE(32, &length);
      if (stream_.Video()) {
        if (scale) {
          fps_ = static_cast<double>(rate) / scale;
          x_.SetFrameRate(fps_);
        }
        if (!odmlFrames_) totalFrames_ = length;
      }
    } else if (Is(head, "strf") && list == "strl") {
      if (!content(40)) return -1;
      if (stream_.Video()) {
        if (Is(stream_.type, "vids") && c.size() >= 40) std::memcpy(stream_.compression, c.data() + 16, 4);
        stream_.haveFormat = true;
      } else if (Is(stream_.type, "auds") && c.size() >= 8) {
        CBufReader r(c.data(), c.size());
        uint16_t tag = 0, channels = 0;
        uint32_t rate = 0;
        r.PeekU16LE(0, &tag);
        r.PeekU16LE(2, &channels);
        r.PeekU32LE(4, &rate);
        codecs_.Audio(AudioTagText(tag));
        x_.SetVideoChannels(channels);
        x_.SetVideoSampling(static_cast<int>(std::min<uint32_t>(rate, INT_MAX)));
      }
    } else if (!Is(head, "JUNK")) {
      for (const CInfoId& id : kAviInfo) {
        if (!Is(head, id.id) || !x_.Claim(id.item)) continue;
        std::string text;
        if (f_.Seek(data) != 0 || f_.ReadCapped(&text, size, MetaExtractor::kTextMax) != 0) return -1;
        x_.OverwriteText(id.item, text);
        break;
      }
    }
    return 0;
  }

  void EndStream() {
    if (!stream_.Video() || !stream_.haveFormat) return;
    const uint8_t* code = IsPrintable(stream_.compression) ? stream_.compression : stream_.handler;
    bool dv = false;
    std::string text = VideoCodecText(code, &dv);
    if (dv) {
      dv_ = true;
      text += Is(stream_.type, "iavs") ? " Type 1" : " Type 2";
    }
    codecs_.Video(text);
  }

  // Where the chunk after one ending at `next` starts: past an odd-sized
  // chunk's pad byte when the writer put one (a zero; a chunk id never
  // starts with one).
  int64_t AfterPad(int64_t next, uint32_t size) {
    uint8_t pad = 1;
    if (size % 2 != 0 && f_.Seek(next) == 0 && f_.ReadExact(&pad, 1) == 0 && pad == 0) return next + 1;
    return next;
  }

  static bool IsPrintable(const uint8_t* code) {
    for (int i = 0; i < 4; ++i) {
      if (code[i] < 0x20 || code[i] > 0x7E) return false;
    }
    return true;
  }

  // The recording date and time code of the first DV video frame.
  void ReadDvDate(int64_t at, int64_t end) {
    for (int hops = 0; end - at >= 8 && hops < 100000; ++hops) {
      uint8_t head[8];
      if (f_.Seek(at) != 0 || f_.ReadExact(head, sizeof head) != 0) return;
      uint32_t size = 0;
      CBufReader(head, sizeof head).PeekU32LE(4, &size);
      const bool frame = head[0] >= '0' && head[0] <= '9' && head[1] >= '0' && head[1] <= '9' && head[2] > 0x20 &&
                         head[2] < 0x7F && head[3] > 0x20 && head[3] < 0x7F &&
                         !(head[2] == 'w' && head[3] == 'b') && !(head[2] == 'p' && head[3] == 'c');
      if (!frame) {
        at = AfterPad(at + 8 + static_cast<int64_t>(size), size);
        continue;
      }
      uint8_t d[kDvFrameBytes];
      if (size < kDvFrameBytes || f_.ReadExact(d, sizeof d) != 0) return;
      char code[32];
      std::snprintf(code, sizeof code, "%02d.%02d.%02d.%02d", Bcd(d[90], 2), Bcd(d[89], 3), Bcd(d[88], 3),
                    Bcd(d[87], 2));
      x_.SetText(kItemVDt, code);
      if (d[458] != 0x62 || d[463] != 0x63) return;
      CTempsLocal t;
      t.day = Bcd(d[460], 2);
      t.month = Bcd(d[461], 1);
      const int year = Bcd(d[462], 4);
      t.year = year < 25 ? 2000 + year : 1900 + year;
      t.second = Bcd(d[465], 3);
      t.minute = Bcd(d[466], 3);
      t.hour = Bcd(d[467], 2);
      uint64_t ft = 0;
      if (LocalTimeToFileTime(t, &ft) == 0) x_.SetDate(kItemVDd, ft);
      return;
    }
  }

  struct CStream {
    uint8_t type[4] = {0, 0, 0, 0};
    uint8_t handler[4] = {0, 0, 0, 0};
    uint8_t compression[4] = {0, 0, 0, 0};
    bool haveFormat = false;
    bool Video() const { return Is(type, "vids") || Is(type, "iavs"); }
  };

  MetaExtractor& x_;
  FileReader& f_;
  int64_t size_ = 0;
  CStream stream_;
  CCodecList codecs_;
  uint32_t odmlFrames_ = 0;
  uint32_t totalFrames_ = 0;
  double fps_ = 0;
  bool dv_ = false;
};

}  // namespace

int ReadAviFile(MetaExtractor& x, const std::string& path) {
  return ReadOpenedFile(x, path, [](MetaExtractor& m) { return CAvi(m).Read(); });
}
