// The TIFF reader on crafted structures: every tag rule's text, both byte
// orders, and structures that point outside themselves, back to themselves
// or ever deeper.
#include <gtest/gtest.h>

#include "ExifFixtures.h"
#include "files/CBaseTexts.h"
#include "meta/Tiff.h"
#include "os/LocalTime.h"

using namespace exiftest;

namespace {

// A TIFF file whose first IFD holds the entries.
std::string Tiff(bool big, const std::vector<Entree>& entrees) {
  CTiffMaker t(big);
  t.Premier(t.Ifd(entrees));
  return t.bytes;
}

struct RegleCase {
  const char* what;
  bool big;
  Entree (*entree)(const CTiffMaker&);
  int item;
  const char* texte;
};

const RegleCase kRegles[] = {
    {"text", false, [](const CTiffMaker& t) { return t.Ascii(270, "A camera  "); }, kItemXde, "A camera"},
    {"text, big-endian", true, [](const CTiffMaker& t) { return t.Ascii(271, "Maker"); }, kItemXmk, "Maker"},
    {"orientation 6", false, [](const CTiffMaker& t) { return t.Short(274, 6); }, kItemXor, "right-top"},
    {"orientation out of range", true, [](const CTiffMaker& t) { return t.Short(274, 9); }, kItemXor,
     "undefined"},
    {"rational whole", false, [](const CTiffMaker& t) { return t.Rationals(282, {72, 1}); }, kItemXxr, "72"},
    {"rational fraction", true, [](const CTiffMaker& t) { return t.Rationals(283, {300, 7}); }, kItemXyr,
     "42.86"},
    {"rational over zero", false, [](const CTiffMaker& t) { return t.Rationals(282, {5, 0}); }, kItemXxr,
     "0"},
    {"unit", false, [](const CTiffMaker& t) { return t.Short(296, 3); }, kItemXru, "cm"},
    {"unit other", false, [](const CTiffMaker& t) { return t.Short(41488, 7); }, kItemXfu, "undefined"},
    {"date not a date", false, [](const CTiffMaker& t) { return t.Ascii(306, "2005:02:01"); }, kItemXdt,
     "2005:02:01"},
    {"white point list", false, [](const CTiffMaker& t) { return t.Rationals(318, {313, 1000, 329, 1000, 5, 1}); },
     kItemXwp, "313/1000,329/1000"},
    {"exposure 1/250", false, [](const CTiffMaker& t) { return t.Rationals(33434, {1, 250}); }, kItemXet,
     "1/250s"},
    {"exposure 10/1", true, [](const CTiffMaker& t) { return t.Rationals(33434, {10, 1}); }, kItemXet,
     "10.00s"},
    {"exposure 10/30", false, [](const CTiffMaker& t) { return t.Rationals(33434, {10, 30}); }, kItemXet,
     "1/3.0s"},
    {"exposure 0/5", false, [](const CTiffMaker& t) { return t.Rationals(33434, {0, 5}); }, kItemXet, "0/5s"},
    {"f-number", false, [](const CTiffMaker& t) { return t.Rationals(33437, {28, 10}); }, kItemXfn, "F2.8"},
    {"program", false, [](const CTiffMaker& t) { return t.Short(34850, 3); }, kItemXep, "aperture priority"},
    {"version", false, [](const CTiffMaker& t) { return t.Undef(36864, "0220"); }, kItemXve, "0220"},
    {"components", true, [](const CTiffMaker& t) { return t.Undef(37121, std::string("\1\2\3\0", 4)); },
     kItemXcc, "YCbCr"},
    {"shutter APEX 8", false, [](const CTiffMaker& t) { return t.Rationals(37377, {8, 1}, true); }, kItemXss,
     "1/256s"},
    {"shutter APEX -1", false,
     [](const CTiffMaker& t) { return t.Rationals(37377, {0xFFFFFFFF, 1}, true); }, kItemXss, "2.00s"},
    {"aperture APEX 2", false, [](const CTiffMaker& t) { return t.Rationals(37378, {2, 1}); }, kItemXav,
     "F2.0"},
    {"EV fraction", true,
     [](const CTiffMaker& t) { return t.Rationals(37380, {0xFFFFFFFF, 3}, true); }, kItemXev, "EV-0.3"},
    {"EV whole", false, [](const CTiffMaker& t) { return t.Rationals(37379, {2, 1}, true); }, kItemXbv, "EV2"},
    {"distance unknown", false, [](const CTiffMaker& t) { return t.Rationals(37382, {0, 0}); }, kItemXsd,
     "unknown"},
    {"distance metres", false, [](const CTiffMaker& t) { return t.Rationals(37382, {5, 1}); }, kItemXsd, "5m"},
    {"metering", false, [](const CTiffMaker& t) { return t.Short(37383, 255); }, kItemXmm, "other"},
    {"light source reserved", false, [](const CTiffMaker& t) { return t.Short(37384, 16); }, kItemXls,
     "reserved"},
    {"flash auto", false, [](const CTiffMaker& t) { return t.Short(37385, 0x19); }, kItemXfa, "flash, auto"},
    {"flash no function", false, [](const CTiffMaker& t) { return t.Short(37385, 32); }, kItemXfa,
     "no flash function"},
    {"flash all bits", true, [](const CTiffMaker& t) { return t.Short(37385, 0x4F); }, kItemXfa,
     "flash, return light detected, forced, red-eye reduction mode"},
    {"flash return not detected", false, [](const CTiffMaker& t) { return t.Short(37385, 0x14); }, kItemXfa,
     "no flash, return light not detected, suppressed"},
    {"focal length", false, [](const CTiffMaker& t) { return t.Rationals(37386, {50, 1}); }, kItemXfl,
     "50.00mm"},
    {"comment with a code", false,
     [](const CTiffMaker& t) { return t.Undef(37510, std::string("ASCII\0\0\0Hello", 13)); }, kItemXuc,
     "Hello"},
    {"comment without a code", false, [](const CTiffMaker& t) { return t.Undef(37510, "Hello world"); },
     kItemXuc, "Hello world"},
    {"comment short", false, [](const CTiffMaker& t) { return t.Undef(37510, "abc"); }, kItemXuc, "abc"},
    {"comment unicode", false,
     [](const CTiffMaker& t) { return t.Undef(37510, std::string("Unicode\0H\0i\0", 12)); }, kItemXuc, "Hi"},
    {"comment unicode big-endian file", true,
     [](const CTiffMaker& t) { return t.Undef(37510, std::string("Unicode\0\0H\0i", 12)); }, kItemXuc, "Hi"},
    {"comment unicode with a mark", true,
     [](const CTiffMaker& t) { return t.Undef(37510, std::string("Unicode\0\xFF\xFEH\0i\0", 14)); }, kItemXuc,
     "Hi"},
    {"color space", false, [](const CTiffMaker& t) { return t.Short(40961, 0xFFFF); }, kItemXcs,
     "uncalibrated"},
    {"pixel width", true, [](const CTiffMaker& t) { return t.Long(40962, 4000); }, kItemXiw, "4000"},
    {"focal length in 35 mm", false, [](const CTiffMaker& t) { return t.Short(41989, 35); }, kItemXfL, "35mm"},
    {"scene capture reserved", false, [](const CTiffMaker& t) { return t.Short(41990, 4); }, kItemXsc,
     "reserved"},
    {"bits summed", false,
     [](const CTiffMaker& t) { return Entree{258, 3, 3, t.U16(8) + t.U16(8) + t.U16(8)}; }, kItemIb, "24"},
    {"GPS version", false, [](const CTiffMaker& t) { return Entree{0, 1, 4, std::string("\2\2\0\0", 4)}; },
     kItemXgv, "2.2.0.0"},
    {"GPS latitude", true, [](const CTiffMaker& t) { return t.Rationals(2, {48, 1, 51, 1, 3025, 100}); },
     kItemXla, "48.000d51.000m30.250s"},
    {"GPS altitude", false, [](const CTiffMaker& t) { return t.Rationals(6, {1234, 10}); }, kItemXal,
     "123.40m"},
    {"GPS time", false, [](const CTiffMaker& t) { return t.Rationals(7, {10, 1, 5, 1, 7, 1}); }, kItemXTS,
     "10h05m07s"},
    {"GPS altitude reference", false, [](const CTiffMaker& t) { return Entree{5, 1, 1, std::string(1, '\0')}; },
     kItemXaL, "sea level"},
};

TEST(TiffReader, TagRules) {
  for (const RegleCase& c : kRegles) {
    SCOPED_TRACE(c.what);
    CTiffMaker t(c.big);
    CLecture l;
    Lire(l, "rule.tif", Tiff(c.big, {c.entree(t)}), ReadTiffFile);
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.Texte(c.item), c.texte);
  }
}

TEST(TiffReader, TypedValuesAndRotation) {
  CTiffMaker t(false);
  CLecture l;
  Lire(l, "typed.tif",
       Tiff(false, {t.Long(256, 3000), t.Short(274, 8), t.Rationals(33434, {1, 250}),
                    t.Ascii(36867, "2005:02:01 10:00:00")}),
       ReadTiffFile);
  EXPECT_EQ(*l.entry.items.ints.Find(kItemIx), 3000);
  EXPECT_DOUBLE_EQ(*l.entry.items.decs.Find(kItemXet), 0.004);
  EXPECT_EQ(l.entry.rotation, 2);
  // The date is the local time written in the file.
  const FileTime* ft = l.entry.items.dates.Find(kItemXdo);
  ASSERT_NE(ft, nullptr);
  CTempsLocal lt;
  ASSERT_EQ(FileTimeToLocalTime(*ft, &lt), 0);
  EXPECT_EQ(lt.year * 10000 + lt.month * 100 + lt.day, 20050201);
  EXPECT_EQ(lt.hour * 10000 + lt.minute * 100 + lt.second, 100000);
  EXPECT_EQ(l.Texte(kItemXdo), StandardDateText(*ft));
}

TEST(TiffReader, DivisionSymbol) {
  CTiffMaker t(false);
  CLecture l;
  l.options.divSymbol = "-";
  Lire(l, "symbol.tif", Tiff(false, {t.Rationals(33434, {1, 250}), t.Rationals(319, {64, 100, 33, 100})}),
       ReadTiffFile);
  EXPECT_EQ(l.Texte(kItemXet), "1-250s");
  EXPECT_EQ(l.Texte(kItemXpc), "64-100,33-100");
}

// Structures that break the walk: the reader ends, keeps what it read before,
// and reports a failure where the walk could not go on.
TEST(TiffReader, BrokenStructures) {
  struct Case {
    const char* what;
    std::string (*bytes)();
    bool failure;
    int item;      // an item read before the break, kNoItem for none
    int absent;    // an item the break keeps from being read
  };
  const Case cases[] = {
      {"chain pointing to itself",
       [] {
         CTiffMaker t(false);
         const uint32_t a = t.Ifd({t.Ascii(271, "Maker")});
         t.Suivant(a, a);
         t.Premier(a);
         return t.bytes;
       },
       true, kItemXmk, kNoItem},
      {"chain of two pointing back",
       [] {
         CTiffMaker t(true);
         const uint32_t a = t.Ifd({t.Ascii(271, "Maker")});
         const uint32_t b = t.Ifd({t.Ascii(272, "Model")}, a);
         t.Suivant(a, b);
         t.Premier(a);
         return t.bytes;
       },
       true, kItemXmo, kNoItem},
      {"sub-IFD list holding its own IFD",
       [] {
         CTiffMaker t(false);
         const uint32_t a = t.Ifd({t.Ascii(271, "Maker"), t.Long(330, 8), t.Ascii(272, "Model")});
         t.Premier(a);
         return t.bytes;
       },
       false, kItemXmo, kNoItem},
      {"Exif pointer to its own IFD",
       [] {
         CTiffMaker t(false);
         t.Premier(t.Ifd({t.Long(34665, 8), t.Ascii(271, "Maker")}));
         return t.bytes;
       },
       false, kItemXmk, kNoItem},
      {"sub-IFDs nested past the cap",
       [] {
         CTiffMaker t(false);
         // Each IFD points to the one after it; the deepest holds a make.
         const int n = CTiff::kProfondeurMax + 4;
         std::vector<uint32_t> offs;
         uint32_t next = 0;
         offs.push_back(t.Ifd({t.Ascii(271, "Deep")}));
         for (int i = 0; i < n; ++i) {
           next = t.Ifd({t.Long(330, offs.back())});
           offs.push_back(next);
         }
         t.Premier(next);
         return t.bytes;
       },
       false, kNoItem, kItemXmk},
      {"chain longer than the IFD cap",
       [] {
         CTiffMaker t(false);
         // The first IFD holds the model, the last one past the cap the make.
         uint32_t next = t.Ifd({t.Ascii(271, "Maker")});
         for (int i = 0; i < CTiff::kIfdMax; ++i) next = t.Ifd({t.Short(274, 1)}, next);
         t.Premier(t.Ifd({t.Ascii(272, "Model")}, next));
         return t.bytes;
       },
       true, kItemXmo, kItemXmk},
      {"IFD past the end",
       [] {
         CTiffMaker t(false);
         t.Premier(0xFFFFFFF0);
         return t.bytes;
       },
       true, kNoItem, kNoItem},
      {"entry count past the end",
       [] {
         CTiffMaker t(false);
         t.Premier(t.Ifd({t.Ascii(271, "Maker")}));
         t.bytes.replace(8, 2, t.U16(0xFFFF));
         return t.bytes;
       },
       true, kNoItem, kItemXmk},
      {"value outside the structure",
       [] {
         CTiffMaker t(false);
         Entree loin = t.Ascii(270, "far away text");
         loin.at = true;
         loin.offset = 0xFFFFFFF0;
         t.Premier(t.Ifd({loin, t.Ascii(271, "Maker")}));
         return t.bytes;
       },
       false, kItemXmk, kItemXde},
      {"value in the header",
       [] {
         CTiffMaker t(false);
         Entree tete = t.Ascii(270, "12345678");
         tete.at = true;
         tete.offset = 0;
         t.Premier(t.Ifd({tete}));
         return t.bytes;
       },
       false, kItemXde, kNoItem},
      {"invalid type",
       [] {
         CTiffMaker t(false);
         t.Premier(t.Ifd({Entree{271, 13, 1, "abcd"}, t.Ascii(272, "Model")}));
         return t.bytes;
       },
       false, kItemXmo, kItemXmk},
      {"count times size wraps 32 bits",
       [] {
         CTiffMaker t(false);
         t.Premier(t.Ifd({Entree{270, 5, 0x20000000, "", true, 8}, t.Ascii(272, "Model")}));
         return t.bytes;
       },
       false, kItemXmo, kNoItem},
      {"wrong magic",
       [] {
         CTiffMaker t(false, 43);
         t.Premier(t.Ifd({t.Ascii(271, "Maker")}));
         return t.bytes;
       },
       true, kNoItem, kItemXmk},
      {"mixed byte order marks",
       [] {
         CTiffMaker t(false);
         t.Premier(t.Ifd({t.Ascii(271, "Maker")}));
         t.bytes[1] = 'M';
         return t.bytes;
       },
       true, kNoItem, kItemXmk},
      {"raw variant magic",
       [] {
         CTiffMaker t(false, 0x4F52);
         t.Premier(t.Ifd({t.Ascii(271, "Maker")}));
         return t.bytes;
       },
       false, kItemXmk, kNoItem},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CLecture l;
    Lire(l, "broken.tif", c.bytes(), ReadTiffFile);
    EXPECT_EQ(l.code != 0, c.failure) << l.code;
    if (c.item != kNoItem) {
      EXPECT_TRUE(l.A(c.item));
    }
    if (c.absent != kNoItem) {
      EXPECT_FALSE(l.A(c.absent));
    }
  }
}

// A reduced-resolution IFD fills only what no other IFD claims, and never
// the image size.
TEST(TiffReader, ReducedResolutionIfd) {
  CTiffMaker t(false);
  const uint32_t full = t.Ifd({t.Long(256, 3000), t.Ascii(271, "Full"), t.Ascii(305, "Tool")});
  const uint32_t petit =
      t.Ifd({t.Long(254, 1), t.Long(256, 160), t.Ascii(271, "Small"), t.Ascii(272, "Model")}, full);
  t.Premier(petit);
  CLecture l;
  Lire(l, "reduced.tif", t.bytes, ReadTiffFile);
  EXPECT_EQ(l.code, 0);
  EXPECT_EQ(l.Texte(kItemIx), "3000");
  EXPECT_EQ(l.Texte(kItemXmk), "Full");
  EXPECT_EQ(l.Texte(kItemXmo), "Model");
  EXPECT_EQ(l.Texte(kItemXso), "Tool");
}

TEST(TiffReader, ThumbnailValidation) {
  const std::string jpeg = std::string("\xFF\xD8", 2) + std::string(20, 'j') + std::string("\xFF\xD9", 2);
  struct Case {
    const char* what;
    uint32_t taille;   // announced size
    bool jpegStart;
    int64_t attendu;   // size kept, -1 cleared
  };
  const Case cases[] = {
      {"exact", uint32_t(jpeg.size()), true, int64_t(jpeg.size())},
      {"announced too long: trimmed to the end marker", uint32_t(jpeg.size() + 40), true, int64_t(jpeg.size())},
      {"not a JPEG", uint32_t(jpeg.size()), false, -1},
      {"past the end of the file", 0x7FFFFFF0, true, int64_t(jpeg.size())},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CTiffMaker t(false);
    const uint32_t ifd = t.Ifd({t.Long(513, 0), t.Long(514, c.taille)});
    t.Premier(ifd);
    const uint32_t at = uint32_t(t.bytes.size());
    t.bytes.replace(ifd + 2 + 8, 4, t.U32(at));
    t.bytes += c.jpegStart ? jpeg : "xx" + jpeg.substr(2);
    t.bytes += std::string(40, '\0');
    CLecture l;
    Lire(l, "thumb.tif", t.bytes, ReadTiffFile);
    EXPECT_EQ(l.entry.thumbSize, c.attendu);
    EXPECT_EQ(l.entry.thumbOffset, c.attendu < 0 ? -1 : int64_t(at));
  }
}

}  // namespace
