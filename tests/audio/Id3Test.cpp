// The ID3v1 and ID3v2 readers on crafted tags: one row per thing a tag
// breaks or a rule decides.
#include <gtest/gtest.h>

#include "AudioFixtures.h"
#include "meta/Id3v1.h"
#include "meta/Id3v2.h"
#include "meta/MpegAudio.h"

using namespace audiotest;

namespace {

// The ID3v2 reader alone, with the position it leaves.
int64_t gApres = -1;
int LireId3v2(MetaExtractor& x, const std::string& path) {
  if (x.File().OpenRead(path) != 0) return -100;
  const int r = ReadId3v2(x);
  gApres = x.File().Tell();
  x.File().Close();
  return r;
}

int64_t gFinAudio = -1;
int LireId3v1(MetaExtractor& x, const std::string& path) {
  if (x.File().OpenRead(path) != 0 || x.File().Size(&gFinAudio) != 0) return -100;
  const int r = ReadId3v1(x, &gFinAudio);
  x.File().Close();
  return r;
}

TEST(Id3v1Reader, Fields) {
  struct Case {
    const char* what;
    std::string bytes;
    int code;
    int item;
    const char* texte;
    int64_t fin;  // the audio end left
  };
  const std::string audio(300, '\x55');
  const Case cases[] = {
      {"title", audio + Id3v1("Song", "Band", "1999", "Nice", 0, 17), 0, kItemmt, "Song", 300},
      {"year", audio + Id3v1("Song", "Band", "1999", "Nice", 0, 17), 0, kItemmy, "1999", 300},
      {"genre", audio + Id3v1("Song", "Band", "1999", "Nice", 0, 17), 0, kItemmg, "Rock", 300},
      {"last genre", Id3v1("", "", "", "", 0, 147), 0, kItemmg, "Synthpop", 0},
      {"genre 255", Id3v1("", "", "", "", 0, 255), 0, kItemmg, "", 0},
      {"genre 148", Id3v1("", "", "", "", 0, 148), 0, kItemmg, "", 0},
      {"comment of 30 bytes", Id3v1("", "", "", std::string(30, 'c'), 0, 0), 0, kItemmc,
       "cccccccccccccccccccccccccccccc", 0},
      {"track ends the comment", Id3v1("", "", "", "short", 7, 0), 0, kItemmc, "short", 0},
      {"field of spaces and NULs", Id3v1(std::string("   \0  ", 6), "", "", "", 0, 0), 0, kItemmt, "", 0},
      {"no TAG", audio + "TAx" + Id3v1("a", "", "", "", 0, 0).substr(3), -2, kItemmt, "", 428},
      {"file shorter than a tag", "TAG", -1, kItemmt, "", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CLecture l;
    Lire(l, "v1.mp3", c.bytes, LireId3v1);
    EXPECT_EQ(l.code, c.code);
    EXPECT_EQ(l.Texte(c.item), c.texte);
    EXPECT_EQ(gFinAudio, c.fin);
  }
}

TEST(Id3v1Reader, TrackNumberIsAValueOnly) {
  CLecture l;
  Lire(l, "track.mp3", Id3v1("t", "", "", "", 9, 0), LireId3v1);
  ASSERT_NE(l.entry.items.ints.Find(kItemmT), nullptr);
  EXPECT_EQ(*l.entry.items.ints.Find(kItemmT), 9);
  // A zero in byte 125 without a track byte is no track.
  CLecture sans;
  Lire(sans, "notrack.mp3", Id3v1("t", "", "", "", 0, 0), LireId3v1);
  EXPECT_EQ(sans.entry.items.ints.Find(kItemmT), nullptr);
}

TEST(Id3v1Reader, GenreNames) {
  EXPECT_STREQ(Id3v1Genre(0), "Blues");
  EXPECT_STREQ(Id3v1Genre(40), "Alt. Rock");
  EXPECT_STREQ(Id3v1Genre(79), "Hard Rock");
  EXPECT_STREQ(Id3v1Genre(80), "Folk");
  EXPECT_STREQ(Id3v1Genre(140), "Contemporary C");
  EXPECT_EQ(Id3v1Genre(148), nullptr);
  EXPECT_EQ(Id3v1Genre(-1), nullptr);
}

std::string Comm(const std::string& desc, const std::string& text) {
  return Frame(3, "COMM", std::string(1, '\0') + "eng" + desc + std::string(1, '\0') + text);
}

TEST(Id3v2Reader, Frames) {
  const std::string t300(300, 't');
  const std::string plain130 = "TIT2" + Bytes("\x00\x00\x00\x82\x00\x00", 6) + '\0' + std::string(129, 'p');
  const std::vector<CCas> cases = {
      {"version 2.3 title", Id3v2(3, Text(3, "TIT2", "Hello")), 0, kItemAt, "Hello"},
      {"version 2.2 ids", Id3v2(2, Text(2, "TP1", "Band") + Text(2, "TAL", "Album")), 0, kItemAA, "Album"},
      {"version 2.2 unknown id skipped", Id3v2(2, Text(2, "TXX", "x") + Text(2, "TT2", "T")), 0, kItemAt,
       "T"},
      {"version 2.4 sizes of 7-bit bytes",
       Id3v2(4, Text(4, "TIT2", std::string(200, 'a')) + Text(4, "TPE1", "B")), 0, kItemAa, "B"},
      {"version 2.4 plain size", Id3v2(4, plain130 + Text(4, "TPE1", "B")), 0, kItemAa, "B"},
      {"first title wins", Id3v2(3, Text(3, "TIT2", "One") + Text(3, "TIT2", "Two")), 0, kItemAt, "One"},
      {"empty title still claims", Id3v2(3, Text(3, "TIT2", "") + Text(3, "TIT2", "Two")), 0, kItemAt, ""},
      {"last comment wins", Id3v2(3, Comm("a", "First") + Comm("b", "Last")), 0, kItemAc, "Last"},
      {"empty comment does not erase", Id3v2(3, Comm("a", "First") + Comm("b", "")), 0, kItemAc, "First"},
      {"comment without description end", Id3v2(3, Frame(3, "COMM", Bytes("\0engdesc", 8))), 0, kItemAc, ""},
      {"genre by number", Id3v2(3, Text(3, "TCON", "(17)")), 0, kItemAg, "Rock"},
      {"genre words after the number", Id3v2(3, Text(3, "TCON", " (17)Rock and Roll ")), 0, kItemAg,
       "Rock and Roll"},
      {"genre number out of the table", Id3v2(3, Text(3, "TCON", "(200)")), 0, kItemAg, ""},
      {"genre in words", Id3v2(3, Text(3, "TCON", "  Jazz  ")), 0, kItemAg, "Jazz"},
      {"url after its description", Id3v2(3, Frame(3, "WXXX", Bytes("\0desc\0http://x", 14))), 0, kItemAu,
       "http://x"},
      {"UTF-16 little-endian", Id3v2(3, Frame(3, "TIT2", "\x01" + Utf16("Hi"))), 0, kItemAt, "Hi"},
      {"url single-byte after a UTF-16 description",
       Id3v2(3, Frame(3, "WXXX", "\x01" + Utf16("d") + Bytes("\0\0", 2) + "http://x")), 0, kItemAu,
       "http://x"},
      {"UTF-16 big-endian mark", Id3v2(3, Frame(3, "TIT2", "\x01" + Utf16("Hi", true))), 0, kItemAt, "Hi"},
      {"UTF-16 without mark", Id3v2(3, Frame(3, "TIT2", "\x01" + Utf16("Hi", false, false))), 0, kItemAt,
       "Hi"},
      {"UTF-16BE encoding", Id3v2(4, Frame(4, "TIT2", "\x02" + Utf16("Hi", true, false))), 0, kItemAt, "Hi"},
      {"UTF-8 encoding",
       Id3v2(4, Frame(4, "TIT2",
                      "\x03"
                      "caf\xc3\xa9")),
       0, kItemAt, "caf\xe9"},
      {"UTF-16 language escape",
       Id3v2(3, Frame(3, "TIT2",
                      "\x01" + Utf16("\x1b"
                                     "en\x1b"
                                     "Hi"))),
       0, kItemAt, "Hi"},
      {"UTF-16 comment",
       Id3v2(3, Frame(3, "COMM",
                      "\x01"
                      "eng" +
                          Utf16("d") + Bytes("\0\0", 2) + Utf16("text"))),
       0, kItemAc, "text"},
      {"no encoding byte", Id3v2(3, Frame(3, "TIT2", "Plain")), 0, kItemAt, "Plain"},
      {"text past 256 bytes cut, next frame read", Id3v2(3, Text(3, "TIT2", t300) + Text(3, "TPE1", "B")), 0,
       kItemAa, "B"},
      {"text cut at 255 after the encoding byte", Id3v2(3, Text(3, "TIT2", t300)), 0, kItemAt,
       t300.substr(0, 255)},
      {"frame of size 0", Id3v2(3, Frame(3, "TIT2", "") + Text(3, "TPE1", "B")), 0, kItemAa, "B"},
      {"padding ends the frames", Id3v2(3, Text(3, "TIT2", "T"), 64), 0, kItemAt, "T"},
      {"tag full of padding", Id3v2(3, "", 512), 0, kItemAt, ""},
      {"frame past the end of the tag",
       Id3v2(3, Text(3, "TIT2", "T") + "TPE1" + Be32(50) + Bytes("\0\0xy", 4)), -7, kItemAt, "T"},
      {"negative frame size", Id3v2(3, Text(3, "TIT2", "T") + "TPE1" + Be32(0x80000000) + Bytes("\0\0zz", 4)),
       -6, kItemAt, "T"},
      {"tag larger than the file", Id3v2(3, Text(3, "TIT2", "T"), 1000).substr(0, 30), -1, kItemAt, "T"},
      {"frame cut by the end of the file", Id3v2(3, Text(3, "TIT2", "Title")).substr(0, 24), 0, kItemAt, ""},
      {"compressed 2.3 frame skipped",
       Id3v2(3, Frame(3, "TIT2", Bytes("\0zip", 4), 0x80) + Text(3, "TIT2", "T")), 0, kItemAt, "T"},
      {"unsynchronised 2.4 frame skipped",
       Id3v2(4, Frame(4, "TIT2", Bytes("\0un", 3), 0x02) + Text(4, "TIT2", "T")), 0, kItemAt, "T"},
      {"unsynchronised tag read as it stands", Id3v2(3, Text(3, "TIT2", "T\xff"), 0, 0x80), 0, kItemAt,
       "T\xff"},
      {"recording time in 2.4", Id3v2(4, Text(4, "TDRC", "2004-05-01")), 0, kItemAy, "2004-05-01"},
      {"recording time is no 2.3 frame", Id3v2(3, Text(3, "TDRC", "2004")), 0, kItemAy, ""},
      {"extended header", Id3v2(3, Be32(6) + std::string(6, '\0') + Text(3, "TIT2", "T"), 0, 0x40), 0,
       kItemAt, "T"},
      {"2.4 extended header", Id3v2(4, SyncSafe(6) + Bytes("\x01\0", 2) + Text(4, "TIT2", "T"), 0, 0x40), 0,
       kItemAt, "T"},
      {"extended header of size 0", Id3v2(3, Be32(0) + Text(3, "TIT2", "T"), 0, 0x40), -5, kItemAt, ""},
      {"extended header larger than the tag", Id3v2(3, Be32(0xFFFFFFFF) + Text(3, "TIT2", "T"), 0, 0x40), -5,
       kItemAt, ""},
      {"version 5", Id3v2(5, Text(3, "TIT2", "T")), -3, kItemAt, ""},
      {"version 2.4.1", "ID3\x04\x01" + Id3v2(4, Text(4, "TIT2", "T")).substr(5), -3, kItemAt, ""},
      {"revision 0xFF", "ID3\x03\xff" + Id3v2(3, Text(3, "TIT2", "T")).substr(5), -2, kItemAt, ""},
      {"size 0", Id3v2(3, "") + Text(3, "TIT2", "T"), -2, kItemAt, ""},
      {"no tag", Text(3, "TIT2", "T"), -2, kItemAt, ""},
      {"file shorter than a header", "ID3\x03", -1, kItemAt, ""},
  };
  Verifier(cases, "v2.mp3", LireId3v2);
}

// The position after the tag is where the frames are looked for: the end of
// the tag whatever happened inside it, 0 without a tag.
TEST(Id3v2Reader, PositionAfterTheTag) {
  struct Case {
    const char* what;
    std::string bytes;
    int64_t apres;
  };
  const std::string tag = Id3v2(3, Text(3, "TIT2", "T"), 20);
  const Case cases[] = {
      {"tag", tag + "audio", int64_t(tag.size())},
      {"frames not read", Id3v2(5, std::string(40, 'x')) + "audio", 50},
      {"frame past the end", Id3v2(3, "TPE1" + Be32(50) + Bytes("\0\0xy", 4)) + "audio", 22},
      {"footer", Id3v2(4, Text(4, "TIT2", "T"), 0, 0x10) + std::string(10, 'f') + "audio", 32},
      {"no tag", "audio", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CLecture l;
    Lire(l, "pos.mp3", c.bytes, LireId3v2);
    EXPECT_EQ(gApres, c.apres);
  }
}

TEST(Id3v2Reader, TrackNumbers) {
  CLecture l;
  Lire(l, "trck.mp3", Id3v2(3, Text(3, "TRCK", "3/12")), LireId3v2);
  EXPECT_EQ(l.Texte(kItemAk), "3/12");
  ASSERT_NE(l.entry.items.ints.Find(kItemAT), nullptr);
  ASSERT_NE(l.entry.items.ints.Find(kItemAn), nullptr);
  EXPECT_EQ(*l.entry.items.ints.Find(kItemAT), 3);
  EXPECT_EQ(*l.entry.items.ints.Find(kItemAn), 12);
}

// Attached pictures: the MIME type, the picture location when its reader
// accepts the data, and the frames that give none.
TEST(Id3v2Reader, AttachedPicture) {
  const std::string jpeg = exiftest::Jpeg(exiftest::Sof(64, 48, 3));
  auto apic = [&](const std::string& mime, const std::string& desc, uint8_t enc = 0) {
    return Frame(3, "APIC", std::string(1, char(enc)) + mime + '\0' + '\3' + desc + jpeg);
  };
  struct Case {
    const char* what;
    std::string frames;
    int version;
    const char* mime;
    int64_t offset;  // -1: no location
    const char* largeur;
  };
  const std::string d0 = std::string("cover") + '\0';
  const std::string wide = Utf16("cover") + std::string(2, '\0');
  const Case cases[] = {
      {"jpeg", apic("image/jpeg", d0), 3, "image/jpeg", 10 + 10 + 1 + 11 + 1 + 6, "64"},
      {"UTF-16 description", apic("image/jpg", wide, 1), 3, "image/jpg", 10 + 10 + 1 + 10 + 1 + 14, "64"},
      {"version 2.2 format", Frame(2, "PIC", std::string("\0JPG\3", 5) + d0 + jpeg), 2, "JPG", 10 + 6 + 5 + 6,
       "64"},
      {"only the first picture located", apic("image/jpeg", d0) + apic("image/png", d0), 3, "image/jpeg", 39,
       "64"},
      {"unknown type", apic("image/webp", d0), 3, "image/webp", -1, ""},
      {"picture of 4 bytes", Frame(3, "APIC", Bytes("\0a\0\3", 4)), 3, "", -1, ""},
      {"data past the bytes read", apic("image/jpeg", std::string(600, 'd') + '\0'), 3, "image/jpeg", -1, ""},
      {"no MIME end", Frame(3, "APIC", Bytes("\0image/jpeg", 11)), 3, "image/jpeg", -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CLecture l;
    Lire(l, "apic.mp3", Id3v2(c.version, c.frames), LireId3v2);
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.Texte(kItemAIf), c.mime);
    EXPECT_EQ(l.entry.pictureOffset, c.offset);
    if (c.offset >= 0) {
      EXPECT_EQ(l.entry.pictureSize, int32_t(jpeg.size()));
    }
    EXPECT_EQ(l.Texte(kItemIx), c.largeur);
  }
}

}  // namespace
