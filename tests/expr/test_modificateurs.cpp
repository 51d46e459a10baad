// Modifiers and character modifiers: each operation on its own, then as the
// parser reads them, with their malformed forms and chains.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "ExprTestUtil.h"
#include "expr/CCasse.h"
#include "expr/CModificateurs.h"

namespace {

struct Row {
  const char* expr;
  const char* expected;
};

void Check(const Row* rows, size_t n, const CFichier& e, const ExprOptions& o = ExprOptions()) {
  for (size_t i = 0; i < n; ++i) EXPECT_EQ(Evaluer(rows[i].expr, e, o), rows[i].expected) << rows[i].expr;
}

CFichier Nomme(const char* name) { return Fichier(EntreeTest{name}); }

}  // namespace

TEST(Modificateurs, Substring) {
  struct SRow {
    long long p;
    bool hasN;
    long long n;
    const char* expected;
  } rows[] = {
      {1, true, 4, "auto"}, {5, false, 0, "exec"}, {-4, true, 3, "exe"}, {1, true, -4, "auto"},
      {-4, true, -2, "ex"}, {0, false, 0, ""},      {-9, false, 0, ""},  {-8, false, 0, "autoexec"},
      {9, false, 0, ""},    {8, true, 5, "c"},      {1, true, 0, ""},    {3, true, -9, ""},
      {1, true, 1000000000, "autoexec"}, {-1000000000, true, 2, ""},
  };
  for (const auto& r : rows) {
    std::string v = "autoexec";
    EXPECT_TRUE(ModSousChaine(v, r.p, r.hasN, r.n));
    EXPECT_EQ(v, r.expected) << r.p << "," << r.n;
  }
}

TEST(Modificateurs, Replace) {
  struct RRow {
    const char* value;
    const char *s1, *s2;
    long long s, n, c;
    const char* expected;
  } rows[] = {
      {"autoexec", "e", "#", 2, 1, 0, "autoex#c"},
      {"autoexec", "e", "#", -1, -1, 0, "autoex#c"},
      {"autoexec", "e", "#", -2, 1, 0, "auto#xec"},
      {"autoexec", "E", "#", 1, -1, 1, "autoexec"},
      {"autoexec", "E", "#", 1, -1, 0, "auto#x#c"},
      {"autoexec", "exe", "", 1, -1, 0, "autoc"},
      {"autoexec", "", "#", 1, -1, 0, "autoexec"},
      {"autoexec", "e", "#", 0, -1, 0, "autoexec"},
      {"autoexec", "e", "#", 1, 0, 0, "autoexec"},
      {"autoexec", "e", "#", 3, -1, 0, "autoexec"},   // no third occurrence
      {"autoexec", "e", "#", -3, -1, 0, "autoexec"},
      {"aaaa", "aa", "b", 1, -1, 0, "bb"},            // occurrences do not overlap
      {"aaaa", "aa", "b", -1, 1, 0, "aab"},
      {"aaa", "aa", "b", -1, 1, 0, "ab"},             // backwards: the last one ends at the end
      {"aaa", "a", "aa", 1, -1, 0, "aaaaaa"},         // the search goes on after the inserted text
      {"abcabc", "b", "B", 1, 1, 0, "aBcabc"},
      {"\xC9t\xE9", "\xE9", "e", 1, -1, 0, "ete"},     // É and é compare equal through ANSI upper-casing
      {"\xC9t\xE9", "\xE9", "e", 1, -1, 1, "\xC9te"},
      {"x", "x", "yy", 1000000000, -1, 0, "x"},
  };
  for (const auto& r : rows) {
    std::string v = r.value;
    EXPECT_TRUE(ModRemplacer(v, r.s1, r.s2, r.s, r.n, r.c));
    EXPECT_EQ(v, r.expected) << r.value << " " << r.s1 << " " << r.s;
  }
  std::string big(20000, 'a');
  EXPECT_FALSE(ModRemplacer(big, "a", "aa", 1, -1, 0));  // would pass the value limit
}

TEST(Modificateurs, Array) {
  const char* song = "01 -   Artist_Group   - Song title   ";
  struct ARow {
    const char* value;
    long long i;
    const char* seps;
    bool ok;
    const char* expected;
  } rows[] = {
      {song, 3, "-", true, "Song title"},
      {song, -3, "-", true, "01"},
      {song, 0, "-", true, "01 -   Artist_Group   - Song title"},
      {song, 2, "_", true, "Group   - Song title"},
      {song, 1, "-", true, "01"},
      {song, -1, "-", true, "Song title"},
      {song, 4, "-", true, ""},
      {song, -4, "-", true, ""},
      {song, 2, "-_", true, "Artist"},
      {"a-", 2, "-", true, ""},            // the separator is the last character
      {"a- ", 2, "-", false, ""},          // only blanks after it: the modifier fails
      {"-a-b", -2, "-", true, "a"},        // a leading separator counts (implementer's choice)
      {"-a-b", -3, "-", true, ""},
      {"-a-b", 1, "-", true, ""},
      {"a\t-b", 1, "-", true, "a"},
      {" \ta ", 0, "-", true, "\ta"},      // [0] strips spaces only
      {"     ", 0, "-", true, ""},
      {"", 1, "-", false, ""},
      {"abc", 1, "", true, "abc"},
      {"abc", 2, "", true, ""},
      {"a-b", 1000000000, "-", true, ""},
      {"a-b", -1000000000, "-", true, ""},
  };
  for (const auto& r : rows) {
    std::string v = r.value;
    EXPECT_EQ(ModTableau(v, r.i, r.seps), r.ok) << r.value << " " << r.i;
    if (r.ok) {
      EXPECT_EQ(v, r.expected) << r.value << " " << r.i;
    }
  }
}

TEST(Modificateurs, RegularExpressions) {
  CRegexCache cache;
  struct XRow {
    const char* value;
    const char *exp, *fmt;
    bool icase, global, ok;
    const char* expected;
  } rows[] = {
      {"autoexec", "[AE]", "#", true, false, true, "#utoexec"},
      {"autoexec", "[AE]", "#", true, true, true, "#uto#x#c"},
      {"autoexec", "[AE]", "#", false, true, true, "autoexec"},
      {"autoexec", "(.{4})(....)", "$2 - $1", false, false, true, "exec - auto"},
      {"autoexec", "(x)?e", "(?1X:Y)", false, true, true, "autoYXc"},
      {"autoexec", "(e)|(x)", "(?1E)(?2X)", false, true, true, "autoEXEc"},
      {"autoexec", "x*", "-", false, true, true, "-a-u-t-o-e--e-c-"},
      {"autoexec", "(", "x", false, false, false, ""},
      {"autoexec", "a{2,1}", "x", false, false, false, ""},
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaac", "(a+)+b", "x", false, false, false, ""},  // too complex
      {"autoexec", "\\/", "x", false, false, true, "autoexec"},
  };
  for (const auto& r : rows) {
    std::string v = r.value;
    EXPECT_EQ(cache.Remplacer(v, r.exp, r.icase, r.fmt, r.global), r.ok) << r.exp;
    if (r.ok) {
      EXPECT_EQ(v, r.expected) << r.exp;
    }
  }
  EXPECT_TRUE(cache.Compile("a+", false));
  EXPECT_FALSE(cache.Compile("[", true));
}

TEST(Modificateurs, AsReadByTheParser) {
  const CFichier e = Nomme("autoexec.bat");
  const Row rows[] = {
      {"%b(1,4)", "auto"},          {"%b( 5 )", "exec"},        {"%b(-4,3)", "exe"},
      {"%b(1,-4)", "auto"},         {"%b(-4,-2)", "ex"},        {"%b(0)", ""},
      {"%b(-9)", ""},               {"%b()", "autoexec"},        {"%b(,3)", "aut"},
      {"%b(-)", ""},                {"%b(1,x)", ")"},            {"%b(1,2,3)", "3)"},
      {"%b(1", ""},                 {"%b (1)", "autoexec (1)"},
      {"%b(\"e\",\"#\",2,1)", "autoex#c"},  {"%b(\"e\",\"#\",-1)", "autoex#c"},
      {"%b(\"e\",\"#\",-2,1)", "auto#xec"}, {"%b(\"E\",\"#\",1,-1,1)", "autoexec"},
      {"%b(\"exe\")", "autoc"},     {"%b(\"e\",,,,1).*", "autoxc.bat"},
      {"%b( \"e\" , \"_\" )", "auto_x_c"},  {"%b(\"e\",\"#\",1,1,0,9)", "9)"},
      {"%b(\"e\"x)", ")"},          {"%b(\"e", ""},              {"%b(\"e\",\"x", ""},
      {"%b(\"a\\\"b\")", "autoexec"},
      {"%b(s/[AE]/#/i)", "#utoexec"},   {"%b(s/[AE]/#/gi)", "#uto#x#c"},
      {"%b(s/(.{4})(....)/$2 - $1/)", "exec - auto"},
      {"%b(s/e/\\//g)", "auto/x/c"},    {"%b(s/\\w+/[$&]/ )", "[autoexec]"},
      {"%b(s/(/x/)Z", "Z"},         // does not compile: empty, rest literal
      {"%b(s/a)", "/a)"},           // fewer than five characters from the s
      {"%b(sx/a/b/)", "/a/b/)"},     // no '/' after the s
      {"%b(s/a/b)", ""},             // the format never ends
      {"%b(s/a/b/gx)", ")"},
      {"%b(s/a/b/", ""},
      {"%b(s///)", "autoexec"},
      {"%b[1]", "autoexec"},        {"%b[]", "autoexec"},        {"%b[1,\"t\"]", "au"},
      {"%b[2,\"t\"]", "oexec"},     {"%b[1,x]", "]"},            {"%b[1,\"t\"", ""},
      {"%b[1", ""},                 {"%b[1)", ""},               {"%b[1)]", "]"},
      {"%b(1,4)(2)[1,\"t\"](s/u/U/)", "U"},
      {"%Lb(\"au\",\"au-\")(s/e/e_/g)[2](5).%e", "Xe_c.bat"},
  };
  Check(rows, sizeof rows / sizeof *rows, e);
  const Row songs[] = {
      {"%b[2][2,\"_\"]", "Group"},
      {"%b[3]", "Song title"},
  };
  Check(songs, sizeof songs / sizeof *songs, Nomme("01 -   Artist_Group   - Song title   .mp3"));
  EXPECT_EQ(Evaluer("%b[2]", Nomme("a-")), "");
  EXPECT_EQ(Evaluer("%b[2](1)X", Nomme("a- .x")), "(1)X");  // failure stops the chain
  EXPECT_EQ(Evaluer("%b(s/(a+)+b/x/)Z", Nomme("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaac")), "Z");
}

TEST(Modificateurs, RegexAndReplaceAgreeOnAccentedLetters) {
  // "c\xE9" is "c\u00e9" in the code page; \xC9 its upper case, \xDF a letter without one.
  struct Pair {
    const char* regex;
    const char* replace;  // the same change through the replace modifier, when it has one
    const char* expected;
  } rows[] = {
      {"%b(s/\xC9/x/i)", "%b(\"\xC9\",\"x\")", "cx"},
      {"%b(s/\xC9/x/)", "%b(\"\xC9\",\"x\",,,1)", "c\xE9"},
      {"%b(s/C\xC9/x/i)", "%b(\"C\xC9\",\"x\")", "x"},
      {"%b(s/\\w+/[$&]/)", nullptr, "[c\xE9]"},
      {"%b(s/[[:alpha:]]+/[$&]/)", nullptr, "[c\xE9]"},
      {"%b(s/[[:upper:]]/x/)", nullptr, "c\xE9"},
      {"%b(s/[[:lower:]]$/x/)", nullptr, "cx"},
      {"%b(s/.*/\\U$&/)", nullptr, "C\xC9"},
  };
  const CFichier e = Nomme("c\xE9.txt");
  for (const Pair& p : rows) {
    EXPECT_EQ(Evaluer(p.regex, e), p.expected) << p.regex;
    if (p.replace) {
      EXPECT_EQ(Evaluer(p.replace, e), p.expected) << p.replace;
    }
  }
  EXPECT_EQ(Evaluer("%b(s/\\w+/[$&]/)", Nomme("a\xDF\xAA\xA9.txt")), "[a\xDF\xAA]\xA9");
  EXPECT_EQ(Evaluer("%b(s/\\W/_/g)", Nomme("\xD7\xF7\xE0.txt")), "__\xE0");
}

TEST(CharModifiers, FoldingTable) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  std::string folded = all;
  PlierAccents(folded);
  for (int c = 1; c < 256; ++c) {
    const unsigned char f = static_cast<unsigned char>(folded[c - 1]);
    if (c < 0x80) {
      EXPECT_EQ(f, c);
    } else if (f != c) {
      EXPECT_LT(f, 0x80) << c;  // everything folds to plain ASCII
    }
  }
  std::string s = "\x8A\x8E\x9A\x9E\x9F\xC0\xC5\xC7\xC8\xCF\xD1\xD2\xD6\xD9\xDC\xDD\xE0\xE5\xE7\xE8\xEF\xF1\xF2\xF6\xF9\xFC\xFD\xFF";
  PlierAccents(s);
  EXPECT_EQ(s, "SZszYAACEINOOUUYaaceinoouuyy");
  std::string kept = "\xC6\xD0\xD8\xDE\xDF\xE6\xF0\xF8\xFE\xD7\xF7";
  const std::string before = kept;
  PlierAccents(kept);
  EXPECT_EQ(kept, before);
}

TEST(CharModifiers, CaseAndForcedWords) {
  ExprOptions o;
  o.motsCas = {"FamilY"};
  const CFichier e = Nomme("\xC9" "b\xF6lie family photo.JPG");
  const Row rows[] = {
      {"%+uf", "\xC9" "B\xD6LIE FamilY PHOTO.JPG"},
      {"%-uf", "\xC9" "B\xD6LIE FAMILY PHOTO.JPG"},
      {"%uf", "\xC9" "B\xD6LIE FamilY PHOTO.JPG"},      // the option turns the words on
      {"%f", "\xC9" "b\xF6lie FamilY photo.JPG"},       // no case modifier: only the words
      {"%-f", "\xC9" "b\xF6lie family photo.JPG"},
      {"%Uf", "\xC9" "b\xF6lie FamilY Photo.jpg"},
      {"%-Uf", "\xC9" "b\xF6lie Family Photo.jpg"},
      {"%Lf", "\xC9" "b\xF6lie FamilY photo.jpg"},
      {"%-lf", "\xE9" "b\xF6lie family photo.jpg"},
      {"%@uf", "EBOLIE FamilY PHOTO.JPG"},
      {"%@-uf", "EBOLIE FAMILY PHOTO.JPG"},
      {"%ulUf", "\xC9" "b\xF6lie FamilY Photo.jpg"},      // the last case letter counts
      {"%-+uf", "\xC9" "B\xD6LIE FamilY PHOTO.JPG"},      // the last sign counts
      {"%uf(\"family\",\"x\")", "\xC9" "B\xD6LIE X PHOTO.JPG"},
      {"%u(\"family\")f", "\"family\")f"},  // '(' names no variable
      {"lit family %-uf", "lit family \xC9" "B\xD6LIE FAMILY PHOTO.JPG"},  // literal text untouched
  };
  Check(rows, sizeof rows / sizeof *rows, e, o);
  ExprOptions plain;
  EXPECT_EQ(Evaluer("%@uf", e, plain), "EBOLIE FAMILY PHOTO.JPG");
  EXPECT_EQ(Evaluer("%+uf", e, plain), "\xC9" "B\xD6LIE FAMILY PHOTO.JPG");  // no words: nothing forced
  ExprOptions off = o;
  off.forceCasActif = false;
  EXPECT_EQ(Evaluer("%uf", e, off), "\xC9" "B\xD6LIE FAMILY PHOTO.JPG");
  EXPECT_EQ(Evaluer("%+uf", e, off), "\xC9" "B\xD6LIE FamilY PHOTO.JPG");
  // An empty value is not converted and '+' does nothing to it.
  EXPECT_EQ(Evaluer("[%+umt]", e, o), "[]");
}

TEST(CharModifiers, WordSeparators) {
  ExprOptions o;
  o.carSepMot = "-";
  o.motsCas = {"DE"};
  CCasse casse(o);
  struct CRow {
    const char* in;
    char mode;
    bool forced;
    const char* out;
  } rows[] = {
      {"jean-pierre de la x", 'U', false, "Jean-Pierre de la x"},
      {"jean-de-la", 'U', true, "Jean-DE-La"},
      {"a--b", 'U', false, "A--B"},
      {"-ab", 'L', false, "-ab"},
      {"ab-CD", 'L', false, "Ab-cd"},
      {"de", 'l', true, "DE"},
      {"de", 0, true, "DE"},
      {"dex", 0, true, "dex"},
      {"", 'u', true, ""},
  };
  for (const auto& r : rows) {
    std::string s = r.in;
    casse.Appliquer(s, r.mode, r.forced);
    EXPECT_EQ(s, r.out) << r.in << " " << r.mode;
  }
  ExprOptions letters;
  letters.carSepMot = "x";
  CCasse c2(letters);
  std::string s = "axb";
  c2.Appliquer(s, 'u', false);
  EXPECT_EQ(s, "AxB");  // separators are never converted
}
