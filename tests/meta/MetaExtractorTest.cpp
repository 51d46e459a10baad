// The extractor's claims, setter texts and text cleaning.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "files/CBaseTexts.h"
#include "meta/MetaExtractor.h"

namespace {

struct Fixture {
  CMetaOptions options;
  CFichier entry;
  MetaExtractor x{entry, options};
  std::string Text(int item) const { return entry.items.Text(item); }
};

TEST(MetaExtractor, SetterTextsAndClaims) {
  struct Row {
    const char* what;
    std::function<void(MetaExtractor&)> set;
    int item;
    const char* text;  // nullptr: no text stored
    bool hasInt;
  };
  const Row rows[] = {
      {"variable bitrate", [](MetaExtractor& x) { x.SetAudioBitrate(2, 192); }, kItemAb, "VBR192", true},
      {"constant bitrate", [](MetaExtractor& x) { x.SetAudioBitrate(1, 128); }, kItemAb, "128", true},
      {"ninety minutes", [](MetaExtractor& x) { x.SetAudioDuration(90 * 60); }, kItemAd, "90m00s", true},
      {"minutes unbounded", [](MetaExtractor& x) { x.SetAudioDuration(125 * 60 + 3); }, kItemAd, "125m03s", true},
      {"video hours", [](MetaExtractor& x) { x.SetVideoDuration(3725); }, kItemVd, "1h02m05s", true},
      {"six channels", [](MetaExtractor& x) { x.SetAudioChannels(6); }, kItemAM, "6 channels", false},
      {"joint stereo", [](MetaExtractor& x) { x.SetAudioMpegMode(1); }, kItemAM, "stereo (joint)", false},
      {"unknown MPEG mode claims without text",
       [](MetaExtractor& x) {
         x.SetAudioMpegMode(7);
         x.SetAudioChannels(2);
       },
       kItemAM, nullptr, false},
      {"frame rate", [](MetaExtractor& x) { x.SetFrameRate(29.97); }, kItemVf, "29.970", false},
      {"shutter as a fraction", [](MetaExtractor& x) { x.SetShutterSpeed(1 / 250.0); }, kItemXss, "1/250s", false},
      {"slow shutter", [](MetaExtractor& x) { x.SetShutterSpeed(0.8); }, kItemXss, "0.80s", false},
      {"shutter not positive is ignored, unclaimed",
       [](MetaExtractor& x) {
         x.SetShutterSpeed(-1);
         x.SetShutterSpeed(2);
       },
       kItemXss, "2.00s", false},
      {"focal length overwrites",
       [](MetaExtractor& x) {
         x.SetFocalLength(50);
         x.SetFocalLength(35);
       },
       kItemXfl, "35.00mm", false},
      {"first source wins",
       [](MetaExtractor& x) {
         x.SetText(kItemAt, "first");
         x.SetText(kItemAt, "second");
       },
       kItemAt, "first", false},
      {"an empty value still blocks",
       [](MetaExtractor& x) {
         x.SetText(kItemAa, std::string("  \0x", 4));
         x.SetText(kItemAa, "later");
       },
       kItemAa, nullptr, false},
      {"overwrite ignores claims",
       [](MetaExtractor& x) {
         x.SetText(kItemAc, "tag");
         x.OverwriteText(kItemAc, "v1");
       },
       kItemAc, "v1", false},
      {"unclaimed only",
       [](MetaExtractor& x) {
         x.SetTextIfUnclaimed(kItemXmk, "reduced");
         x.SetText(kItemXmk, "main");
         x.SetTextIfUnclaimed(kItemXmk, "again");
       },
       kItemXmk, "main", false},
  };
  for (const Row& row : rows) {
    Fixture f;
    row.set(f.x);
    EXPECT_EQ(f.Text(row.item), row.text ? row.text : "") << row.what;
    EXPECT_EQ(f.entry.items.ints.Find(row.item) != nullptr, row.hasInt) << row.what;
  }
  Fixture f;
  EXPECT_FALSE(f.x.Claim(kNoItem));
  EXPECT_FALSE(f.x.Claim(-1));
}

TEST(MetaExtractor, DatesCarryTheirStandardText) {
  Fixture f;
  const FileTime y2004 = 127175616000000000ull;  // 2004-01-01 12:00 UTC
  const FileTime y1960 = 113251968000000000ull;  // 1959-11-21, before the texts' epoch
  f.x.SetDate(kItemXdo, y2004);
  f.x.SetDate(kItemXdd, y1960);
  EXPECT_EQ(f.Text(kItemXdo), StandardDateText(y2004));
  EXPECT_FALSE(f.Text(kItemXdo).empty());
  ASSERT_NE(f.entry.items.dates.Find(kItemXdd), nullptr);
  EXPECT_EQ(f.Text(kItemXdd), "");
}

TEST(MetaExtractor, CleaningInEachEncoding) {
  struct Row {
    CTextEncoding encoding;
    std::string bytes, expected;
  };
  const Row rows[] = {
      {CTextEncoding::Ansi, std::string("abc\0def", 7), "abc"},
      {CTextEncoding::Ansi, "a\r\nb\tc \r\n", "a b c"},
      {CTextEncoding::Ansi, std::string("   \0\0", 5), ""},
      {CTextEncoding::Ansi, "a\x01\x7f" "b\n\n", "a  b"},
      {CTextEncoding::Ansi, "caf\xe9", "caf\xe9"},
      {CTextEncoding::Utf8, "caf\xc3\xa9 \xe2\x82\xac", "caf\xe9 \x80"},
      {CTextEncoding::Utf8, "\xc3(", "?("},
      {CTextEncoding::Mac, "\x8e\xa5\xdb", "\xe9\x95\x80"},
  };
  for (const Row& row : rows) {
    Fixture f;
    f.x.encoding = row.encoding;
    EXPECT_EQ(f.x.Clean(row.bytes), row.expected) << static_cast<int>(row.encoding) << " " << row.bytes;
  }
}

TEST(MetaExtractor, TextFieldsAreCutAt256AndSkippedWhole) {
  const std::string path = (std::filesystem::temp_directory_path() / "velto_meta_text.bin").string();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << std::string(300, 'x') << "tail" << std::string("h\0i\0", 4);
  }
  Fixture f;
  ASSERT_EQ(f.x.File().OpenRead(path), 0);
  std::string text;
  EXPECT_EQ(f.x.ReadText(300, &text), 0);
  EXPECT_EQ(text, std::string(256, 'x'));
  EXPECT_EQ(f.x.ReadText(4, &text), 0);
  EXPECT_EQ(text, "tail");
  EXPECT_EQ(f.x.ReadUtf16Text(4, &text), 0);
  EXPECT_EQ(text, "hi");
  EXPECT_NE(f.x.ReadText(10, &text), 0);  // the file ends inside the field
  f.x.File().Close();
  std::remove(path.c_str());
}

}  // namespace

namespace {

// Track texts: n, or n/m; anything else after n gives no numbers.
TEST(MetaExtractor, TrackNumbersFromText) {
  struct Row {
    const char* text;
    int64_t track, count;  // -1: no value
  };
  const Row rows[] = {
      {"3/12", 3, 12}, {"7", 7, -1}, {" 04", 4, -1}, {"5/", 5, -1}, {"3 of 12", -1, -1},
      {"/12", -1, -1}, {"x", -1, -1}, {"", -1, -1},  {"2/x", 2, -1}, {"99999999999999/1", 9999999999, 1},
  };
  for (const Row& row : rows) {
    Fixture f;
    f.x.SetTrackNumbers(row.text);
    const int64_t* track = f.entry.items.ints.Find(kItemAT);
    const int64_t* count = f.entry.items.ints.Find(kItemAn);
    EXPECT_EQ(track ? *track : -1, row.track) << row.text;
    EXPECT_EQ(count ? *count : -1, row.count) << row.text;
  }
}

}  // namespace
