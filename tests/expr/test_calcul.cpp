// The run over the selection, and input that must never crash or hang.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ExprTestUtil.h"
#include "expr/CCalculNoms.h"
#include "expr/CEvaluateur.h"

namespace {

struct Selection {
  std::vector<CFichier> entries;
  std::vector<CFichier*> order;
  explicit Selection(std::vector<const char*> names) {
    for (const char* n : names) entries.push_back(Fichier(EntreeTest{n}));
    for (size_t k = 0; k < entries.size(); ++k) {
      entries[k].selOrder = static_cast<int>(k);
      order.push_back(&entries[k]);
    }
  }
  std::vector<std::string> Run(const std::string& expr, CCalculNoms& calc) {
    calc.Calculer(expr, order);
    std::vector<std::string> out;
    for (CFichier* e : order) out.push_back(e->futureName);
    return out;
  }
};

using Names = std::vector<std::string>;

}  // namespace

TEST(Calcul, EmptySelectionEvaluatesNothing) {
  ExprOptions o;
  CCalculNoms calc(o, nullptr);
  int calls = 0;
  calc.nettoyage = [&](const CFichier&, std::string&) { ++calls; };
  calc.Calculer("%f", {});
  EXPECT_EQ(calls, 0);
}

TEST(Calcul, EmptyExpressionGivesEmptyNames) {
  ExprOptions o;
  CCalculNoms calc(o, nullptr);
  Selection s({"a.txt", "b.txt"});
  s.entries[0].futureName = "old";
  EXPECT_EQ(s.Run("", calc), (Names{"", ""}));
}

TEST(Calcul, LaterEntriesSeeEarlierFutureNames) {
  ExprOptions o;
  CTestHooks hooks;
  CCalculNoms calc(o, &hooks);
  Selection s({"Image1.jpg", "Image2.jpg", "Image3.jpg"});
  // The test hook counts earlier entries whose future name starts with the prefix.
  EXPECT_EQ(s.Run("x%nc", calc), (Names{"x0", "x1", "x2"}));
  EXPECT_EQ(s.Run("%b(1,5)_%nc", calc), (Names{"Image_0", "Image_1", "Image_2"}));
}

TEST(Calcul, SegmentsRunOverTheWholeSelectionInTurn) {
  ExprOptions o;
  CTestHooks hooks;
  CCalculNoms calc(o, &hooks);
  Selection s({"a.jpg", "b.jpg"});
  // In the second segment the first entry already holds "n" from it, so the
  // second entry counts it; in the first segment nothing was named "n" yet.
  EXPECT_EQ(s.Run("n%nc;n", calc), (Names{"n", "n"}));
  EXPECT_EQ(s.Run("%b;n%nc", calc), (Names{"n0", "n1"}));
  EXPECT_EQ(s.Run("%f;%b;*;%uf", calc), (Names{"A", "B"}));
  EXPECT_EQ(s.Run("%f;%u*", calc), (Names{"", ""}));  // '*' names no variable
}

TEST(Calcul, CleanUpAfterTheLastSegmentBeforeTheNextEntry) {
  ExprOptions o;
  CTestHooks hooks;
  CCalculNoms calc(o, &hooks);
  std::vector<std::string> seen;
  calc.nettoyage = [&](const CFichier& e, std::string& name) {
    seen.push_back(name);
    name += "!";
  };
  Selection s({"a", "b", "c"});
  EXPECT_EQ(s.Run("x;x%nc", calc), (Names{"x0!", "x1!", "x2!"}));
  EXPECT_EQ(seen, (Names{"x0", "x1", "x2"}));
}

TEST(Calcul, SegmentEndsCanDifferPerEntry) {
  ExprOptions o;
  CCalculNoms calc(o, nullptr);
  Selection s({"k-v", "k- "});
  // For the second entry the array fails, so the rest of its first segment
  // is literal text up to the ';' inside the quoted string.
  EXPECT_EQ(s.Run("%f[2](\"q;z\")!;%f", calc), (Names{"v!", "z\")!"}));
}

TEST(Calcul, DateOfTheRunIsTheSameForEveryEntry) {
  class Hooks : public CTestHooks {
   public:
    bool FormatDate(FileTime t, const std::string&, std::string& out) override {
      out = std::to_string(t);
      return true;
    }
  } hooks;
  ExprOptions o;
  CCalculNoms calc(o, &hooks);
  Selection s({"a", "b", "c"});
  const Names n = s.Run("%D", calc);
  EXPECT_FALSE(n[0].empty());
  EXPECT_EQ(n[0], n[1]);
  EXPECT_EQ(n[0], n[2]);
}

TEST(Calcul, ProgressIsReportedAtMostEvery500ms) {
  ExprOptions o;
  CCalculNoms calc(o, nullptr);
  int reports = 0;
  calc.progression = [&](size_t done, size_t segment) { ++reports; };
  Selection s({"a", "b", "c", "d"});
  s.Run("%f;%b", calc);
  EXPECT_EQ(reports, 0);  // a short run reports nothing
}

TEST(Calcul, SelectionIndexAndInputReachTheHooks) {
  ExprOptions o;
  CTestHooks hooks;
  CCalculNoms calc(o, &hooks);
  Selection s({"a", "b", "c"});
  EXPECT_EQ(s.Run("%C", calc), (Names{"line1", "line2", "line3"}));
}

TEST(BadInput, NeverRejectedNeverStuck) {
  ExprOptions o;
  o.motsCas = {"abc"};
  CTestHooks hooks;
  CCalculNoms calc(o, &hooks);
  Selection s({"autoexec.bat", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaac.x", ""});
  std::vector<std::string> exprs = {
      "%b((((((", "%b[[[[[", "{{{{", "%n{{{", "%b(\"", "%b(s/", "%", "\\", "%@", "%X", "%Xd",
      "%b(s/(a+)+b/x/g)", "%b(s/((((((((((a*)*)*)*)*)*)*)*)*)*b/x/)", "%b(s/a{99999}{99999}/x/)",
      "%b(s/(?<=a+)b/x/)", "%b(s/\\1/x/)", "%b(s/a/$9999999999/g)", "%b(s/a/(?99x)/g)",
      "%dm{\"%Y\",99999999999999999999h}", "%Xdo{\"", "%T{\"", "%b(-2147483648,2147483647)",
      "%b[-99999999999999999999]", "%b(\"a\",\"b\",99999999999999999999,-99999999999999999999)",
  };
  std::string nested = "%b";
  for (int k = 0; k < 500; ++k) nested += "(";
  exprs.push_back(nested);
  std::string chain = "%b";
  for (int k = 0; k < 500; ++k) chain += "(1)";
  exprs.push_back(chain);
  std::string grow = "%f";
  for (int k = 0; k < 500; ++k) grow += "(\"a\",\"aaaaaaaa\")";
  exprs.push_back(grow);
  std::mt19937 rng(1234);
  for (int k = 0; k < 50; ++k) {
    std::string r(1024, '\0');
    for (char& c : r) c = static_cast<char>(rng() & 0xFF);
    exprs.push_back(r);
  }
  for (const std::string& e : exprs) {
    calc.Calculer(e, s.order);
    for (CFichier* f : s.order) EXPECT_LE(f->futureName.size(), kLongMaxSortie) << e;
  }
  // A chain of segments that triples the name stops at the output limit.
  std::string segs;
  for (int k = 0; k < 300; ++k) segs += "%f%f%f;";
  EXPECT_EQ(s.Run(segs, calc)[0].size(), kLongMaxSortie);
  // After all that, a plain expression still works on every entry.
  EXPECT_EQ(s.Run("%b.%e", calc), (Names{"autoexec.bat", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaac.x", "."}));
  // The replacement chain grows the value eightfold each time; the fifth
  // passes the value limit and fails: the rest of the chain is literal text.
  std::string rest;
  for (int k = 5; k < 500; ++k) rest += "(\"a\",\"aaaaaaaa\")";
  EXPECT_EQ(s.Run(grow + "Z", calc)[0], rest + "Z");
}
