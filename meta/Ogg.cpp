#include "meta/Ogg.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "os/AnsiCase.h"

namespace {

// Longest packet read: a comment packet holding a cover picture can be far
// longer, and the comments after such a picture are then not read.
constexpr size_t kMaxPacket = 256 * 1024;
constexpr uint64_t kLastPageSearch = 40960;
constexpr uint32_t kOggS = 0x5367674F;  // "OggS" read little-endian

const struct {
  const char* key;
  int item;
} kComments[] = {{"TITLE", kItemAt},        {"ALBUM", kItemAA},     {"ARTIST", kItemAa},   {"TRACKNUMBER", kItemAk},
                 {"COPYRIGHT", kItemAC},    {"GENRE", kItemAg},     {"URL", kItemAu},      {"COMMENT", kItemAc},
                 {"DESCRIPTION", kItemAc},  {"DATE", kItemAy},      {"COMPOSER", kItemAp}, {"ORIGINALARTIST", kItemAo},
                 {"ENCODEDBY", kItemAe}};

// Reads the packets of the first logical stream in order, across pages.
class CPackets {
 public:
  explicit CPackets(FileReader& f) : f_(f) {}

  // The next packet (at most kMaxPacket bytes kept). -1 read failed or cut,
  // -2 no page where one must be.
  int Next(std::string* packet) {
    packet->clear();
    for (;;) {
      if (segment_ >= segments_.size() && ReadPageHead() != 0) return packet->empty() ? -2 : -1;
      while (segment_ < segments_.size()) {
        const uint8_t length = segments_[segment_++];
        std::string part;
        if (f_.ReadCapped(&part, length, length) != 0) return -1;
        if (packet->size() < kMaxPacket) packet->append(part, 0, std::min(part.size(), kMaxPacket - packet->size()));
        if (length < 255) return 0;
      }
    }
  }

 private:
  int ReadPageHead() {
    uint8_t h[27];
    if (f_.ReadExact(h, sizeof h) != 0) return -1;
    uint32_t magic = 0;
    CBufReader(h, sizeof h).PeekU32LE(0, &magic);
    if (magic != kOggS || h[4] != 0) return -2;
    segments_.assign(h[26], 0);
    segment_ = 0;
    return segments_.empty() || f_.ReadExact(segments_.data(), static_cast<uint32_t>(segments_.size())) == 0 ? 0 : -1;
  }

  FileReader& f_;
  std::vector<uint8_t> segments_;
  size_t segment_ = 0;
};

bool IsVorbisPacket(const std::string& p, char type) {
  return p.size() >= 7 && p[0] == type && p.compare(1, 6, "vorbis") == 0;
}

void ReadComments(MetaExtractor& x, const std::string& packet) {
  CBufReader r(packet.data(), packet.size());
  r.Skip(7);
  uint32_t vendorLength = 0;
  if (r.U32LE(&vendorLength) != 0 || !r.Has(vendorLength)) return;
  x.OverwriteText(kItemAi, packet.substr(r.Pos(), std::min<size_t>(vendorLength, MetaExtractor::kTextMax)));
  r.Skip(vendorLength);
  uint32_t count = 0;
  if (r.U32LE(&count) != 0) return;
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t length = 0;
    if (r.U32LE(&length) != 0 || !r.Has(length)) return;
    const std::string comment = packet.substr(r.Pos(), length);
    r.Skip(length);
    const size_t equals = comment.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = AnsiUpperCopy(comment.substr(0, equals));
    const std::string value = comment.substr(equals + 1, MetaExtractor::kTextMax);
    for (const auto& c : kComments) {
      if (key != c.key) continue;
      x.SetText(c.item, value);
      if (c.item == kItemAk) x.SetTrackNumbers(x.Clean(value));
      break;
    }
  }
}

int Read(MetaExtractor& x) {
  FileReader& f = x.File();
  x.encoding = CTextEncoding::Utf8;
  CPackets packets(f);
  std::string id;
  if (packets.Next(&id) != 0 || !IsVorbisPacket(id, 1) || id.size() < 30) return -2;
  CBufReader r(id.data(), id.size());
  uint32_t version = 0, rate = 0;
  uint8_t channels = 0;
  r.Skip(7);
  r.U32LE(&version);
  r.U8(&channels);
  r.U32LE(&rate);
  if (version != 0 || channels == 0 || rate == 0 || (id[29] & 1) == 0) return -2;
  x.SetAudioSampling(static_cast<int>(std::min<uint32_t>(rate, INT_MAX)));
  x.SetAudioChannels(channels);
  std::string comments;
  const int r2 = packets.Next(&comments);
  if (r2 != 0 || !IsVorbisPacket(comments, 3)) return r2 == 0 ? -2 : r2;
  ReadComments(x, comments);
  // The duration: the granule position of the last page, in samples.
  int64_t size = 0;
  uint8_t tail[10];
  if (f.Size(&size) != 0 || f.FindMarker32Back(kOggS, kLastPageSearch) != 0 || f.ReadExact(tail, sizeof tail) != 0) {
    return -1;
  }
  uint64_t granule = 0;
  CBufReader t(tail, sizeof tail);
  t.Skip(2);  // version and header type
  t.U64LE(&granule);
  const uint64_t seconds = granule / rate;
  if (seconds < 1 || granule > static_cast<uint64_t>(INT64_MAX)) return 0;
  x.SetAudioBitrate(0, static_cast<int>(std::min<uint64_t>(static_cast<uint64_t>(size) * 8 / 1000 / seconds, INT_MAX)));
  x.SetAudioDuration(static_cast<int64_t>(seconds));
  return 0;
}

}  // namespace

int ReadOggFile(MetaExtractor& x, const std::string& path) { return ReadOpenedFile(x, path, Read); }
