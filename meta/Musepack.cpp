#include "meta/Musepack.h"

#include <cmath>
#include <cstring>

#include "meta/ApeTag.h"
#include "meta/Id3v1.h"
#include "meta/Id3v2.h"
#include "meta/Printf.h"

namespace {

constexpr uint32_t kHeader = 12;
constexpr uint8_t kLastVersion = 0x71;
const int kSamplings[4] = {44100, 48000, 37800, 32000};
// Profile names by the profile number of the stream header.
const char* const kProfiles[16] = {"N/A",
                                   "Unstable/Experimental",
                                   "N/A",
                                   "N/A",
                                   "N/A",
                                   "below Telephone",
                                   "below Telephone",
                                   "Telephone",
                                   "Thumb",
                                   "Radio",
                                   "Standard",
                                   "Xtreme",
                                   "Insane",
                                   "BrainDead",
                                   "above BrainDead",
                                   "above BrainDead"};

}  // namespace

const char* MusepackProfile(int profile) { return profile >= 0 && profile < 16 ? kProfiles[profile] : "N/A"; }

int ReadMusepackHeader(MetaExtractor& x, int64_t audio) {
  FileReader& f = x.File();
  uint8_t h[kHeader];
  if (f.Seek(0) != 0 || f.ReadExact(h, kHeader) != 0) return -1;
  // Some taggers put an ID3v2 tag before the stream.
  const int64_t id3 = Id3v2TagBytes(h);
  if (id3 > 0 && (f.Seek(id3) != 0 || f.ReadExact(h, kHeader) != 0)) return -1;
  if (id3 > 0) audio -= id3;
  if (std::memcmp(h, "MP+", 3) != 0) return -2;
  if (h[3] > kLastVersion) return -3;
  const CBufReader r(h, kHeader);
  uint32_t frames = 0, word = 0;
  r.PeekU32LE(4, &frames);
  r.PeekU32LE(8, &word);
  const int sampling = kSamplings[(word >> 16) & 3];
  x.OverwriteText(kItemAi, Printf("SV%d.%d %s", h[3] & 15, h[3] >> 4, MusepackProfile((word >> 20) & 15)));
  const int64_t samples = int64_t(frames) * 1152 - 576;
  if (samples >= 0) {
    const double kbps = std::round(double(audio) * 8 / 1000 * sampling / double(samples));
    if (kbps > 0) x.SetAudioBitrate(1, kbps < 2147483647.0 ? int(kbps) : 2147483647);
  }
  const int64_t duration = int64_t(frames) * 1152 / sampling;
  if (duration > 0) x.SetAudioDuration(duration);
  x.SetAudioSampling(sampling);
  x.SetAudioChannels(2);
  return 0;
}

int ReadMusepackFile(MetaExtractor& x, const std::string& path) {
  FileReader& f = x.File();
  int64_t size = 0;
  if (f.OpenRead(path) != 0 || f.Size(&size) != 0) {
    f.Close();
    return -1;
  }
  int64_t end = size;
  const int ape = ReadApeTag(x, &end);
  // Without an APE tag at the very end, the ID3v1 tag is read, and an APE
  // tag may still stand just before it.
  if (ape != 0 && ape != -4) {
    end = size;
    if (ReadId3v1(x, &end) == 0) ReadApeTag(x, &end);
  }
  const int r = ReadMusepackHeader(x, end);
  f.Close();
  return r;
}
