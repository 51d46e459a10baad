// The APE tag reader on crafted tags: one row per thing a tag breaks or a
// rule decides.
#include <gtest/gtest.h>

#include "AudioFixtures.h"
#include "meta/ApeTag.h"

using namespace audiotest;

namespace {

int64_t gFin = -1;
int LireApe(MetaExtractor& x, const std::string& path) {
  if (x.File().OpenRead(path) != 0 || x.File().Size(&gFin) != 0) return -100;
  const int r = ReadApeTag(x, &gFin);
  x.File().Close();
  return r;
}

TEST(ApeTagReader, Items) {
  struct Case {
    const char* what;
    std::string bytes;
    int code;
    int item;
    std::string texte;
    int64_t fin;  // the tag-free end left
  };
  const std::string audio(100, 'a');
  const std::string title = ApeItem("Title", "Song");
  // An item whose flags ask for 8 more bytes after its value.
  const std::string bit15 = ApeItem("Album", "A", 0x8000) + std::string(8, 'z');
  const std::string withBit15 =
      bit15 + title + ApeBlock(2000, uint32_t(bit15.size() + title.size() + 32), 2, 0);
  const std::string one = title + ApeBlock(2000, uint32_t(title.size() + 32), 1, 0);
  const std::string manyItems = title + ApeBlock(2000, uint32_t(title.size() + 32), 3000000, 0);
  const std::string allItems = title + ApeBlock(2000, uint32_t(title.size() + 32), 0xFFFFFFFF, 0);
  const std::string noNul = Le32(1) + Le32(0) + "Title";
  const Case cases[] = {
      {"title", audio + Ape({title}), 0, kItemAt, "Song", 100},
      {"key in other case", audio + Ape({ApeItem("tItLe", "Song")}), 0, kItemAt, "Song", 100},
      {"first year key wins", Ape({ApeItem("Year", "2001"), ApeItem("Record Date", "2002")}), 0, kItemAy,
       "2001", 0},
      {"track", Ape({ApeItem("Track", "4/9")}), 0, kItemAk, "4/9", 0},
      {"url keys", Ape({ApeItem("File URL", "http://f")}), 0, kItemAu, "http://f", 0},
      {"original artist", Ape({ApeItem("OriginalArtist", "O")}), 0, kItemAo, "O", 0},
      {"unknown key skipped", Ape({ApeItem("Cover", "x"), ApeItem("Genre", "Pop")}), 0, kItemAg, "Pop", 0},
      {"binary value skipped", Ape({ApeItem("Title", "bin", 2), ApeItem("Artist", "B")}), 0, kItemAa, "B", 0},
      {"binary value claims", Ape({ApeItem("Title", "bin", 2), ApeItem("Title", "T")}), 0, kItemAt, "", 0},
      {"external value skipped", Ape({ApeItem("Title", "ext", 4)}), 0, kItemAt, "", 0},
      {"bit 15 skips 8 bytes", withBit15, 0, kItemAt, "Song", 0},
      {"version 2 texts are UTF-8", Ape({ApeItem("Title", "caf\xc3\xa9")}), 0, kItemAt, "caf\xe9", 0},
      {"version 1 texts are ANSI", Ape({ApeItem("Title", "caf\xe9")}, 1000), 0, kItemAt, "caf\xe9", 0},
      {"value cut at 256, next item read",
       Ape({ApeItem("Artist", std::string(300, 'v')), ApeItem("Album", "After")}), 0, kItemAA, "After", 0},
      {"header", audio + Ape({title}, 2000, true), 0, kItemAt, "Song", 100},
      {"no items", audio + Ape({}), 0, kItemAt, "", 100},
      {"no footer", audio + title + "APETAGEY" + one.substr(title.size() + 8), -2, kItemAt, "", 150},
      {"tag larger than the file", ApeBlock(2000, 5000, 1, 0), -3, kItemAt, "", 32},
      {"tag smaller than its footer", audio + ApeBlock(2000, 31, 1, 0), -3, kItemAt, "", 132},
      {"count in the millions", audio + manyItems, -4, kItemAt, "Song", 100},
      {"count 0xFFFFFFFF", audio + allItems, -4, kItemAt, "Song", 100},
      {"value past the items",
       Le32(500) + Le32(0) + "Title" + std::string(1, '\0') + "v" + ApeBlock(2000, 47, 1, 0), -4, kItemAt, "",
       0},
      {"key without its end", noNul + ApeBlock(2000, uint32_t(noNul.size() + 32), 1, 0), -4, kItemAt, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CLecture l;
    Lire(l, "tag.ape", c.bytes, LireApe);
    EXPECT_EQ(l.code, c.code);
    EXPECT_EQ(l.Texte(c.item), c.texte);
    EXPECT_EQ(gFin, c.fin);
  }
}

TEST(ApeTagReader, TrackNumbers) {
  CLecture l;
  Lire(l, "track.ape", Ape({ApeItem("Track", "4/9")}), LireApe);
  ASSERT_NE(l.entry.items.ints.Find(kItemAT), nullptr);
  ASSERT_NE(l.entry.items.ints.Find(kItemAn), nullptr);
  EXPECT_EQ(*l.entry.items.ints.Find(kItemAT), 4);
  EXPECT_EQ(*l.entry.items.ints.Find(kItemAn), 9);
}

}  // namespace
