// The eight steps of the name clean-up, with the "Modifications" options.
#include <gtest/gtest.h>

#include <string>

#include "expr/CNettoyage.h"
#include "os/CNoms.h"

namespace {

struct Case {
  const char* what;
  const char* name;
  const char* dir;  // directory part of the file's current name
  const char* expected;
};

template <size_t N>
void Check(const CNettoyageOptions& o, const Case (&cases)[N]) {
  const CNettoyage net(o);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.expected, net.Nettoye(c.name, c.dir));
  }
}

TEST(Nettoyage, DefaultOptions) {
  const Case cases[] = {
      {"trailing dot", "autoexec.", "", "autoexec"},
      {"trailing separator", "Dir\\", "", "Dir"},
      {"trailing dots and separators mixed", "a\\.\\..\\", "", "a"},
      {"only dots", "....", "SPORT\\", ""},
      {"one dot", ".", "", ""},
      {"empty", "", "SPORT\\", ""},
      {"only separators", "\\\\", "", ""},
      {"leading dot kept", ".hidden", "", ".hidden"},
      {"slash from a value", "AC/DC - Back.mp3", "", "AC_DC - Back.mp3"},
      {"every invalid character", "a/b:c*d?e\"f<g>h|i", "", "a_b_c_d_e_f_g_h_i"},
      {"control characters", "a\tb\nc", "", "a_b_c"},
      {"drive letter gets its separator", "C:x", "", "C:\\x"},
      {"lower-case drive", "a:b", "", "a:\\b"},
      {"drive with a path", "D:\\photos\\x.jpg", "SPORT\\", "D:\\photos\\x.jpg"},
      {"colon elsewhere", "ab:c", "", "ab_c"},
      {"second colon after the drive", "C:a:b", "", "C:\\a_b"},
      {"digit before a colon is no drive", "1:x", "", "1_x"},
      {"bare drive is no file name", "C:", "SPORT\\", "SPORT\\C_"},
      {"sub-directory kept", "IMG001_1.jpg", "SPORT\\2006\\", "SPORT\\2006\\IMG001_1.jpg"},
      {"path in the name is relative to the current directory", "IMG001\\IMG001.jpg",
       "SPORT\\2006\\", "IMG001\\IMG001.jpg"},
      {"backslash never replaced", "a\\b\\c.txt", "", "a\\b\\c.txt"},
      {"inner dots kept", "a..b", "", "a..b"},
      {"trailing blank kept", "a. ", "", "a. "},
  };
  Check(CNettoyageOptions(), cases);
}

TEST(Nettoyage, DeleteRepeatReplace) {
  CNettoyageOptions o;
  o.suppr_car_repet = "_";
  {
    const Case cases[] = {
        {"runs reduced", "a___b__c", "", "a_b_c"},
        {"single kept", "a_b", "", "a_b"},
        {"runs of other characters stay", "a--b", "", "a--b"},
        {"invalid replacements are not merged (step 5 after step 3)", "ab::c", "", "ab__c"},
    };
    Check(o, cases);
  }
  o.suppr_car_repet = "_-";
  {
    const Case cases[] = {{"different characters of the set are not merged", "a_-_b--c", "", "a_-_b-c"}};
    Check(o, cases);
  }
  CNettoyageOptions r;
  r.remp_car_de = "ab";
  r.remp_car_a = "xy";
  {
    const Case cases[] = {
        {"position by position", "abba", "", "xyyx"},
        {"no chain: x is not replaced again", "axb", "", "xxy"},
    };
    Check(r, cases);
  }
  r.remp_car_de = "abc";
  r.remp_car_a = "x";
  {
    const Case cases[] = {{"no counterpart: stays", "abc", "", "xbc"}};
    Check(r, cases);
  }
  r.remp_car_de = "aa";
  r.remp_car_a = "xy";
  {
    const Case cases[] = {{"first position decides", "a", "", "x"}};
    Check(r, cases);
  }
  r.remp_car_de = "_";
  r.remp_car_a = "/";
  {
    const Case cases[] = {{"a replacement producing an invalid character is cleaned next", "a_b", "", "a_b"}};
    Check(r, cases);
  }
  CNettoyageOptions d;
  d.suppr_uni_car = "ae";
  {
    const Case cases[] = {
        {"deleted everywhere", "abcdeae", "", "bcd"},
        {"deleting everything leaves no name (no bare directory)", "aeae", "SPORT\\", ""},
        {"a deletion that leaves a trailing dot", "x.e", "", "x"},
    };
    Check(d, cases);
  }
  CNettoyageOptions all;
  all.suppr_uni_car = "-";
  all.suppr_car_repet = "_";
  all.remp_car_de = "x";
  all.remp_car_a = "_";
  // Deletion, then repetition, then replacement:
  // "a_-_bxx" -> "a__bxx" -> "a_bxx" -> "a_b__".
  const Case ordered[] = {{"order of steps 2 to 4", "a_-_bxx", "", "a_b__"}};
  Check(all, ordered);
}

TEST(Nettoyage, InvalidCharacterReplacement) {
  CNettoyageOptions del;
  del.remp_car_inv = "";
  const Case deleted[] = {
      {"deleted", "AC/DC", "", "ACDC"},
      {"only invalid characters", "**??", "SPORT\\", ""},
      {"deletion leaves a trailing dot", "a.*", "", "a"},
  };
  Check(del, deleted);
  CNettoyageOptions plus;
  plus.remp_car_inv = "+-";
  const Case first[] = {{"only the first character", "a*b", "", "a+b"}};
  Check(plus, first);
  CNettoyageOptions bad;
  bad.remp_car_inv = "?";
  const Case fixed[] = {{"an invalid replacement falls back to _", "a*b", "", "a_b"}};
  Check(bad, fixed);
  bad.remp_car_inv = "\t";
  Check(bad, fixed);
}

TEST(Nettoyage, LengthLimit) {
  const struct {
    int max;
    const char* name;
    const char* expected;
  } cases[] = {
      {8, "autoexec.bat", "auto.bat"},
      {4, "autoexec.bat", "auto"},        // 3 + 1 is not less than 4
      {5, "autoexec.bat", "a.bat"},
      {12, "autoexec.bat", "autoexec.bat"},
      {11, "autoexec.bat", "autoexe.bat"},
      {1, "autoexec.bat", "a"},
      {3, "abcdef", "abc"},
      {3, "abc.", "abc"},                 // step 1 first
      {5, "abcd.efghij", "abcd"},         // a cut that ends on a dot drops it
      {4, "Dir\\file.txt", "Dir"},        // a cut that ends on a separator drops it
      {6, "Dir\\file", "Dir\\fi"},         // the path counts
      {8, "a.b\\longname", "a.b\\long"},   // a dot before the last \ is no extension
      {6, "x.\\y", "x.\\y"},
      {3, "a.", "a"},
      {5, "abcdef.", "abcde"},
      {9, "photo.jpeg", "phot.jpeg"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.max) + " " + c.name);
    CNettoyageOptions o;
    o.long_max_nom = c.max;
    EXPECT_EQ(c.expected, CNettoyage(o).Nettoye(c.name, ""));
  }
}

TEST(Nettoyage, LengthLimitThenDriveAndDirectory) {
  CNettoyageOptions o;
  o.long_max_nom = 3;
  const CNettoyage net(o);
  EXPECT_EQ("C:\\x", net.Nettoye("C:xyz", ""));  // cut, then the separator is inserted
  EXPECT_EQ("SUB\\abc", net.Nettoye("abcdef", "SUB\\"));  // the directory is not counted
}

TEST(Nettoyage, NormalisationOfStoredSettings) {
  const struct {
    int stored;
    int read;
  } lengths[] = {{-1, -1}, {0, -1}, {-5, -1}, {1, 1}, {255, 255}};
  for (const auto& l : lengths) {
    CNettoyageOptions o;
    o.long_max_nom = l.stored;
    o.Normaliser();
    EXPECT_EQ(l.read, o.long_max_nom);
  }
  const struct {
    const char* stored;
    const char* read;
  } repl[] = {{"_", "_"}, {"", ""}, {"-", "-"}, {"a|", "_"}, {"\\", "_"}, {"x:", "_"}};
  for (const auto& r : repl) {
    CNettoyageOptions o;
    o.remp_car_inv = r.stored;
    o.Normaliser();
    EXPECT_EQ(r.read, o.remp_car_inv);
  }
  // A limit of 0 reaching the clean-up directly means no limit.
  CNettoyageOptions z;
  z.long_max_nom = 0;
  EXPECT_EQ("autoexec.bat", CNettoyage(z).Nettoye("autoexec.bat", ""));
}

TEST(Nettoyage, OptionsPageChecksInOrder) {
  const struct {
    const char* what;
    const char* de;
    const char* a;
    const char* inv;
    const char* exif;
    bool saisie;
    int max;
    int expected;
  } cases[] = {
      {"defaults", "", "", "_", "/", false, -1, 0},
      {"lengths differ", "ab", "x", "?", "", true, 0, -1},
      {"invalid replacement", "ab", "xy", "?", "", true, 0, -2},
      {"empty division symbol", "", "", "_", "", true, 0, -3},
      {"maximum below 1", "", "", "_", "/", true, 0, -4},
      {"maximum 1", "", "", "_", "/", true, 1, 0},
      {"empty maximum field", "", "", "_", "/", false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CNettoyageOptions o;
    o.remp_car_de = c.de;
    o.remp_car_a = c.a;
    o.remp_car_inv = c.inv;
    o.long_max_nom = c.max;
    EXPECT_EQ(c.expected, VerifierOptionsModif(o, c.exif, c.saisie));
  }
  EXPECT_STREQ("\\/:*?\"<>|", kCaracteresInvalides);
}

TEST(Nettoyage, HighBytesAndAllBytes) {
  // Bytes of the ANSI code page above 127 are ordinary characters.
  CNettoyageOptions o;
  o.suppr_car_repet = "\xE9";
  EXPECT_EQ("caf\xE9", CNettoyage(o).Nettoye("caf\xE9\xE9\xE9", ""));
  // Every byte value once: the result holds no invalid character and no
  // control character, and nothing but them was changed.
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  all += "x";
  const std::string r = CNettoyage(CNettoyageOptions()).Nettoye(all, "");
  ASSERT_EQ(all.size(), r.size());
  for (size_t i = 0; i < r.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(all[i]);
    const bool invalid = c < 32 || std::string("/:*?\"<>|").find(static_cast<char>(c)) != std::string::npos;
    EXPECT_EQ(invalid ? '_' : all[i], r[i]) << "byte " << static_cast<int>(c);
  }
}

}  // namespace
