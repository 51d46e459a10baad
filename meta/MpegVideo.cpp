#include "meta/MpegVideo.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

// Start codes are looked for within this many bytes, from the start and
// back from the end.
constexpr uint32_t kScan = 512000;
constexpr uint32_t kGopCode = 0xB8010000;  // 00 00 01 B8 read little-endian
const double kFrameRates[9] = {0, 24000.0 / 1001, 24, 25, 30000.0 / 1001, 30, 50, 60000.0 / 1001, 60};

// A group-of-pictures time code: seconds and the picture number.
struct CTimeCode {
  int64_t seconds = 0;
  int pictures = 0;
};
CTimeCode TimeCode(const uint8_t* b) {
  const uint32_t v = (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
  const int hours = (v >> 26) & 0x1F;
  const int minutes = (v >> 20) & 0x3F;
  const int seconds = (v >> 13) & 0x3F;
  return {hours * 3600 + minutes * 60 + seconds, static_cast<int>((v >> 7) & 0x3F)};
}

// Position of the next start code 00 00 01 at or after `from`; npos when none.
size_t NextStart(const std::string& s, size_t from) {
  for (size_t i = from; i + 3 < s.size(); ++i) {
    if (s[i] == 0 && s[i + 1] == 0 && s[i + 2] == 1) return i;
  }
  return std::string::npos;
}

int Read(MetaExtractor& x) {
  FileReader& f = x.File();
  int64_t size = 0;
  std::string head;
  if (f.Size(&size) != 0 || f.ReadCapped(&head, static_cast<uint64_t>(size), kScan) == -1) return -1;
  if (head.size() < 4 || head[0] != 0 || head[1] != 0 || head[2] != 1) return -2;
  const uint8_t kind = static_cast<uint8_t>(head[3]);
  if (kind != 0xB3 && kind != 0xBA) return -2;
  size_t seq = kind == 0xB3 ? 0 : std::string::npos;
  for (size_t i = NextStart(head, 0); seq == std::string::npos && i != std::string::npos; i = NextStart(head, i + 3)) {
    if (static_cast<uint8_t>(head[i + 3]) == 0xB3) seq = i;
  }
  if (seq == std::string::npos || head.size() - seq < 12) return -2;
  const uint8_t* h = reinterpret_cast<const uint8_t*>(head.data()) + seq + 4;
  const int width = (h[0] << 4) | (h[1] >> 4);
  const int height = ((h[1] & 0x0F) << 8) | h[2];
  const int rateCode = h[3] & 0x0F;
  const uint32_t bitrate = (uint32_t{h[4]} << 10) | (uint32_t{h[5]} << 2) | (h[6] >> 6);
  x.SetVideoSize(width, height);
  const double fps = rateCode >= 1 && rateCode <= 8 ? kFrameRates[rateCode] : 0;
  if (fps > 0) x.SetFrameRate(fps);
  int64_t estimate = -1;
  if (bitrate >= 10 && bitrate <= 20000) {
    estimate = std::llround(static_cast<double>(size) * 8 / (static_cast<double>(bitrate) * 400));
  }
  // User data, the MPEG-2 extension and the first time code after it.
  std::string info;
  int version = 1;
  bool haveFirst = false;
  CTimeCode first;
  for (size_t i = NextStart(head, seq + 4); i != std::string::npos; i = NextStart(head, i + 3)) {
    const uint8_t code = static_cast<uint8_t>(head[i + 3]);
    if (code == 0xB2 && info.empty()) {
      const size_t end = head.find('\0', i + 4);
      info = head.substr(i + 4, std::min<size_t>((end == std::string::npos ? head.size() : end) - (i + 4),
                                                 MetaExtractor::kTextMax));
    } else if (code == 0xB5 && i + 4 < head.size() && (static_cast<uint8_t>(head[i + 4]) >> 4) == 1) {
      version = 2;
    } else if (code == 0xB8 && !haveFirst && head.size() - i >= 8) {
      first = TimeCode(reinterpret_cast<const uint8_t*>(head.data()) + i + 4);
      haveFirst = true;
    }
  }
  int64_t timeCodes = -1;
  uint8_t gop[4];
  if (haveFirst && fps > 0 && f.FindMarker32Back(kGopCode, kScan) == 0 && f.ReadExact(gop, sizeof gop) == 0) {
    const CTimeCode last = TimeCode(gop);
    timeCodes = last.seconds - first.seconds + std::llround(last.pictures / fps);
  }
  int64_t duration = estimate;
  if (timeCodes >= 0 && (estimate < 0 || (timeCodes <= estimate * 5 && estimate <= timeCodes * 5))) {
    duration = timeCodes;
  }
  if (duration >= 0) x.SetVideoDuration(duration);
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "Mpeg%d%s", version, x.Clean(info).empty() ? "" : " - ");
  x.SetText(kItemVi, prefix + info);
  return 0;
}

}  // namespace

int ReadMpegVideoFile(MetaExtractor& x, const std::string& path) { return ReadOpenedFile(x, path, Read); }
