#include "meta/SunAudio.h"

#include <algorithm>
#include <cstdint>

namespace {

struct CEncoding {
  uint32_t code;
  const char* name;
  int bits;
};
const CEncoding kEncodings[] = {{1, "8-bit u-law", 8},
                                {2, "8-bit linear PCM", 8},
                                {3, "16-bit linear PCM", 16},
                                {4, "24-bit linear PCM", 24},
                                {5, "32-bit linear PCM", 32},
                                {6, "32-bit IEEE floating point", 32},
                                {7, "64-bit IEEE double precision float", 64},
                                {8, "Fragmented sample data", 0},
                                {10, "DSP program", 0},
                                {11, "8-bit fixed point", 8},
                                {12, "16-bit fixed point", 16},
                                {13, "24-bit fixed point", 24},
                                {14, "32-bit fixed point", 32},
                                {18, "16-bit linear with emphasis", 16},
                                {19, "16-bit linear compressed", 16},
                                {20, "16-bit linear with emphasis and compression", 16},
                                {21, "Music kit DSP commands", 0},
                                {23, "4-bit CCITT G.721 ADPCM", 4},
                                {24, "CCITT G.722 ADPCM", 0},
                                {25, "CCITT G.723.3 ADPCM", 0},
                                {26, "CCITT G.723.5 ADPCM", 0},
                                {27, "8-bit A-law G.711", 8}};

int Read(MetaExtractor& x) {
  FileReader& f = x.File();
  int64_t fileSize = 0;
  uint8_t h[24];
  if (f.Size(&fileSize) != 0) return -1;
  if (f.ReadExact(h, sizeof h) != 0) return -2;
  CBufReader r(h, sizeof h);
  uint32_t magic = 0, headerSize = 0, dataSize = 0, encoding = 0, rate = 0, channels = 0;
  r.U32BE(&magic);
  r.U32BE(&headerSize);
  r.U32BE(&dataSize);
  r.U32BE(&encoding);
  r.U32BE(&rate);
  r.U32BE(&channels);
  if (magic != 0x2E736E64 || headerSize < 24) return -2;  // ".snd"
  int64_t data = dataSize;
  if (dataSize == 0xFFFFFFFF || data >= fileSize) data = fileSize - headerSize;
  if (data <= 0) return -2;
  std::string note;
  const int r2 = f.ReadCapped(&note, headerSize - 24u, MetaExtractor::kTextMax);
  for (char& c : note) {
    if (c == '\0') c = ' ';
  }
  if (r2 == 0) x.OverwriteText(kItemAc, note);
  int bits = 0;
  for (const CEncoding& e : kEncodings) {
    if (e.code != encoding) continue;
    x.OverwriteText(kItemAi, e.name);
    bits = e.bits;
  }
  x.SetAudioSampling(static_cast<int>(std::min<uint32_t>(rate, INT32_MAX)));
  x.SetAudioChannels(static_cast<int>(std::min<uint32_t>(channels, INT32_MAX)));
  if (channels && bits && rate) x.SetAudioDuration(data * 8 / channels / bits / rate);
  return r2 == -1 ? -1 : 0;
}

}  // namespace

int ReadSunAudioFile(MetaExtractor& x, const std::string& path) { return ReadOpenedFile(x, path, Read); }
