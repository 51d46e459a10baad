#include "meta/Riff.h"

#include <algorithm>
#include <climits>
#include <cstring>

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

int ReadWaveFile(MetaExtractor& x, const std::string& path) {
  if (x.File().OpenRead(path) != 0) return -5;
  const int r = ReadWave(x);
  x.File().Close();
  return r;
}
