#include <gtest/gtest.h>

#include "files/CBaseTexts.h"
#include "files/CNavHistory.h"

TEST(BaseTexts, AttributeLettersInFixedOrder) {
  const struct {
    uint32_t attrs;
    const char* letters;
  } cases[] = {
      {0, ""},
      {0x1 | 0x2 | 0x20, "AHR"},
      {0x10, "D"},
      {0x10 | 0x2 | 0x4, "DHS"},
      {0x200, "s"},
      {0x4, "S"},
      {0x800 | 0x4000 | 0x80 | 0x1000 | 0x400 | 0x100, "CENOPT"},
      {0xFFFFFFFFu, "DACEHNORPsST"},
      {0x8 | 0x40 | 0x2000, ""},  // flags without a letter add nothing
  };
  for (const auto& c : cases) EXPECT_EQ(AttributeText(c.attrs), c.letters) << std::hex << c.attrs;
}

TEST(NavHistory, AddBackForward) {
  CNavHistory h;
  std::string dir;
  EXPECT_FALSE(h.Move(-1, dir));
  h.Add("A");
  h.Add("A");  // the same as the last entry: nothing changes
  h.Add("B");
  h.Add("C");
  EXPECT_EQ(h.Dirs().size(), 3u);
  ASSERT_TRUE(h.Move(-1, dir));
  EXPECT_EQ(dir, "B");
  ASSERT_TRUE(h.Move(-1, dir));
  EXPECT_EQ(dir, "A");
  EXPECT_FALSE(h.Move(-1, dir));
  // Adding after going back drops everything after the position.
  h.Add("D");
  EXPECT_EQ(h.Dirs(), (std::vector<std::string>{"A", "D"}));
  EXPECT_FALSE(h.CanMove(+1));
}

TEST(NavHistory, KeepsAtMostAHundred) {
  CNavHistory h;
  for (int i = 0; i < 150; ++i) h.Add(std::to_string(i));
  EXPECT_EQ(h.Dirs().size(), 100u);
  EXPECT_EQ(h.Dirs().front(), "50");
  EXPECT_EQ(h.Index(), 99);
}
