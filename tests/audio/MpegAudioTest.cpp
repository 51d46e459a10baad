// MPEG audio frames: header decoding, then the frame analysis of crafted
// files (constant bitrate, Xing and VBRI headers, the header searches).
#include <gtest/gtest.h>

#include "AudioFixtures.h"
#include "meta/MpegAudio.h"

using namespace audiotest;

namespace {

TEST(MpegAudio, HeaderDecoding) {
  struct Case {
    const char* what;
    std::string header;
    bool valid;
    int bitrate, sampling, length, samples;
  };
  const Case cases[] = {
      {"MPEG 1 Layer III", Header(3, 2, 9, 0, 0), true, 128, 44100, 417, 1152},
      {"padding", Header(3, 2, 9, 0, 0, 1), true, 128, 44100, 418, 1152},
      {"MPEG 2 Layer III", Header(2, 2, 8, 0, 0), true, 64, 22050, 208, 576},
      {"MPEG 2.5 Layer III", Header(0, 2, 1, 2, 3), true, 8, 8000, 72, 576},
      {"MPEG 1 Layer I", Header(3, 0, 1, 0, 0, 1), true, 32, 44100, 36, 384},
      {"MPEG 1 Layer II", Header(3, 1, 10, 1, 0), true, 192, 48000, 576, 1152},
      {"MPEG 2 Layer II", Header(2, 1, 14, 2, 0), true, 160, 16000, 1440, 1152},
      {"reserved version", Header(1, 2, 9, 0, 0), false, 0, 0, 0, 0},
      {"reserved layer", Header(3, 3, 9, 0, 0), false, 0, 0, 0, 0},
      {"free format", Header(3, 2, 0, 0, 0), false, 0, 0, 0, 0},
      {"bitrate index 15", Header(3, 2, 15, 0, 0), false, 0, 0, 0, 0},
      {"sampling index 3", Header(3, 2, 9, 3, 0), false, 0, 0, 0, 0},
      {"no sync", Bytes("\xFF\x1B\x90\x40", 4), false, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const uint8_t* b = reinterpret_cast<const uint8_t*>(c.header.data());
    CEnteteMpeg h;
    ASSERT_EQ(DecodeMpegHeader(uint32_t(b[0]) | b[1] << 8 | b[2] << 16 | uint32_t(b[3]) << 24, &h), c.valid);
    if (!c.valid) continue;
    EXPECT_EQ(h.bitrate, c.bitrate);
    EXPECT_EQ(h.sampling, c.sampling);
    EXPECT_EQ(h.length, c.length);
    EXPECT_EQ(h.samples, c.samples);
  }
}

std::string Frames(const std::string& header, size_t length, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += FrameOf(header, length);
  return s;
}

// A first frame holding a Xing header at `offset` from its start.
std::string Xing(const std::string& header, size_t offset, uint32_t flags, uint32_t frames, uint32_t bytes) {
  return FrameOf(header, 600,
                 std::string(offset - 4, '\0') + "Xing" + Be32(flags) + Be32(frames) + Be32(bytes));
}
std::string Vbri(uint32_t bytes, uint32_t frames) {
  return FrameOf(Cbr128(0), 417,
                 std::string(32, '\0') + "VBRI" + std::string(6, '\0') + Be32(bytes) + Be32(frames));
}

TEST(MpegAudio, FrameAnalysis) {
  struct Case {
    const char* what;
    std::string bytes;
    int code;
    const char* bitrate;   // %Ab
    const char* duration;  // %Ad
    const char* info;      // %Ai
    const char* mode;      // %AM
  };
  const std::string tag = Id3v2(3, Text(3, "TIT2", "T"));
  const std::string cbr40 = Frames(Cbr128(), kCbr128Length, 40);  // 16680 bytes: one second
  const std::string mono = Header(3, 2, 9, 0, 3);
  const std::string mpeg2 = Header(2, 2, 8, 0, 0), mpeg2Mono = Header(2, 2, 8, 0, 3);
  const std::string h64 = Header(3, 2, 5, 0, 1);  // 64 kbit/s, 208 bytes
  const Case cases[] = {
      {"constant bitrate", tag + cbr40, 0, "128", "00m01s", "", "stereo (joint)"},
      {"audio size without the ID3v1 tag",
       Frames(Cbr128(), kCbr128Length, 38) + std::string(144, '\0') + Id3v1("t", "", "", "", 0, 0), 0, "128",
       "", "", "stereo (joint)"},
      {"junk before the first frame", tag + std::string(1000, '\0') + cbr40, 0, "128", "00m01s", "",
       "stereo (joint)"},
      {"no frame within 51200 bytes", tag + std::string(52000, '\0') + cbr40, -2, "", "", "", ""},
      {"free-format header passed over", Header(3, 2, 0, 0, 0) + cbr40, 0, "128", "00m01s", "",
       "stereo (joint)"},
      {"next frame found after junk",
       FrameOf(Cbr128(), kCbr128Length) + std::string(100, '\0') + Frames(h64, 208, 80), 0, "64", "00m02s",
       "", "stereo (joint)"},
      {"frames that do not follow", FrameOf(Cbr128(), kCbr128Length) + std::string(4000, '\0'), -8, "", "",
       "", ""},
      {"lone frame at the end", FrameOf(Cbr128(), kCbr128Length), -8, "", "", "", ""},
      {"mono", Frames(mono, kCbr128Length, 3), 0, "128", "", "", "mono"},
      {"dual channel", Frames(Header(3, 2, 9, 0, 2), kCbr128Length, 3), 0, "128", "", "",
       "stereo (dual channel)"},
      {"Xing", Xing(Cbr128(), 36, 3, 100, 50000) + std::string(60000, 'x'), 0, "VBR200", "00m02s", "VBR Xing",
       "stereo (joint)"},
      {"Xing mono", Xing(mono, 21, 3, 100, 50000) + std::string(60000, 'x'), 0, "VBR200", "00m02s",
       "VBR Xing", "mono"},
      {"Xing MPEG 2", Xing(mpeg2, 21, 3, 200, 50000) + std::string(60000, 'x'), 0, "VBR80", "00m05s",
       "VBR Xing", "stereo"},
      {"Xing MPEG 2 mono", Xing(mpeg2Mono, 13, 3, 200, 50000) + std::string(60000, 'x'), 0, "VBR80", "00m05s",
       "VBR Xing", "mono"},
      {"Xing byte count past the audio", Xing(Cbr128(), 36, 3, 100, 900000) + std::string(59400, 'x'), 0,
       "VBR240", "00m02s", "VBR Xing", "stereo (joint)"},
      {"Xing without counts", Xing(Cbr128(), 36, 0, 0, 0) + std::string(31400, 'x'), 0, "VBR128", "00m02s",
       "VBR Xing", "stereo (joint)"},
      {"Xing of no whole second", Xing(Cbr128(), 36, 1, 30, 0) + std::string(1000, 'x'), -4, "", "", "", ""},
      {"Xing counts cut off", Xing(Cbr128(), 36, 3, 100, 50000).substr(0, 48), -6, "", "", "", ""},
      {"VBRI", Vbri(10000, 200) + std::string(12000, 'x'), 0, "VBR16", "00m05s", "VBR Fraunhofer", "stereo"},
      {"Xing frame count 0xFFFFFFFF", Xing(Cbr128(), 36, 3, 0xFFFFFFFF, 50000) + std::string(60000, 'x'), 0,
       "VBR128", "00m03s", "VBR Xing", "stereo (joint)"},
      {"VBRI frame count 0xFFFFFFFF", Vbri(10000, 0xFFFFFFFF) + std::string(12000, 'x'), -5, "", "", "", ""},
      {"VBRI of no frames", Vbri(10000, 0) + std::string(12000, 'x'), -5, "", "", "", ""},
      {"empty file", "", -2, "", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CLecture l;
    Lire(l, "frames.mp3", c.bytes, ReadMpegAudioFile);
    EXPECT_EQ(l.code, c.code);
    EXPECT_EQ(l.Texte(kItemAb), c.bitrate);
    EXPECT_EQ(l.Texte(kItemAd), c.duration);
    EXPECT_EQ(l.Texte(kItemAi), c.info);
    EXPECT_EQ(l.Texte(kItemAM), c.mode);
    if (c.code == 0) {
      EXPECT_EQ(l.Texte(kItemAs),
                c.bytes.find(mpeg2) != std::string::npos || c.bytes.find(mpeg2Mono) != std::string::npos
                    ? "22050"
                    : "44100");
    }
  }
}

// Both tags and the frames in one file, read through the extension table:
// the ID3v1 title in %mt, the ID3v2 one in %At, the track numbers with the
// track-number width.
TEST(MpegAudio, WholeFileThroughTheExtensionTable) {
  const std::string song = Id3v2(3, Text(3, "TIT2", "Two") + Text(3, "TRCK", "3/12")) +
                           Frames(Cbr128(), kCbr128Length, 3) + Id3v1("One", "", "", "", 5, 0);
  const std::string path = WriteScratchFile("audio_", "song.MP3", song);
  CFichier entry;
  CMetaOptions options;
  options.trackWidth = 2;
  ExtractMetadata(entry, path, options);
  EXPECT_EQ(entry.items.Text(kItemmt), "One");
  EXPECT_EQ(entry.items.Text(kItemAt), "Two");
  EXPECT_EQ(entry.items.Text(kItemAk), "3/12");
  EXPECT_EQ(entry.items.Text(kItemAT), "03");
  EXPECT_EQ(entry.items.Text(kItemAn), "12");
  EXPECT_EQ(entry.items.Text(kItemmT), "05");
  EXPECT_EQ(entry.items.Text(kItemAb), "128");
}

}  // namespace
