// Collision numbers: the index of future names must count exactly what the
// definition counts (earlier names beginning with the prefix, ignoring case;
// base parts for the `f` forms), and the number texts follow the "%0*d" rule.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "expr/CCollision.h"
#include "os/CNoms.h"
#include "expr/CNettoyage.h"
#include "os/AnsiCase.h"

namespace {

// The definition, by a scan of every earlier name.
size_t NaiveCount(const std::vector<std::string>& earlier, const std::string& prefix) {
  size_t n = 0;
  for (const auto& name : earlier)
    if (name.size() >= prefix.size() &&
        AnsiCompareNoCase(name.data(), prefix.size(), prefix.data(), prefix.size()) == 0)
      ++n;
  return n;
}

// One segment over files, as the evaluator runs it: for file i the prefix is
// cleaned with the file's directory, counted, then the finished name added.
struct File {
  const char* dir;
  const char* prefix;  // text produced before the variable
  const char* suffix;  // text produced after it
};

std::vector<std::string> RunSegment(const std::vector<File>& files, EFormeCollision forme) {
  const CNettoyage net{CNettoyageOptions()};
  CCollision index;
  std::vector<std::string> names;
  for (const File& f : files) {
    const std::string prefix = net.Nettoye(f.prefix, f.dir);
    const bool base = forme == EFormeCollision::kNcf || forme == EFormeCollision::kNcfs;
    const size_t count = base ? index.CompterBase(prefix) : index.Compter(prefix);
    std::string name = std::string(f.prefix) + TexteCollision(forme, count, 1, 1, 3) + f.suffix;
    net.Appliquer(name, f.dir);
    index.Ajouter(name);
    names.push_back(name);
  }
  return names;
}

TEST(Collision, DatesExample) {
  const std::vector<File> files = {
      {"", "20040101_", ".jpg"}, {"", "20041212_", ".jpg"}, {"", "20040101_", ".jpg"}};
  EXPECT_EQ((std::vector<std::string>{"20040101_001.jpg", "20041212_001.jpg", "20040101_002.jpg"}),
            RunSegment(files, EFormeCollision::kNc));
  const std::vector<File> s = {{"", "20040101", ".jpg"}, {"", "20041212", ".jpg"}, {"", "20040101", ".jpg"}};
  EXPECT_EQ((std::vector<std::string>{"20040101.jpg", "20041212.jpg", "20040101_001.jpg"}),
            RunSegment(s, EFormeCollision::kNcs));
}

TEST(Collision, CaseIsIgnored) {
  const std::vector<File> files = {{"", "Photo_", ".jpg"}, {"", "PHOTO_", ".jpg"}, {"", "photo_", ".jpg"},
                                   {"", "\xC9t\xE9_", ".jpg"}, {"", "\xE9T\xC9_", ".jpg"}};
  EXPECT_EQ((std::vector<std::string>{"Photo_001.jpg", "PHOTO_002.jpg", "photo_003.jpg",
                                      "\xC9t\xE9_001.jpg", "\xE9T\xC9_002.jpg"}),
            RunSegment(files, EFormeCollision::kNc));
}

TEST(Collision, SubDirectories) {
  const std::vector<File> files = {{"A\\", "x_", ".jpg"}, {"B\\", "x_", ".jpg"}, {"A\\", "x_", ".jpg"}};
  // %nc: the prefixes differ by the directory the clean-up puts in front.
  EXPECT_EQ((std::vector<std::string>{"A\\x_001.jpg", "B\\x_001.jpg", "A\\x_002.jpg"}),
            RunSegment(files, EFormeCollision::kNc));
  // %ncf: only the base part is compared.
  EXPECT_EQ((std::vector<std::string>{"A\\x_001.jpg", "B\\x_002.jpg", "A\\x_003.jpg"}),
            RunSegment(files, EFormeCollision::kNcf));
  EXPECT_EQ((std::vector<std::string>{"A\\x_.jpg", "B\\x__001.jpg", "A\\x__002.jpg"}),
            RunSegment(files, EFormeCollision::kNcfs));
}

TEST(Collision, EmptyPrefixCountsEveryEarlierName) {
  CCollision index;
  EXPECT_EQ(0u, index.Compter(""));
  index.Ajouter("a");
  index.Ajouter("");
  index.Ajouter("b.txt");
  EXPECT_EQ(3u, index.Compter(""));
  EXPECT_EQ(3u, index.CompterBase(""));
  EXPECT_EQ(1u, index.Compter("A"));
  EXPECT_EQ(0u, index.Compter("ab"));
  index.Vider();
  EXPECT_EQ(0u, index.Compter(""));
  EXPECT_EQ(0u, index.Taille());
}

// Prefixes that end inside an edge of the tree, at its end, or past it.
TEST(Collision, PrefixTreeSplits) {
  CArbrePrefixes t;
  const char* keys[] = {"abcdef", "abcxyz", "abc", "ab", "abcdef", "b", "abcdefg"};
  for (const char* k : keys) t.Ajouter(k);
  const struct {
    const char* prefix;
    size_t count;
  } cases[] = {{"", 7},      {"a", 6},      {"ab", 6},      {"abc", 5},       {"abcd", 3},
               {"abcdef", 3}, {"abcdefg", 1}, {"abcdefgh", 0}, {"abcx", 1},      {"abcxyz", 1},
               {"abcxyzz", 0}, {"abd", 0},    {"b", 1},       {"bb", 0},        {"c", 0}};
  for (const auto& c : cases) EXPECT_EQ(c.count, t.Compter(c.prefix)) << c.prefix;
}

// Thousands of random names from a small alphabet (so prefixes collide
// often), in directories, with dots: the index and the definition agree on
// every lookup, for both forms.
TEST(Collision, IndexMatchesTheDefinitionOnRandomNames) {
  std::mt19937 rng(12345);
  const std::string alphabet = "aAbB._\\\xE9\xC9";
  auto random_text = [&](size_t max_len) {
    std::string s;
    const size_t n = rng() % (max_len + 1);
    for (size_t i = 0; i < n; ++i) s += alphabet[rng() % alphabet.size()];
    return s;
  };
  for (int round = 0; round < 4; ++round) {
    CCollision index;
    std::vector<std::string> earlier;
    std::vector<std::string> earlier_bases;
    for (int i = 0; i < 3000; ++i) {
      const std::string prefix = random_text(round == 3 ? 1 : 6);
      ASSERT_EQ(NaiveCount(earlier, prefix), index.Compter(prefix)) << prefix;
      ASSERT_EQ(NaiveCount(earlier_bases, NomBase(prefix)), index.CompterBase(prefix)) << prefix;
      // Often the future name starts with a prefix used before.
      const std::string name = (rng() % 2 ? prefix : std::string()) + random_text(8);
      index.Ajouter(name);
      earlier.push_back(name);
      earlier_bases.push_back(NomBase(name));
    }
    EXPECT_EQ(earlier.size(), index.Taille());
  }
}

TEST(Collision, NumberTexts) {
  const struct {
    EFormeCollision forme;
    size_t count;
    int64_t start;
    int64_t step;
    int size;
    const char* expected;
  } cases[] = {
      {EFormeCollision::kNc, 0, 1, 1, 3, "001"},
      {EFormeCollision::kNc, 4, 1, 1, 3, "005"},
      {EFormeCollision::kNcf, 2, 10, 5, 2, "20"},
      {EFormeCollision::kNcs, 0, 1, 1, 3, ""},
      {EFormeCollision::kNcfs, 0, 1, 1, 3, ""},
      {EFormeCollision::kNcs, 1, 1, 1, 3, "_001"},
      {EFormeCollision::kNcfs, 3, 1, 1, 3, "_003"},
      {EFormeCollision::kNc, 1, 1, -1, 3, "000"},
      {EFormeCollision::kNc, 2, 1, -1, 3, "-01"},  // the sign counts in the size
      {EFormeCollision::kNc, 0, 0, 1, 1, "0"},
      {EFormeCollision::kNc, 99999, 1, 1, 3, "100000"},
      {EFormeCollision::kNc, 3, 999999999999LL, 999999999999LL, 1, "3999999999996"},
      {EFormeCollision::kNc, 100000, 1, INT64_MAX, 1, "9223372036854775807"},  // clamped
      {EFormeCollision::kNc, 100000, 0, INT64_MIN, 1, "-9223372036854775808"},
      {EFormeCollision::kNc, 0, INT64_MIN, 1, 20, "-9223372036854775808"},
      {EFormeCollision::kNc, 0, 7, 1, 20, "00000000000000000007"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, TexteCollision(c.forme, c.count, c.start, c.step, c.size));
}

TEST(Collision, NumberSizes) {
  const struct {
    bool given;
    int64_t value;
    int expected;
  } cases[] = {{false, 5, 3}, {true, 0, 3},  {true, 21, 3}, {true, 1, 1}, {true, 20, 20},
               {true, -2, 3}, {true, 999999999999LL, 3}};
  for (const auto& c : cases) EXPECT_EQ(c.expected, TailleNombre(c.given, c.value, 3));
}

TEST(Collision, OptionsPageSizeCheckNamesTheFirstFaultyField) {
  const struct {
    int sel, nom, piste, expected;
  } cases[] = {{3, 3, 2, 0},    {1, 20, 1, 0},  {0, 3, 2, -1},  {21, 0, 0, -1},
               {3, -5, 2, -2},  {3, 21, 99, -2}, {3, 3, 0, -3}, {20, 20, 21, -3}};
  for (const auto& c : cases) EXPECT_EQ(c.expected, VerifierTaillesNombres(c.sel, c.nom, c.piste));
}

}  // namespace
