#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "ExprTestUtil.h"
#include "expr/CColonnes.h"
#include "expr/CItems.h"

TEST(Colonnes, EveryItemInOrderWithItsNumber) {
  for (int i = 0; i < kItemCount; ++i) {
    const CColonne* c = Colonne(i);
    ASSERT_NE(c, nullptr) << i;
    EXPECT_EQ(c->item, i);
    EXPECT_GE(c->group, 0);
    EXPECT_LT(c->group, kGroupCount);
    EXPECT_GT(c->width, 0);
  }
  EXPECT_EQ(Colonne(-1), nullptr);
  EXPECT_EQ(Colonne(kNoItem), nullptr);
}

TEST(Colonnes, GroupsAreContiguousWithTheirSizes) {
  // First item of each group 0..11, then the end.
  const int firsts[] = {0, 3, 10, 15, 22, 37, 44, 59, 63, 159, 186, 204, 216};
  for (int g = 0; g < kGroupCount; ++g)
    for (int i = firsts[g]; i < firsts[g + 1]; ++i) EXPECT_EQ(Colonne(i)->group, g) << i;
}

TEST(Colonnes, TitleIdsCoverTheTitleRangeOnce) {
  std::set<int> ids;
  for (int i = 0; i < kItemCount; ++i) ids.insert(Colonne(i)->titleId);
  EXPECT_EQ(ids.size(), 216u);
  EXPECT_EQ(*ids.begin(), 36);  // "Attributes"
  EXPECT_EQ(*ids.rbegin(), 251);
  EXPECT_EQ(Colonne(9)->titleId, 36);
  EXPECT_EQ(Colonne(0)->titleId, 37);
  EXPECT_EQ(Colonne(10)->titleId, 46);
}

TEST(Colonnes, VariablesAreUniqueAndFoundAgain) {
  std::set<std::string> seen;
  for (int i = 0; i < kItemCount; ++i) {
    const char* v = Colonne(i)->variable;
    if (i == 1) {
      EXPECT_EQ(v, nullptr);
      continue;
    }
    ASSERT_NE(v, nullptr) << i;
    ASSERT_EQ(v[0], '%');
    EXPECT_TRUE(seen.insert(v).second) << v;
    EXPECT_EQ(ItemOfVariable(v + 1, std::strlen(v + 1)), i) << v;
  }
  EXPECT_EQ(ItemOfVariable("Xq", 2), kNoItem);
  EXPECT_EQ(ItemOfVariable("Xdox", 4), kNoItem);
  EXPECT_EQ(ItemOfVariable("", 0), kNoItem);
  EXPECT_EQ(ItemOfVariable("Xdo", 3), 90);
}

TEST(Colonnes, DateItemsReadThroughTheDatePath) {
  const char* dates[] = {"dc", "da", "dm", "VDd", "Xdt", "Xdo", "Xdd", "Ydc", "Ydr", "Op", "On", "Ob"};
  std::set<int> expected;
  for (const char* d : dates) expected.insert(ItemOfVariable(d, std::strlen(d)));
  for (int i = 0; i < kItemCount; ++i) EXPECT_EQ(IsDateVariable(i), expected.count(i) == 1) << i;
  EXPECT_EQ(Colonne(194)->kind, kKindDate);  // %Oe sorts as a date
  EXPECT_FALSE(IsDateVariable(194));
}

TEST(Colonnes, KindsOfSampleItems) {
  struct Row {
    const char* var;
    int kind;
  } rows[] = {{"Ab", kKindInt}, {"Vf", kKindDec}, {"Xdo", kKindDate}, {"XfL", kKindInt},
              {"Xdz", kKindDec}, {"OS", kKindInt}, {"EB", kKindText}, {"mT", kKindInt}};
  for (const Row& r : rows) EXPECT_EQ(Colonne(ItemOfVariable(r.var, std::strlen(r.var)))->kind, r.kind) << r.var;
}

TEST(Colonnes, FallbackPairs) {
  const char* pairs[][2] = {{"mt", "At"}, {"ma", "Aa"}, {"mA", "AA"}, {"my", "Ay"},
                            {"mc", "Ac"}, {"mg", "Ag"}, {"mT", "AT"}};
  for (const auto& p : pairs) {
    const int a = ItemOfVariable(p[0], 2), b = ItemOfVariable(p[1], 2);
    EXPECT_EQ(FallbackTwin(a), b);
    EXPECT_EQ(FallbackTwin(b), a);
  }
  EXPECT_EQ(FallbackTwin(28), kNoItem);  // %An has no twin
  EXPECT_EQ(FallbackTwin(0), kNoItem);
}

TEST(Items, TextLookupAndFallback) {
  EntreeTest t;
  t.texts = {{15, "Id3 title"}, {2, "001"}};
  CFichier e = Fichier(t);
  e.futureName = "new.bat";
  ExprOptions on, off;
  off.id3v1audNvl = false;
  EXPECT_EQ(ItemText(e, 0), "autoexec.bat");
  EXPECT_EQ(ItemText(e, 1), "new.bat");
  EXPECT_EQ(ItemText(e, 2), "001");
  EXPECT_EQ(ItemText(e, 216), "");
  EXPECT_EQ(ItemText(e, -5), "");
  EXPECT_EQ(ItemTextWithTwin(e, 15, on), "Id3 title");
  EXPECT_EQ(ItemTextWithTwin(e, 22, on), "Id3 title");
  EXPECT_EQ(ItemTextWithTwin(e, 22, off), "");
  EXPECT_EQ(ItemTextFallback(e, 22, 15, off), "");
  EXPECT_EQ(ItemTextFallback(e, 22, 15, on), "Id3 title");
}

TEST(Items, TypedLookupsReportAbsence) {
  EntreeTest t;
  t.ints = {{10, 128}};
  t.dates = {{8, Ft(2002, 1, 1)}};
  CFichier e = Fichier(t);
  e.items.decs.Set(42, 29.97);
  int64_t i = -1;
  double d = 0;
  EXPECT_TRUE(ItemInt(e, 10, &i));
  EXPECT_EQ(i, 128);
  EXPECT_FALSE(ItemInt(e, 11, &i));
  EXPECT_TRUE(ItemDec(e, 42, &d));
  EXPECT_DOUBLE_EQ(d, 29.97);
  EXPECT_FALSE(ItemDec(e, 10, &d));
  EXPECT_EQ(ItemDate(e, 8), Ft(2002, 1, 1));
  EXPECT_EQ(ItemDate(e, 6), 0u);
}
