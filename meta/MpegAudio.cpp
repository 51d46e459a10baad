#include "meta/MpegAudio.h"

#include <cstring>

#include "meta/Id3v1.h"
#include "meta/Id3v2.h"

namespace {

// kbit/s by [table][layer][index]: table 0 MPEG 1, 1 MPEG 2 and 2.5.
const int16_t kBitrates[2][3][16] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, -1},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, -1},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, -1}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, -1},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, -1},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, -1}},
};
// Hz by [version][index]; version 1 is reserved.
const int32_t kSamplings[4][4] = {
    {11025, 12000, 8000, -1}, {-1, -1, -1, -1}, {22050, 24000, 16000, -1}, {44100, 48000, 32000, -1}};

// Bytes searched for the first frame header, and for the next one when a
// constant-bitrate frame is not followed by another.
constexpr uint32_t kFirstSearch = 51200;
constexpr uint32_t kNextSearch = 3072;
constexpr uint32_t kSearchChunk = 1024;
// Bytes read at the first frame for its VBR header.
constexpr uint32_t kFrameHead = 512;
// Headers tried before a constant-bitrate stream is given up: real streams
// confirm at the first or second, and a crafted one must not make the search
// walk a whole file.
constexpr int kMaxResyncs = 256;

// Four letters as a big-endian word, to compare with what PeekU32BE reads.
constexpr uint32_t Magic(const char (&s)[5]) {
  return uint32_t(uint8_t(s[0])) << 24 | uint32_t(uint8_t(s[1])) << 16 | uint32_t(uint8_t(s[2])) << 8 |
         uint8_t(s[3]);
}

// The header word at `at` of what was read, decoded; false when out of the
// bytes or not a header.
bool HeaderAt(const CBufReader& r, size_t at, CEnteteMpeg* h) {
  uint32_t w = 0;
  return r.PeekU32LE(at, &w) == 0 && DecodeMpegHeader(w, h);
}

// Whether the four bytes at the position are a header; the position is
// left where it was.
bool HeaderHere(FileReader& f, int64_t at, CEnteteMpeg* h) {
  uint8_t b[4];
  return f.Seek(at) == 0 && f.ReadExact(b, 4) == 0 && HeaderAt(CBufReader(b, 4), 0, h) && f.Seek(at) == 0;
}

// Looks for a header from one byte after the position, examining at most
// `limit` positions, and leaves the position at its first byte. -1 the
// position is unknown, -3 none found within the limit or before the end.
int SearchHeader(FileReader& f, uint32_t limit, CEnteteMpeg* h) {
  const int64_t from = f.Tell();
  if (from < 0) return -1;
  int64_t base = from + 1;  // file offset of buf[0]
  if (f.Seek(base) != 0) return -3;
  uint8_t buf[3 + kSearchChunk];
  size_t carried = 0;
  uint32_t examined = 0;
  for (;;) {
    uint32_t n = kSearchChunk;
    if (f.ReadUpTo(buf + carried, &n) != 0) return -3;
    const size_t total = carried + n;
    const CBufReader r(buf, total);
    for (size_t i = 0; i < total && 4 <= total - i; ++i) {
      if (examined++ >= limit) return -3;
      if (HeaderAt(r, i, h)) return f.Seek(base + int64_t(i)) == 0 ? 0 : -3;
    }
    if (n < kSearchChunk) return -3;
    // The window carries its last three bytes into the next chunk.
    std::memmove(buf, &buf[total - 3], 3);
    base += int64_t(total) - 3;
    carried = 3;
  }
}

// Offset of the Xing header in the first frame, after the side information.
uint32_t XingOffset(const CEnteteMpeg& h) {
  const bool mono = h.mode == 3;
  if (h.version == 3) return mono ? 21 : 36;
  return mono ? 13 : 21;
}

}  // namespace

bool DecodeMpegHeader(uint32_t w, CEnteteMpeg* h) {
  if ((w & 0xE0FF) != 0xE0FF) return false;
  const int version = (w >> 11) & 3;
  const int layerBits = (w >> 9) & 3;
  if (version == 1 || layerBits == 0) return false;
  const int layer = 3 - layerBits;
  const int bitrate = kBitrates[version == 3 ? 0 : 1][layer][(w >> 20) & 15];
  const int sampling = kSamplings[version][(w >> 18) & 3];
  if (bitrate <= 0 || sampling <= 0) return false;
  h->version = version;
  h->layer = layer;
  h->bitrate = bitrate;
  h->sampling = sampling;
  h->padding = (w >> 17) & 1;
  h->mode = (w >> 30) & 3;
  if (layer == 0) {
    h->length = (12000 * bitrate / sampling + h->padding) * 4;
    h->samples = 384;
  } else if (layer == 1 || version == 3) {
    h->length = 144000 * bitrate / sampling + h->padding;
    h->samples = 1152;
  } else {
    h->length = 72000 * bitrate / sampling + h->padding;
    h->samples = 576;
  }
  return true;
}

int AnalyseMpegAudio(MetaExtractor& x, int64_t audioEnd) {
  FileReader& f = x.File();
  const int64_t start = f.Tell();
  if (start < 0) return -2;
  // Tags that overlap leave no audio rather than a negative amount.
  int64_t audio = audioEnd > start ? audioEnd - start : 0;
  CEnteteMpeg h;
  if (!HeaderHere(f, start, &h) && (f.Seek(start) != 0 || SearchHeader(f, kFirstSearch, &h) != 0)) return -2;
  const int64_t first = f.Tell();
  uint8_t t[kFrameHead];
  uint32_t n = kFrameHead;
  if (first < 0 || f.ReadUpTo(t, &n) != 0) return -2;

  int variant = 0;
  int64_t bitrate = h.bitrate, duration = 0;
  const CBufReader r(t, n);
  const uint32_t xing = XingOffset(h);
  uint32_t magic = 0, flags = 0;
  if (r.PeekU32BE(xing, &magic) == 0 && magic == Magic("Xing") && r.PeekU32BE(xing + 4, &flags) == 0) {
    uint32_t at = xing + 8, frames = 0, bytes = 0;
    // Counts the header announces but the file cuts off are not guessed.
    if ((flags & 1) && r.PeekU32BE(at, &frames) != 0) return -6;
    if (flags & 1) at += 4;
    if ((flags & 2) && r.PeekU32BE(at, &bytes) != 0) return -6;
    const int64_t size = int32_t(bytes) > 0 && int32_t(bytes) < audio ? int32_t(bytes) : audio;
    if (int32_t(frames) > 0) {
      duration = int64_t(int32_t(frames)) * h.samples / h.sampling;
      if (duration <= 0) return -4;
      bitrate = size * 8 / 1000 / duration;
    } else {
      duration = size * 8 / h.bitrate / 1000;
    }
    x.OverwriteText(kItemAi, "VBR Xing");
    variant = 3;
  } else if (r.PeekU32BE(36, &magic) == 0 && magic == Magic("VBRI") && 54 <= n) {
    uint32_t bytes = 0, frames = 0;
    r.PeekU32BE(46, &bytes);
    r.PeekU32BE(50, &frames);
    if (int32_t(bytes) > 0 && int32_t(bytes) < audio) audio = int32_t(bytes);
    duration = int64_t(h.sampling < 32000 ? 576 : 1152) * int32_t(frames) / h.sampling;
    if (duration <= 0) return -5;
    bitrate = audio * 8 / 1000 / duration;
    x.OverwriteText(kItemAi, "VBR Fraunhofer");
    variant = 4;
  } else {
    // A header counts once the next frame starts where its length says.
    int64_t at = first;
    for (int i = 0;; ++i) {
      CEnteteMpeg next;
      if (HeaderHere(f, at + h.length, &next)) break;
      if (i == kMaxResyncs || f.Seek(at + h.length) != 0 || SearchHeader(f, kNextSearch, &h) != 0) return -8;
      at = f.Tell();
      if (at < 0) return -8;
    }
    bitrate = h.bitrate;
    duration = audio * 8 / h.bitrate / 1000;
  }
  x.SetAudioBitrate(variant, int(bitrate < 0x7FFFFFFF ? bitrate : 0x7FFFFFFF));
  if (duration > 0) x.SetAudioDuration(duration);
  x.SetAudioSampling(h.sampling);
  x.SetAudioMpegMode(h.mode);
  return 0;
}

int ReadMpegAudioFile(MetaExtractor& x, const std::string& path) {
  FileReader& f = x.File();
  int64_t end = 0;
  if (f.OpenRead(path) != 0 || f.Size(&end) != 0) {
    f.Close();
    return -1;
  }
  ReadId3v1(x, &end);
  ReadId3v2(x);
  const int r = AnalyseMpegAudio(x, end);
  f.Close();
  return r;
}
