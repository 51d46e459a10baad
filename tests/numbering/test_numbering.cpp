// The numbering variables evaluated through the program's hooks and name
// clean-up, over a selection, as a rename run computes them.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "../expr/ExprTestUtil.h"
#include "expr/CCalculNoms.h"
#include "expr/CHooksProgramme.h"
#include "expr/CNettoyage.h"
#include "os/CNoms.h"
#include "os/AnsiCase.h"

namespace {

using Names = std::vector<std::string>;

// A selection in list order, run with the program's hooks and the default
// clean-up (which puts the directory of the current name in front).
struct Selection {
  std::vector<CFichier> entries;
  ExprOptions options;
  CNettoyage cleanup{CNettoyageOptions()};

  explicit Selection(const std::vector<EntreeTest>& files) {
    for (const auto& f : files) entries.push_back(Fichier(f));
  }
  explicit Selection(const Names& names) {
    for (const auto& n : names) entries.push_back(Fichier(EntreeTest{n}));
  }
  Names operator()(const std::string& expr) {
    std::vector<CFichier*> sel;
    for (size_t k = 0; k < entries.size(); ++k) {
      entries[k].selOrder = static_cast<int>(k);
      sel.push_back(&entries[k]);
    }
    CHooksProgramme hooks;
    CCalculNoms calc(options, &hooks);
    calc.nettoyage = [this](const CFichier& e, std::string& name) {
      cleanup.Appliquer(name, NomRepertoire(e.name));
    };
    calc.Calculer(expr, sel);
    Names out;
    for (const auto& e : entries) out.push_back(e.futureName);
    return out;
  }
};

struct Case {
  const char* expr;
  Names expected;
};

void CheckAll(Selection& run, const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(run(c.expr), c.expected) << c.expr;
}

}  // namespace

TEST(Numbering, SelectionNumbersAndTheirBlocks) {
  Selection run(Names{"a.jpg", "b.jpg", "c.jpg"});
  CheckAll(run, {
                    {"Img_%n{2}.jpg", {"Img_01.jpg", "Img_02.jpg", "Img_03.jpg"}},
                    {"Img_%n{2,10,5}.jpg", {"Img_10.jpg", "Img_15.jpg", "Img_20.jpg"}},
                    {"%n", {"001", "002", "003"}},
                    {"%n{0}", {"001", "002", "003"}},
                    {"%n{21}", {"001", "002", "003"}},
                    {"%n{20}", {"00000000000000000001", "00000000000000000002", "00000000000000000003"}},
                    {"%n{1}", {"1", "2", "3"}},
                    {"%n{,10}", {"010", "011", "012"}},
                    {"%n{3,1,-1}", {"001", "000", "-01"}},
                    {"%n{2,1,-1}", {"01", "00", "-1"}},
                    {"%n{999999999999}", {"001", "002", "003"}},
                    {"%n{-0,-0,-0}", {"000", "000", "000"}},
                    {"%n{,-1,1}", {"-01", "000", "001"}},
                    {"%ns", {"003", "003", "003"}},
                    {"%ns{1}", {"3", "3", "3"}},
                    {"%ns{25}", {"003", "003", "003"}},
                });
  run.options.numSelPad = 2;
  run.options.numSelDep = 0;
  run.options.numSelInc = 3;
  CheckAll(run, {{"%n", {"00", "03", "06"}}, {"%ns", {"03", "03", "03"}}});
  // A size from the configuration file past 20 is used as written; a block still needs 1 to 20.
  run.options.numSelPad = 25;
  CheckAll(run, {{"%n", {std::string(25, '0'), std::string(24, '0') + "3", std::string(24, '0') + "6"}},
                 {"%n{21}", {std::string(25, '0'), std::string(24, '0') + "3", std::string(24, '0') + "6"}},
                 {"%n{2}", {"00", "03", "06"}}});
}

TEST(Numbering, HugeStartsAndStepsSaturateInsteadOfOverflowing) {
  Selection run(Names{"a", "b", "c"});
  // Block values are read clamped to +-10^9.
  EXPECT_EQ(run("%n{1,999999999999,999999999999}"), (Names{"1000000000", "2000000000", "3000000000"}));
  EXPECT_EQ(run("%n{1,-1000000000,-1000000000}")[2], "-3000000000");
}

TEST(Numbering, PathNumbersCountPerDirectoryIgnoringCase) {
  Selection run(Names{"d1\\x.txt", "D1\\y.txt", "d2\\z.txt", "w.txt", "v.txt", "d1\\u.txt"});
  EXPECT_EQ(run("%np"), (Names{"d1\\001", "D1\\002", "d2\\001", "001", "002", "d1\\003"}));
  EXPECT_EQ(run("%np{1,0}_%f"), (Names{"d1\\0_x.txt", "D1\\1_y.txt", "d2\\0_z.txt", "0_w.txt", "1_v.txt",
                                       "d1\\2_u.txt"}));
}

TEST(Numbering, CollisionNumbersOnCollidingDates) {
  auto dated = [](const char* name, FileTime t) {
    EntreeTest e{name};
    e.dates = {{kItemDateModif, t}};
    return e;
  };
  Selection run({dated("Image1.jpg", Ft(2004, 1, 1, 12)), dated("Image2.jpg", Ft(2004, 12, 12, 12)),
           dated("Image3.jpg", Ft(2004, 1, 1, 18))});
  CheckAll(run, {
                    {"%dmd_%nc.%e", {"20040101_001.jpg", "20041212_001.jpg", "20040101_002.jpg"}},
                    {"%dmd%ncs.%e", {"20040101.jpg", "20041212.jpg", "20040101_001.jpg"}},
                    {"%dmd%ncs{2,5,10}.%e", {"20040101.jpg", "20041212.jpg", "20040101_05.jpg"}},
                    {"%dmd_%nc{1,0,2}.%e", {"20040101_0.jpg", "20041212_0.jpg", "20040101_2.jpg"}},
                    // Only the text before the variable is compared.
                    {"%nc_%dmd", {"001_20040101", "002_20041212", "003_20040101"}},
                });
}

TEST(Numbering, CharacterModifiersOnCollisionNumbersKeepThePlainCount) {
  Selection run(Names{"d1\\a.jpg", "d2\\b.jpg", "d1\\c.jpg"});
  const char* mods[] = {"@", "u", "l", "U", "L", "+", "-", "+u", "@-l"};
  for (const char* var : {"nc", "ncs", "ncf", "ncfs"}) {
    const Names plain = run(std::string("same%") + var + ".%e");
    ASSERT_NE(plain[0], plain[2]) << var;
    for (const char* m : mods) EXPECT_EQ(run(std::string("same%") + m + var + ".%e"), plain) << m << var;
  }
}

TEST(Numbering, CollisionsIgnoreCaseAndTheFFormsIgnoreThePath) {
  Selection run(Names{"d1\\Photo.jpg", "d2\\photo.jpg", "d1\\PHOTO.png"});
  CheckAll(run, {
                    // The prefix gets the file's directory: different directories do not collide.
                    {"%b%nc.%e", {"d1\\Photo001.jpg", "d2\\photo001.jpg", "d1\\PHOTO002.png"}},
                    {"%b%ncf.%e", {"d1\\Photo001.jpg", "d2\\photo002.jpg", "d1\\PHOTO003.png"}},
                    {"%b%ncfs.%e", {"d1\\Photo.jpg", "d2\\photo_001.jpg", "d1\\PHOTO_002.png"}},
                    {"%b%ncs.%e", {"d1\\Photo.jpg", "d2\\photo.jpg", "d1\\PHOTO_001.png"}},
                });
}

TEST(Numbering, CollisionPrefixIsCleanedLikeTheFinishedNames) {
  // "a<b" becomes "a_b" in the finished names, and the prefix is compared in that form.
  Selection run(Names{"x.txt", "y.txt"});
  EXPECT_EQ(run("a<b%ncs"), (Names{"a_b", "a_b_001"}));
  // Every earlier name matches an empty prefix.
  EXPECT_EQ(run("%ncs"), (Names{"", "_001"}));
}

TEST(Numbering, SecondSegmentSeesTheNamesOfTheFirst) {
  Selection run(Names{"a.txt", "b.txt", "c.txt"});
  // First segment gives every entry "same"; the second counts them by that name.
  EXPECT_EQ(run("same;%f_%nc"), (Names{"same_001", "same_002", "same_003"}));
}

TEST(Numbering, CollisionIndexAgreesWithTheDefinitionOnRandomNames) {
  std::mt19937 rng(12345);
  const char alphabet[] = "aAbB_.";
  Names names;
  for (int i = 0; i < 3000; ++i) {
    std::string n;
    const int len = 1 + static_cast<int>(rng() % 4);
    for (int k = 0; k < len; ++k) n += alphabet[rng() % 6];
    if (rng() % 4 == 0) n = (rng() % 2 ? "s\\" : "S\\") + n;
    names.push_back(n);
  }
  Selection run(names);
  const Names got = run("%b(1,2)%nc{1}");
  // The definition: count the finished earlier names beginning with the cleaned prefix.
  Names expected;
  for (size_t k = 0; k < names.size(); ++k) {
    const std::string base = NomBase(names[k]).substr(0, 2);
    const std::string prefix = run.cleanup.Nettoye(base, NomRepertoire(names[k]));
    size_t count = 0;
    for (size_t j = 0; j < k; ++j)
      if (expected[j].size() >= prefix.size() &&
          AnsiCompareNoCase(expected[j].data(), prefix.size(), prefix.data(), prefix.size()) == 0)
        ++count;
    expected.push_back(run.cleanup.Nettoye(base + std::to_string(1 + count), NomRepertoire(names[k])));
  }
  ASSERT_EQ(got.size(), expected.size());
  for (size_t k = 0; k < got.size(); ++k) ASSERT_EQ(got[k], expected[k]) << names[k];
}

TEST(Numbering, NumbersAndRunsFromTheBaseName) {
  Selection run(Names{"Fic2_15zzz784.txt"});
  struct Row {
    const char* expr;
    const char* expected;
  } rows[] = {
      {"%N", "002"},        {"%N2", "015"},       {"%N3", "784"},        {"%N4", ""},
      {"%N{4,0,-1}", "0784"}, {"%N0", ""},        {"%N{,,0}", ""},       {"%N{,5}", "007"},
      {"%N{,-3}", "-01"},   {"%N{1,,-3}", "2"},   {"%N{,,-4}", ""},      {"%N{30}", "002"},
      {"%N{,,3}x", "784x"}, {"%NN", "Fic"},       {"%NN2", "_"},         {"%NN3", "zzz"},
      {"%NN{-1}", "zzz"},   {"%NN0", ""},         {"%NN{4}", ""},        {"%NN{-4}", ""},
      {"%NN{-3}", "Fic"},   {"%N9", ""},          {"%N{20}", "00000000000000000002"},
      {"%N{0}", "002"},     {"%N{21}", "002"},
  };
  for (const auto& r : rows) EXPECT_EQ(run(r.expr)[0], r.expected) << r.expr;
  run.options.numDsNomPad = 1;
  run.options.numDsNomAjo = 10;
  EXPECT_EQ(run("%N")[0], "12");
}

TEST(Numbering, NumbersFromTheNameAtTheirLimits) {
  EXPECT_EQ(RunOfName("a99999999999999999999999b", false, 1, 0, 1), "9223372036854775807");
  EXPECT_EQ(RunOfName("a99999999999999999999999b", false, 1, 5, 1), "9223372036854775807");
  EXPECT_EQ(RunOfName("007", false, 1, 0, 1), "7");
  EXPECT_EQ(RunOfName("", false, 1, 0, 3), "");
  EXPECT_EQ(RunOfName("", true, -1, 0, 3), "");
  EXPECT_EQ(RunOfName("12", true, 1, 0, 3), "");
  EXPECT_EQ(RunOfName("x", false, -9223372036854775807LL - 1, 0, 3), "");
  // The name searched is the segment's input name without its path.
  Selection run(Names{"d7\\f8.txt"});
  EXPECT_EQ(run("%N")[0], "d7\\008");
}

TEST(Numbering, RandomNumbersHaveFourDigitsAndVary) {
  std::vector<std::string> names(400, "f.txt");
  Selection run(names);
  const Names got = run("%R%R");
  std::set<std::string> distinct;
  for (const auto& s : got) {
    ASSERT_EQ(s.size(), 8u) << s;
    for (char c : s) ASSERT_TRUE(c >= '0' && c <= '9') << s;
    distinct.insert(s);
  }
  EXPECT_GT(distinct.size(), 300u);
}
