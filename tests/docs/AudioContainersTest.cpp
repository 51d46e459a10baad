// Sun audio, WAVE, MIDI, Ogg Vorbis and QuickTime readers on crafted bytes.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <cstdio>
#include <string>

#include "ScratchFile.h"
#include "meta/Midi.h"
#include "meta/Riff.h"
#include "meta/SunAudio.h"

namespace {

std::string LE16(unsigned v) { return {char(v & 0xFF), char((v >> 8) & 0xFF)}; }
std::string LE32(unsigned v) { return LE16(v & 0xFFFF) + LE16(v >> 16); }
std::string BE32(unsigned v) { return {char(v >> 24), char((v >> 16) & 0xFF), char((v >> 8) & 0xFF), char(v & 0xFF)}; }
std::string Chunk(const char* id, const std::string& data) { return std::string(id, 4) + LE32(data.size()) + data; }

std::string Fmt(unsigned channels, unsigned rate, unsigned bits) {
  return Chunk("fmt ", LE16(1) + LE16(channels) + LE32(rate) + LE32(rate * channels * bits / 8) +
                           LE16(channels * bits / 8) + LE16(bits));
}
std::string Wave(const std::string& chunks) { return "RIFF" + LE32(4 + chunks.size()) + "WAVE" + chunks; }

struct Row {
  const char* what;
  std::string bytes;
  const char* ext;
  int item;
  const char* text;
};

std::string Read(const Row& row) {
  CFichier entry;
  CMetaOptions options;
  ExtractMetadata(entry, WriteScratchFile("audio_", std::string("t.") + row.ext, row.bytes), options);
  return entry.items.Text(row.item);
}

TEST(AudioContainers, CraftedFiles) {
  const std::string info = Chunk("LIST", "INFO" + Chunk("INAM", "Odd") + "\0" + Chunk("IART", "Band") +
                                             Chunk("INAM", "Second title"));
  const std::string au = ".snd" + BE32(32) + BE32(88200) + BE32(3) + BE32(44100) + BE32(1) + std::string("hi\0!\0\0\0\0", 8);
  const Row rows[] = {
      {"au encoding", au + std::string(100, '\0'), "au", kItemAi, "16-bit linear PCM"},
      {"au annotation, NULs as spaces", au + std::string(100, '\0'), "au", kItemAc, "hi !"},
      {"au data size past the file: the rest of the file", au + std::string(88200, '\0'), "au", kItemAd, "00m01s"},
      {"au header shorter than 24", ".snd" + BE32(20) + std::string(40, '\0'), "au", kItemAs, ""},
      {"wave duration", Wave(Fmt(2, 8000, 16) + Chunk("data", std::string(64000, '\0'))), "wav", kItemAd, "00m02s"},
      {"wave bitrate from the byte rate", Wave(Fmt(2, 8000, 16) + Chunk("data", "")), "wav", kItemAb, "256"},
      {"INFO walk steps over a stray byte", Wave(Fmt(1, 8000, 8) + info + Chunk("data", "")), "wav", kItemAa, "Band"},
      {"first INFO title wins", Wave(Fmt(1, 8000, 8) + info + Chunk("data", "")), "wav", kItemAt, "Odd"},
      {"odd chunk with its pad byte", Wave(Chunk("junk", "x") + "\0" + Fmt(1, 8000, 8) + Chunk("data", "")), "wav",
       kItemAs, "8000"},
      {"odd chunk without it", Wave(Chunk("junk", "x") + Fmt(1, 8000, 8) + Chunk("data", "")), "wav", kItemAs, "8000"},
      {"no data chunk, no audio items", Wave(Fmt(1, 8000, 8) + info), "wav", kItemAs, ""},
      {"not WAVE", "RIFF" + LE32(4) + "AVI " + Fmt(1, 8000, 8), "wav", kItemAs, ""},
  };
  for (const Row& row : rows) EXPECT_EQ(Read(row), row.text) << row.what;
}

TEST(AudioContainers, KaraokeTexts) {
  auto event = [](char letter, const std::string& text) {
    return std::string("\0\xFF\x01", 3) + char(text.size() + 2) + '@' + letter + text;
  };
  const std::string song = std::string("MThd") + std::string(10, '\0') + event('V', "v1") + event('K', "KAR") +
                           event('T', "Title") + event('K', "ignored") + event('T', "Artist") + event('L', "ENGL") +
                           event('T', "Copy") + event('T', "Fourth") + event('V', "v2") +
                           std::string("\0\xFF\x01\x7F@T", 6) + "cut";
  const struct {
    int item;
    const char* text;
  } rows[] = {{kItemAi, "KAR - v1"}, {kItemAt, "Title"}, {kItemAa, "Artist"}, {kItemAC, "Copy"}, {kItemAg, "ENGL"}};
  CFichier entry;
  CMetaOptions options;
  MetaExtractor x(entry, options);
  EXPECT_EQ(ReadMidiBytes(x, song), 0);
  for (const auto& row : rows) EXPECT_EQ(entry.items.Text(row.item), row.text);
  EXPECT_EQ(ReadMidiBytes(x, "MTrk" + std::string(20, '\0')), -2);
}

}  // namespace

#include "meta/Ogg.h"

namespace {

// One Ogg page holding `packets` (each laced in segments of 255), with the
// given granule position; the checksum is not checked by the reader.
std::string OggPage(const std::vector<std::string>& packets, uint64_t granule, bool continued = false,
                    bool openEnd = false) {
  std::string lacing;
  std::string body;
  for (size_t p = 0; p < packets.size(); ++p) {
    size_t n = packets[p].size();
    while (n >= 255) {
      lacing += char(255);
      n -= 255;
    }
    if (!(openEnd && p + 1 == packets.size())) lacing += char(n);
    body += packets[p];
  }
  std::string granuleBytes = LE32(granule & 0xFFFFFFFF) + LE32(granule >> 32);
  return "OggS" + std::string(1, '\0') + char(continued ? 1 : 0) + granuleBytes + LE32(1) + LE32(0) + LE32(0) +
         char(lacing.size()) + lacing + body;
}

std::string Comments(const std::vector<std::string>& comments) {
  std::string p = "\x03vorbis" + LE32(6) + "vendor" + LE32(comments.size());
  for (const std::string& c : comments) p += LE32(c.size()) + c;
  return p + "\x01";
}

std::string Identification(unsigned version, unsigned channels, unsigned rate, char framing) {
  return "\x01vorbis" + LE32(version) + char(channels) + LE32(rate) + std::string(12, '\0') + "\xB8" + framing;
}

TEST(AudioContainers, OggVorbis) {
  const std::string id = OggPage({Identification(0, 2, 44100, 1)}, 0);
  const std::string tags =
      Comments({"DESCRIPTION=" + std::string(300, 'd'), "title=Low", "TrackNumber=3/12", "ARTIST=A", "ARTIST=B", "noequals"});
  const std::string last = OggPage({std::string(10, 'a')}, 44100 * 125);
  const std::string split = tags.substr(0, 255);  // a page ending inside the packet
  const Row rows[] = {
      {"keys ignore case", id + OggPage({tags}, 0) + last, "ogg", kItemAt, "Low"},
      {"first artist wins", id + OggPage({tags}, 0) + last, "ogg", kItemAa, "A"},
      {"track number", id + OggPage({tags}, 0) + last, "ogg", kItemAT, "3"},
      {"track count", id + OggPage({tags}, 0) + last, "ogg", kItemAn, "12"},
      {"vendor", id + OggPage({tags}, 0) + last, "ogg", kItemAi, "vendor"},
      {"duration from the last page", id + OggPage({tags}, 0) + last, "ogg", kItemAd, "02m05s"},
      {"comments across two pages",
       id + OggPage({split}, 0, false, true) + OggPage({tags.substr(255)}, 0, true) + last, "ogg", kItemAt, "Low"},
      {"under a second: no duration", id + OggPage({tags}, 0) + OggPage({"x"}, 100), "ogg", kItemAd, ""},
      {"version 1 is not read", OggPage({Identification(1, 2, 44100, 1)}, 0) + OggPage({tags}, 0), "ogg", kItemAs, ""},
      {"framing bit missing", OggPage({Identification(0, 2, 44100, 0)}, 0) + OggPage({tags}, 0), "ogg", kItemAs, ""},
      {"no comment packet", id + OggPage({"\x05vorbis"}, 0), "ogg", kItemAt, ""},
  };
  for (const Row& row : rows) EXPECT_EQ(Read(row), row.text) << row.what;
}

}  // namespace

#include "meta/QuickTime.h"

namespace {

std::string BE16(unsigned v) { return {char((v >> 8) & 0xFF), char(v & 0xFF)}; }
std::string Atom(const char* type, const std::string& content) { return BE32(8 + content.size()) + type + content; }

std::string Movie(const std::string& more = "") {
  const std::string mvhd = Atom("mvhd", std::string(12, '\0') + BE32(600) + BE32(600 * 95));
  const std::string tkhd = Atom("tkhd", std::string(76, '\0') + BE32(640 << 16) + BE32(480 << 16));
  const std::string stsd = Atom("stsd", std::string(8, '\0') + BE32(86) + "avc1" + std::string(78, '\0'));
  const std::string stts = Atom("stts", std::string(8, '\0') + BE32(95 * 25) + BE32(1000));
  const std::string video = Atom("trak", tkhd + Atom("mdia", Atom("mdhd", std::string(12, '\0') + BE32(25000)) +
                                                                  Atom("minf", Atom("vmhd", "") + Atom("stbl", stsd + stts))));
  const std::string name = Atom("\xA9nam", BE16(5) + BE16(0) + "Title");
  return Atom("moov", mvhd + video + Atom("udta", name) + more);
}

TEST(AudioContainers, QuickTime) {
  const std::string big = BE32(1) + "mdat" + BE32(0) + BE32(40);  // 64-bit size of 40 bytes
  const Row rows[] = {
      {"duration", Atom("ftyp", "isom") + Movie(), "mp4", kItemVd, "0h01m35s"},
      {"size", Movie(), "mov", kItemVx, "640"},
      {"frame rate", Movie(), "mov", kItemVf, "25.000"},
      {"codec", Movie(), "mov", kItemVi, "H.264 (avc1)"},
      {"user data title", Movie(), "mov", kItemVt, "Title"},
      {"movie after a 64-bit media atom", big + std::string(24, 'm') + Movie(), "mp4", kItemVd, "0h01m35s"},
      {"a size below its head ends the walk", BE32(4) + "free" + Movie(), "mov", kItemVd, ""},
      {"size 0 runs to the end", Atom("free", "") + BE32(0) + "moov" + Movie().substr(8), "mov", kItemVx, "640"},
      {"compressed header", Atom("moov", Atom("cmov", "zlib") + Movie().substr(8)), "mov", kItemVi,
       "Compressed header"},
      {"compressed header: nothing after it", Atom("moov", Atom("cmov", "zlib") + Movie().substr(8)), "mov", kItemVx,
       ""},
  };
  for (const Row& row : rows) EXPECT_EQ(Read(row), row.text) << row.what;
  // Media atoms nested 50,000 deep (a stack's worth of recursion) are not
  // followed past a few levels; the movie's own items stay.
  const std::string core = Atom("tkhd", std::string(76, '\0') + BE32(640 << 16) + BE32(480 << 16));
  std::string deep;
  for (int i = 50000; i > 0; --i) deep += BE32(core.size() + 8u * static_cast<unsigned>(i)) + "mdia";
  deep += core;
  EXPECT_EQ(Read({"deep", Atom("moov", Atom("mvhd", std::string(12, '\0') + BE32(1) + BE32(60)) + Atom("trak", deep)),
                  "mov", kItemVd, ""}),
            "0h01m00s");
}

#ifndef _WIN32
// A 5 GB media atom (sparse) with its 64-bit size, then the movie atom.
TEST(AudioContainers, QuickTimeMovieAfterFiveGigabytes) {
  const uint64_t media = 5ULL << 30;
  const std::string head = BE32(1) + "mdat" + BE32(static_cast<unsigned>(media >> 32)) + BE32(media & 0xFFFFFFFF);
  const std::string path = WriteScratchFile("audio_", "big.mp4", head);
  ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(media)), 0);
  std::FILE* f = std::fopen(path.c_str(), "ab");
  ASSERT_NE(f, nullptr);
  const std::string movie = Movie();
  ASSERT_EQ(std::fwrite(movie.data(), 1, movie.size(), f), movie.size());
  std::fclose(f);
  CFichier entry;
  CMetaOptions options;
  ExtractMetadata(entry, path, options);
  EXPECT_EQ(entry.items.Text(kItemVd), "0h01m35s");
  EXPECT_EQ(entry.items.Text(kItemVx), "640");
  std::remove(path.c_str());
}
#endif

}  // namespace

namespace {

std::string List(const char* type, const std::string& chunks) { return Chunk("LIST", std::string(type, 4) + chunks); }

// A stream list: its header (type, handler, scale, rate, length) and format.
std::string Stream(const char* type, const char* handler, unsigned scale, unsigned rate, unsigned length,
                   const std::string& format) {
  const std::string strh = std::string(type, 4) + std::string(handler, 4) + std::string(12, '\0') + LE32(scale) +
                           LE32(rate) + LE32(0) + LE32(length) + std::string(20, '\0');
  return List("strl", Chunk("strh", strh) + Chunk("strf", format));
}

std::string Avi(const std::string& lists, const std::string& movi) {
  const std::string avih = Chunk("avih", std::string(32, '\0') + LE32(512) + LE32(384) + std::string(16, '\0'));
  const std::string body = "AVI " + List("hdrl", avih + lists) + List("movi", movi);
  return "RIFF" + LE32(body.size()) + body;
}

// A DV frame whose packs hold 2004-07-15 21:05:09 and the time code
// 01:02:03, frame 04.
std::string DvFrame() {
  std::string d(480, '\0');
  d[87] = 0x04;
  d[88] = 0x03;
  d[89] = 0x02;
  d[90] = 0x01;
  d[458] = 0x62;
  d[460] = 0x15;
  d[461] = 0x07;
  d[462] = 0x04;
  d[463] = 0x63;
  d[465] = 0x09;
  d[466] = 0x05;
  d[467] = 0x21;
  return d;
}

TEST(AudioContainers, Avi) {
  const std::string bitmap = LE32(40) + LE32(512) + LE32(384) + LE16(1) + LE16(24) + "DX50" + std::string(20, '\0');
  const std::string mp3 = LE16(0x55) + LE16(2) + LE32(44100) + std::string(8, '\0');
  const std::string divx = Stream("vids", "divx", 1, 25, 250, bitmap) + Stream("auds", "\0\0\0\0", 1, 44100, 0, mp3);
  const std::string dv = Stream("iavs", "dvsd", 1, 25, 25, "");
  const Row rows[] = {
      {"audio codec, then the video codec", Avi(divx, ""), "avi", kItemVi, "Mpeg L3 (0x0055) - DivX 5 (DX50)"},
      {"duration from frames and rate", Avi(divx, ""), "avi", kItemVd, "0h00m10s"},
      {"no duration too long to count",
       Avi(Stream("vids", "divx", 4000000000u, 1, 4000000000u, bitmap), ""), "avi", kItemVd, ""},
      {"frames of the odml header win", Avi(divx + List("odml", Chunk("dmlh", LE32(500))), ""), "divx", kItemVd,
       "0h00m20s"},
      {"sound channels", Avi(divx, ""), "avi", kItemVM, "stereo"},
      {"frame size", Avi(divx, ""), "avi", kItemVx, "512"},
      {"interleaved DV codec", Avi(dv, Chunk("00db", DvFrame())), "avi", kItemVi, "DV Video (dvsd) Type 1"},
      {"DV time code after a sound chunk", Avi(dv, Chunk("01wb", "x") + Chunk("00db", DvFrame())), "avi", kItemVDt,
       "01.02.03.04"},
      {"the same with a pad byte", Avi(dv, Chunk("01wb", "x") + std::string(1, '\0') + Chunk("00db", DvFrame())),
       "avi", kItemVDt, "01.02.03.04"},
      {"DV recording date", Avi(dv, Chunk("00db", DvFrame())), "avi", kItemVDd, "7/15/2004 9:05:09 PM"},
      {"INFO inside the header", Avi(List("INFO", Chunk("INAM", "Holiday")), ""), "avi", kItemVt, "Holiday"},
      {"a list type that is no word ends the walk", Avi(Chunk("LIST", "\x01\x02\x03\x04") + divx, ""), "avi",
       kItemVi, ""},
  };
  for (const Row& row : rows) EXPECT_EQ(Read(row), row.text) << row.what;
}

}  // namespace

#include "meta/Asf.h"

namespace {

std::string LE64(uint64_t v) { return LE32(v & 0xFFFFFFFF) + LE32(v >> 32); }
std::string Guid(uint32_t a, uint16_t b, uint16_t c, uint16_t d, uint64_t e) {
  std::string g = LE32(a) + LE16(b) + LE16(c) + char(d >> 8) + char(d & 0xFF);
  for (int i = 5; i >= 0; --i) g += char((e >> (8 * i)) & 0xFF);
  return g;
}
std::string Object(const std::string& guid, const std::string& content) { return guid + LE64(24 + content.size()) + content; }
std::string Wide(const std::string& ascii) {
  std::string w;
  for (char c : ascii) w += std::string(1, c) + '\0';
  return w + std::string(2, '\0');
}
std::string Descriptor(const std::string& name, uint16_t type, const std::string& value) {
  return LE16(Wide(name).size()) + Wide(name) + LE16(type) + LE16(value.size()) + value;
}

// `value` replaces the WM/Picture value made from `picture` when given.
std::string Asf(bool video, const std::string& picture, const std::string& value = "") {
  const std::string props = std::string(16, 'f') + LE64(0) + LE64(0) + LE64(0) + LE64(125ULL * 10000000) + LE64(0) +
                            LE64(3000) + LE32(2) + LE32(0) + LE32(0) + LE32(192000);
  const std::string title = Wide("Song");
  const std::string content = LE16(title.size()) + LE16(0) + LE16(0) + LE16(0) + LE16(0) + title;
  const std::string extended = LE16(2) + Descriptor("WM/TrackNumber", 0, Wide("4/9")) +
                               Descriptor("WM/Picture", 1,
                                          value.empty() ? char(3) + LE32(picture.size()) + Wide("image/gif") +
                                                              Wide("cover") + picture
                                                        : value);
  const std::string audio = LE16(0x161) + LE16(2) + LE32(44100) + std::string(12, '\0');
  std::string stream = Guid(0xF8699E40, 0x5B4D, 0x11CF, 0xA8FD, 0x00805F5C442B) + std::string(16, '\0') + LE64(0) +
                       LE32(audio.size()) + LE32(0) + LE16(1) + LE32(0) + audio;
  std::string objects = Object(Guid(0x8CABDCA1, 0xA947, 0x11CF, 0x8EE4, 0x00C00C205365), props) +
                        Object(Guid(0x75B22633, 0x668E, 0x11CF, 0xA6D9, 0x00AA0062CE6C), content) +
                        Object(Guid(0xD2D0A440, 0xE307, 0x11D2, 0x97F0, 0x00A0C95EA850), extended) +
                        Object(Guid(0xB7DC0791, 0xA9B7, 0x11CF, 0x8EE6, 0x00C00C205365), stream);
  if (video) {
    const std::string size = LE32(320) + LE32(240) + std::string(3, '\0');
    objects += Object(Guid(0xB7DC0791, 0xA9B7, 0x11CF, 0x8EE6, 0x00C00C205365),
                      Guid(0xBC19EFC0, 0x5B4D, 0x11CF, 0xA8FD, 0x00805F5C442B) + std::string(16, '\0') + LE64(0) +
                          LE32(size.size()) + LE32(0) + LE16(2) + LE32(0) + size);
  }
  const std::string header = Guid(0x75B22630, 0x668E, 0x11CF, 0xA6D9, 0x00AA0062CE6C) + LE64(30 + objects.size()) +
                             LE32(video ? 5 : 4) + char(1) + char(2) + objects;
  return header + "data";
}

TEST(AudioContainers, Asf) {
  const std::string gif = std::string("GIF89a") + LE16(64) + LE16(48) + char(0xF7) + std::string(20, '\0') + ";";
  const Row rows[] = {
      {"a WMA title is the song's", Asf(false, gif), "wma", kItemAt, "Song"},
      {"a WMV title is the video's", Asf(true, gif), "wmv", kItemVt, "Song"},
      {"and no song title then", Asf(true, gif), "wmv", kItemAt, ""},
      {"duration less the preroll", Asf(false, gif), "wma", kItemAd, "02m02s"},
      {"bitrate", Asf(false, gif), "wma", kItemAb, "192"},
      {"track number", Asf(false, gif), "wma", kItemAT, "4"},
      {"track count", Asf(false, gif), "wma", kItemAn, "9"},
      {"picture type", Asf(false, gif), "wma", kItemAIf, "image/gif"},
      {"picture size", Asf(false, gif), "wma", kItemIx, "64"},
      {"video size", Asf(true, gif), "wmv", kItemVx, "320"},
      {"sound of a video", Asf(true, gif), "wmv", kItemVs, "44100"},
      {"a picture value ending after its type", Asf(false, gif, char(3) + LE32(0) + Wide("ab")), "wma", kItemAIf,
       "ab"},
      {"a type without its last unit", Asf(false, gif, char(3) + LE32(0) + std::string("a\0b\0c", 5)), "wma",
       kItemAIf, ""},
  };
  for (const Row& row : rows) EXPECT_EQ(Read(row), row.text) << row.what;
}

}  // namespace

#include "meta/MpegVideo.h"

namespace {

// A sequence header of 352x288 at 25 frames a second and the given bitrate
// value, and a group of pictures at the given time.
std::string Sequence(unsigned bitrate) {
  return std::string("\0\0\1\xB3", 4) + char(352 >> 4) + char(((352 & 0xF) << 4) | (288 >> 8)) + char(288 & 0xFF) +
         char(0x13) + char(bitrate >> 10) + char((bitrate >> 2) & 0xFF) + char(((bitrate & 3) << 6) | 0x20) +
         std::string(5, '\0');
}
std::string Gop(int hours, int minutes, int seconds, int pictures) {
  const uint32_t v = (uint32_t(hours) << 26) | (uint32_t(minutes) << 20) | (1u << 19) | (uint32_t(seconds) << 13) |
                     (uint32_t(pictures) << 7);
  return std::string("\0\0\1\xB8", 4) + char(v >> 24) + char((v >> 16) & 0xFF) + char((v >> 8) & 0xFF) + char(v & 0xFF);
}

TEST(AudioContainers, MpegVideo) {
  const std::string user = std::string("\0\0\1\xB2", 4) + "Camcorder" + std::string(1, '\0');
  const std::string ext = std::string("\0\0\1\xB5\x14", 5) + std::string(5, '\0');
  // 100,000 bytes at 2,000 x 400 bit/s: an estimate of 1 s.
  const std::string body(100000, '\x55');
  const Row rows[] = {
      {"size", Sequence(2000) + Gop(0, 0, 0, 0) + body + Gop(0, 0, 3, 0), "mpg", kItemVx, "352"},
      {"frame rate", Sequence(2000) + body, "mpg", kItemVf, "25.000"},
      {"time codes within five times the estimate", Sequence(2000) + Gop(0, 0, 0, 0) + body + Gop(0, 0, 3, 25), "mpg",
       kItemVd, "0h00m04s"},
      {"time codes past five times: the estimate", Sequence(2000) + Gop(0, 0, 0, 0) + body + Gop(0, 1, 0, 0), "mpeg",
       kItemVd, "0h00m01s"},
      {"no usable bitrate: the time codes", Sequence(0) + Gop(0, 0, 0, 0) + body + Gop(0, 1, 0, 0), "mpg", kItemVd,
       "0h01m00s"},
      {"version and user data", Sequence(2000) + ext + user + body, "mpg", kItemVi, "Mpeg2 - Camcorder"},
      {"program stream", std::string("\0\0\1\xBA", 4) + std::string(10, '\x44') + Sequence(2000) + body, "mpg",
       kItemVi, "Mpeg1"},
      {"no start code", "RIFF" + Sequence(2000), "mpg", kItemVx, ""},
  };
  for (const Row& row : rows) EXPECT_EQ(Read(row), row.text) << row.what;
}

}  // namespace
