// Photoshop blocks and IPTC records read from memory: repeatable datasets,
// the assembly of dates from their date and time datasets, and records
// whose sizes run past their block.
#include <gtest/gtest.h>

#include "ExifFixtures.h"
#include "meta/Iptc.h"
#include "os/LocalTime.h"

using namespace exiftest;

namespace {

int LireBloc(CLecture& l, const std::string& b, bool photoshop) {
  MetaExtractor x(l.entry, l.options);
  CBloc bloc(reinterpret_cast<const uint8_t*>(b.data()), uint32_t(b.size()), 0);
  return photoshop ? LirePhotoshop(x, bloc, 0, uint32_t(b.size())) : LireIptc(x, bloc, 0, uint32_t(b.size()));
}

TEST(IptcReader, Records) {
  struct Case {
    const char* what;
    std::string bytes;
    int item;
    const char* texte;
  };
  const Case cases[] = {
      {"keywords joined", Dataset(25, "one") + Dataset(25, "two") + Dataset(25, "three") + "pad", kItemYkw,
       "one, two, three"},
      {"first title wins", Dataset(5, "First") + Dataset(5, "Second") + "pad", kItemYon, "First"},
      {"other records skipped", Dataset(5, "Envelope", 1) + Dataset(5, "Title") + "pad", kItemYon, "Title"},
      {"size past the block", Dataset(80, "Author") + std::string("\x1C\x02\x05\xFF\xFF", 5) + "short",
       kItemYbl, "Author"},
      {"size past the block keeps nothing of it",
       Dataset(80, "Author") + std::string("\x1C\x02\x05\xFF\xFF", 5) + "short", kItemYon, ""},
      {"date too short stays text", Dataset(55, "2005") + "pad", kItemYdc, "2005"},
      {"release time alone stays text", Dataset(35, "xx") + "pad", kItemYdr, "xx"},
      {"text capped at 256", Dataset(120, std::string(300, 'c')) + Dataset(5, "After") + "pad", kItemYon,
       "After"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CLecture l;
    LireBloc(l, c.bytes, false);
    EXPECT_EQ(l.Texte(c.item), c.texte);
  }
}

TEST(IptcReader, DatesFromDateAndTime) {
  struct Case {
    const char* what;
    std::string bytes;
    int item;
    int date, heure;  // YYYYMMDD, HHMMSS
  };
  const Case cases[] = {
      {"date then time", Dataset(55, "20050201") + Dataset(60, "100000+0100") + "pad", kItemYdc, 20050201, 100000},
      {"time then date", Dataset(60, "101530") + Dataset(55, "20050201") + "pad", kItemYdc, 20050201, 101530},
      {"date alone", Dataset(30, "20040226") + "pad", kItemYdr, 20040226, 0},
      {"year and month", Dataset(55, "200502") + "pad", kItemYdc, 20050201, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CLecture l;
    LireBloc(l, c.bytes, false);
    const FileTime* ft = l.entry.items.dates.Find(c.item);
    ASSERT_NE(ft, nullptr);
    CTempsLocal t;
    ASSERT_EQ(FileTimeToLocalTime(*ft, &t), 0);
    EXPECT_EQ(t.year * 10000 + t.month * 100 + t.day, c.date);
    EXPECT_EQ(t.hour * 10000 + t.minute * 100 + t.second, c.heure);
  }
}

TEST(IptcReader, PhotoshopBlocks) {
  const std::string iptc = Dataset(5, "Title") + "pad";
  struct Case {
    const char* what;
    std::string bytes;
    int code;
    const char* titre;
  };
  const Case cases[] = {
      {"after an unnamed resource", Photoshop(iptc), 0, "Title"},
      {"after a resource with an odd name", Photoshop(iptc, "abc"), 0, "Title"},
      {"after a resource with an even name", Photoshop(iptc, "ab"), 0, "Title"},
      {"not a Photoshop block", "Photoshop 2.0" + Photoshop(iptc).substr(13), -1, ""},
      {"too short", std::string("Photoshop 3.0\0", 14), -1, ""},
      {"no resource mark", std::string("Photoshop 3.0\0", 14) + "9BIM" + std::string(20, 'x'), 0, ""},
      {"resource past the block", Photoshop(iptc).substr(0, 40), -3, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CLecture l;
    EXPECT_EQ(LireBloc(l, c.bytes, true), c.code);
    EXPECT_EQ(l.Texte(kItemYon), c.titre);
  }
}

}  // namespace
