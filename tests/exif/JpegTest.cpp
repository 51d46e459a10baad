// The JPEG marker walk on crafted files: the frame, the Exif and Photoshop
// segments, the comment, the picture size, and segments that break the walk.
#include <gtest/gtest.h>

#include "ExifFixtures.h"
#include "meta/Jpeg.h"

using namespace exiftest;

namespace {

// An Exif APP1 segment holding IFD0 and IFD1.
std::string Exif(const std::vector<Entree>& ifd0, const std::vector<Entree>& ifd1, bool big = false) {
  CTiffMaker t(big);
  const uint32_t a = t.Ifd(ifd0);
  t.Premier(a);
  if (!ifd1.empty()) t.Suivant(a, t.Ifd(ifd1));
  return Segment(0xE1, std::string("Exif\0\0", 6) + t.bytes);
}

TEST(JpegReader, Walk) {
  CTiffMaker t(false);
  struct Case {
    const char* what;
    std::string bytes;
    int code;
    int item;           // kNoItem: no check
    const char* texte;
    bool picture;
  };
  const std::string longComment(300, 'c');
  const std::string capped = longComment.substr(0, 256);
  const Case cases[] = {
      {"frame", Jpeg(Sof(100, 50, 3)), 0, kItemIb, "24", true},
      {"only the first frame", Jpeg(Sof(100, 50, 3) + Sof(7, 7, 1)), 0, kItemIx, "100", true},
      {"short frame skipped", Jpeg(Segment(0xC0, "12345678") + Sof(9, 9, 1)), 0, kItemIx, "9", true},
      {"comment", Jpeg(Segment(0xFE, "A comment\r\n")), 0, kItemIi, "A comment", true},
      {"comment capped", Jpeg(Segment(0xFE, longComment) + Sof(1, 2, 1)), 0, kItemIi,
       capped.c_str(), true},
      {"only the first comment", Jpeg(Segment(0xFE, "one") + Segment(0xFE, "two")), 0, kItemIi, "one", true},
      {"exif date", Jpeg(Exif({t.Ascii(271, "Maker")}, {})), 0, kItemXmk, "Maker", true},
      {"exif big-endian", Jpeg(Exif({CTiffMaker(true).Ascii(272, "Model")}, {}, true)), 0, kItemXmo, "Model",
       true},
      {"IFD1 size does not replace the frame's",
       Jpeg(Exif({t.Ascii(271, "M")}, {t.Long(256, 160)}) + Sof(640, 480, 3)), 0, kItemIx, "640", true},
      {"only the first exif block",
       Jpeg(Exif({t.Ascii(271, "First")}, {}) + Exif({t.Ascii(272, "Second")}, {})), 0, kItemXmo, "", true},
      {"other APP1 skipped", Jpeg(Segment(0xE1, "http://ns") + Exif({t.Ascii(271, "M")}, {})), 0, kItemXmk, "M",
       true},
      {"photoshop block",
       Jpeg(Segment(0xED, Photoshop(Dataset(25, "one") + Dataset(25, "two") + Dataset(25, "three")))), 0,
       kItemYkw, "one, two, three", true},
      {"no start marker", std::string("\xFF\xD9", 2) + Sof(1, 1, 1), -1, kItemIx, "", false},
      {"marker without FF", std::string("\xFF\xD8", 2) + Sof(5, 5, 1) + "\x12\xC0", -3, kItemIx, "5", false},
      {"segment length 0", std::string("\xFF\xD8", 2) + Sof(5, 5, 1) + std::string("\xFF\xE0\x00\x00", 4), -4,
       kItemIx, "5", false},
      {"segment length 1", std::string("\xFF\xD8\xFF\xE0\x00\x01", 6), -4, kNoItem, "", false},
      {"file ends inside the walk", std::string("\xFF\xD8", 2) + Sof(5, 5, 1), -2, kItemIx, "5", false},
      {"no end marker", Jpeg(Sof(4, 3, 1)).substr(0, Jpeg(Sof(4, 3, 1)).size() - 2), -10, kItemIx, "4", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CLecture l;
    Lire(l, "walk.jpg", c.bytes, ReadJpegFile);
    EXPECT_EQ(l.code, c.code);
    if (c.item != kNoItem) {
      EXPECT_EQ(l.Texte(c.item), c.texte);
    }
    EXPECT_EQ(l.entry.pictureOffset, c.picture ? 0 : -1);
    EXPECT_EQ(l.entry.pictureSize, c.picture ? int32_t(c.bytes.size()) : -1);
  }
}

// The picture ends at its end marker, not at the end of the file.
TEST(JpegReader, PictureSizeStopsAtTheEndMarker) {
  const std::string image = Jpeg(Sof(2, 2, 1));
  CLecture l;
  Lire(l, "trailer.jpg", image + std::string(5000, '\0'), ReadJpegFile);
  EXPECT_EQ(l.entry.pictureSize, int32_t(image.size()));
}

TEST(JpegReader, ExifThumbnail) {
  CTiffMaker t(false);
  const std::string vignette = std::string("\xFF\xD8\xFF\xD9", 4);
  // The thumbnail follows IFD1 inside the APP1 segment; offsets count from
  // the TIFF header, which starts 12 bytes into the file.
  const uint32_t a = t.Ifd({t.Ascii(271, "M")});
  t.Premier(a);
  const uint32_t ifd1 = uint32_t(t.bytes.size());
  const uint32_t at = ifd1 + 2 + 2 * 12 + 4;
  t.Suivant(a, t.Ifd({t.Long(513, at), t.Long(514, 4)}));
  const std::string bon = Jpeg(Segment(0xE1, std::string("Exif\0\0", 6) + t.bytes + vignette));
  CLecture l;
  Lire(l, "thumb.jpg", bon, ReadJpegFile);
  EXPECT_EQ(l.entry.thumbOffset, 12 + at);
  EXPECT_EQ(l.entry.thumbSize, 4);
  EXPECT_EQ(l.Texte(kItemXto), std::to_string(at));

  CLecture mauvais;
  Lire(mauvais, "badthumb.jpg", Jpeg(Segment(0xE1, std::string("Exif\0\0", 6) + t.bytes + "nope")), ReadJpegFile);
  EXPECT_EQ(mauvais.entry.thumbOffset, -1);
  EXPECT_EQ(mauvais.entry.thumbSize, -1);
}

}  // namespace
