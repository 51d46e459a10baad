// Text forms of the settings, and settings and lists written and read back
// through the real private-profile functions.
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "config/CKProfile.h"
#include "config/IniFiles.h"

namespace {

// Points the settings at a fresh file for the test's lifetime.
class ProfileFile : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = NewIniPath("profile");
    ProfilePath() = path_;
  }
  void TearDown() override { ProfilePath().clear(); }
  std::string path_;
};

struct IntCase {
  const char* text;
  bool ok;
  int value;
};

TEST(ProfileText, IntegersParseOnlyWhenTheWholeTextIsANumber) {
  const IntCase cases[] = {
      {"-1", true, -1},         {"0", true, 0},           {"42", true, 42},
      {"+7", true, 7},          {"2147483647", true, 2147483647},
      {"2147483648", false, 0}, {"-2147483649", false, 0}, {"12abc", false, 0},
      {"yes", false, 0},        {"", false, 0},           {"1 2", false, 0},
      {"0x10", false, 0},
  };
  for (const IntCase& c : cases) {
    int v = 12345;
    EXPECT_EQ(ProfileParse(c.text, &v), c.ok) << c.text;
    if (c.ok) { EXPECT_EQ(v, c.value) << c.text; }
  }
}

TEST(ProfileText, BooleansAreIntegersAndYesIsNotOne) {
  struct Case {
    const char* text;
    bool ok;
    bool value;
  } cases[] = {{"1", true, true}, {"0", true, false}, {"2", true, true},
               {"yes", false, false}, {"true", false, false}, {"", false, false}};
  for (const Case& c : cases) {
    bool v = false;
    EXPECT_EQ(ProfileParse(c.text, &v), c.ok) << c.text;
    if (c.ok) { EXPECT_EQ(v, c.value) << c.text; }
  }
  EXPECT_EQ(ProfileFormat(true), "1");
  EXPECT_EQ(ProfileFormat(false), "0");
}

TEST(ProfileText, DoublesUseSixDigitsAndAPointWhateverTheLocale) {
  EXPECT_EQ(ProfileFormat(0.75), "0.75");
  EXPECT_EQ(ProfileFormat(0.123456789), "0.123457");
  // A regional locale with a decimal comma must not leak into the file.
  const std::string old = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "French_France.1252")) {
    EXPECT_EQ(ProfileFormat(0.75), "0.75");
    double d = 0;
    EXPECT_TRUE(ProfileParse("0.5", &d));
    EXPECT_DOUBLE_EQ(d, 0.5);
  }
  std::setlocale(LC_ALL, old.c_str());
  struct Case {
    const char* text;
    bool ok;
    double value;
  } cases[] = {{"0.75", true, 0.75}, {"1e3", true, 1000}, {"-2", true, -2},
               {"0,75", false, 0},   {"nan", false, 0},  {"inf", false, 0}, {"", false, 0}};
  for (const Case& c : cases) {
    double d = -99;
    EXPECT_EQ(ProfileParse(c.text, &d), c.ok) << c.text;
    if (c.ok) { EXPECT_DOUBLE_EQ(d, c.value) << c.text; }
  }
}

TEST(ProfileText, RectanglesAreFourIntegersLeftTopWidthHeight) {
  RECT r{};
  ASSERT_TRUE(ProfileParse("-2147483648 0 -2147483648 0", &r));
  EXPECT_EQ(r.left, CW_USEDEFAULT);
  EXPECT_EQ(r.right, CW_USEDEFAULT);
  ASSERT_TRUE(ProfileParse("10\t20  300 400", &r));
  EXPECT_EQ(ProfileFormat(r), "10 20 300 400");
  for (const char* bad : {"1 2 3", "1 2 3 4 5", "1 2 x 4", "", "1,2,3,4"})
    EXPECT_FALSE(ProfileParse(bad, &r)) << bad;
}

TEST(ProfileText, StringsThatTheReaderWouldAlterAreQuoted) {
  struct Case {
    const char* value;
    const char* written;
  } cases[] = {
      {"plain", "plain"},       {"", ""},
      {" lead", "\" lead\""},   {"trail ", "\"trail \""},
      {"\"dq\"", "\"\"dq\"\""}, {"'sq'", "\"'sq'\""},
      {"\"open", "\"open"},     {"close'", "close'"},
      {"\"", "\"\"\""},         {"a\nb", "a b"},
      {"a\r\nb", "a  b"},
  };
  for (const Case& c : cases) EXPECT_EQ(ProfileFormat(std::string(c.value)), c.written) << c.value;
}

TEST_F(ProfileFile, StringsRoundTripExactly) {
  const char* values[] = {" lead",  "trail ",   " both ", "\"dq\"", "'sq'",       "\"", "'",
                          "a\"b\"", "  ",       "plain",  "=eq=",   ";not a comment", "[sec]",
                          "\"x",    "x'",       "%b_%dmd.%e",        "caf\xe9"};
  int i = 0;
  for (const char* v : values) {
    const std::string key = "k" + std::to_string(i++);
    CKProfileString w("t", key.c_str(), "");
    w.Set(v);
    ASSERT_EQ(w.Write(), 0);
    ProfileFlush();
    CKProfileString r("t", key.c_str(), "default");
    r.Load();
    EXPECT_EQ(r.Get(), v) << "[" << v << "] stored as [" << RawValue(path_, "t", key.c_str()) << "]";
  }
}

TEST_F(ProfileFile, AbsentKeysGiveTheDefaultAndEmptyValuesStayEmpty) {
  WriteBytes(path_, "[t]\nempty=\nnum=abc\n");
  CKProfileString empty("t", "empty", "dflt");
  empty.Load();
  EXPECT_EQ(empty.Get(), "");
  CKProfileString absent("t", "absent", "dflt");
  absent.Load();
  EXPECT_EQ(absent.Get(), "dflt");
  CKProfile<int> num("t", "num", 7);
  num.Load();
  EXPECT_EQ(num.Get(), 7);
  EXPECT_FALSE(num.Modified());
}

TEST_F(ProfileFile, ValuesAreCutAt1024Characters) {
  const std::string longText(3000, 'x');
  WriteBytes(path_, "[t]\nv=" + longText + "\nafter=1\n");
  CKProfileString v("t", "v", "");
  v.Load();
  EXPECT_EQ(v.Get(), std::string(1024, 'x'));
  CKProfile<int> after("t", "after", 0);
  after.Load();
  EXPECT_EQ(after.Get(), 1);
}

TEST_F(ProfileFile, ModifiedOnlyWhenTheValueChangesAndClearedByWriteAndRead) {
  CKProfile<int> s("t", "n", 5);
  s.Set(5);
  EXPECT_FALSE(s.Modified());
  s.Set(6);
  EXPECT_TRUE(s.Modified());
  s.Set(6);
  EXPECT_TRUE(s.Modified());
  ASSERT_EQ(s.Write(), 0);
  EXPECT_FALSE(s.Modified());
  s.Set(9);
  s.Load();
  EXPECT_FALSE(s.Modified());
  EXPECT_EQ(s.Get(), 6);
  CKProfile<RECT> r("t", "r", RECT{1, 2, 3, 4});
  r.Set(RECT{1, 2, 3, 4});
  EXPECT_FALSE(r.Modified());
  r.Set(RECT{1, 2, 3, 5});
  EXPECT_TRUE(r.Modified());
}

TEST(ProfileNoFile, NothingIsReadOrWrittenWithoutAPath) {
  ProfilePath().clear();
  CKProfile<int> s("t", "n", 5);
  s.Set(8);
  EXPECT_EQ(s.Write(), 0);
  s.Load();
  EXPECT_EQ(s.Get(), 5);
}

std::vector<std::string> Items(int n, const char* stem) {
  std::vector<std::string> v;
  for (int i = 0; i < n; ++i) v.push_back(stem + std::to_string(i + 1));
  return v;
}

TEST_F(ProfileFile, ListKeysUseTwoDigitsThenGrow) {
  CKProfileList l("favoris", "exp", -1, true);
  EXPECT_EQ(l.KeyOf(0), "exp_01");
  EXPECT_EQ(l.KeyOf(98), "exp_99");
  EXPECT_EQ(l.KeyOf(99), "exp_100");
}

TEST_F(ProfileFile, ComboHistoryNeverExceedsFifteenEntries) {
  CKProfileList l("combo", "exp", 15, true);
  l.Load();
  l.Assign(Items(20, "e"));
  EXPECT_EQ(l.Count(), 15);
  EXPECT_EQ(l.Add("more"), -1);
  ASSERT_EQ(l.Save(), 0);
  ProfileFlush();
  EXPECT_EQ(RawValue(path_, "combo", "exp_15"), "e15");
  EXPECT_EQ(RawValue(path_, "combo", "exp_16"), "<absent>");
}

TEST_F(ProfileFile, KeysBeyondTheMaximumInTheFileGoAtSave) {
  std::string text = "[combo]\n";
  for (int i = 1; i <= 20; ++i) text += "rep_" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "=d" + std::to_string(i) + "\n";
  WriteBytes(path_, text);
  CKProfileList l("combo", "rep", 15, true);
  l.Load();
  EXPECT_EQ(l.Count(), 15);
  EXPECT_EQ(l.At(14), "d15");
  ASSERT_EQ(l.Save(), 0);
  ProfileFlush();
  EXPECT_EQ(RawValue(path_, "combo", "rep_15"), "d15");
  for (const char* k : {"rep_16", "rep_20"}) EXPECT_EQ(RawValue(path_, "combo", k), "<absent>") << k;
}

TEST_F(ProfileFile, ShrinkingAListDeletesItsSurplusKeys) {
  {
    CKProfileList l("combo", "fil", 15, true);
    l.Load();
    l.Assign(Items(10, "f"));
    ASSERT_EQ(l.Save(), 0);
  }
  ProfileFlush();
  CKProfileList l("combo", "fil", 15, true);
  l.Load();
  ASSERT_EQ(l.Count(), 10);
  l.Assign({"f3", "", "new", "f1"});  // the capture skips empty combo items
  EXPECT_EQ(l.Count(), 3);
  ASSERT_EQ(l.Save(), 0);
  ProfileFlush();
  EXPECT_EQ(RawValue(path_, "combo", "fil_01"), "f3");
  EXPECT_EQ(RawValue(path_, "combo", "fil_02"), "new");
  EXPECT_EQ(RawValue(path_, "combo", "fil_03"), "f1");
  for (int i = 4; i <= 10; ++i) {
    const std::string key = "fil_" + std::string(i < 10 ? "0" : "") + std::to_string(i);
    EXPECT_EQ(RawValue(path_, "combo", key.c_str()), "<absent>") << key;
  }
}

TEST_F(ProfileFile, StopOnEmptyEndsAtTheFirstGap) {
  WriteBytes(path_, "[cas_mot]\nmot_01=DVD\nmot_02=\nmot_03=USB\n");
  CKProfileList l("cas_mot", "mot", -1, true);
  l.Load();
  ASSERT_EQ(l.Count(), 1);
  EXPECT_EQ(l.At(0), "DVD");
  // Entries set past the loaded ones are written whatever their text, so
  // the old mot_03 cannot survive under the new third entry.
  l.Add("");
  l.Add("TV");
  EXPECT_EQ(l.Count(), 3);
  ASSERT_EQ(l.Save(), 0);
  ProfileFlush();
  EXPECT_EQ(RawValue(path_, "cas_mot", "mot_03"), "TV");
}

TEST_F(ProfileFile, EraseMovesLaterEntriesUp) {
  CKProfileList l("favoris", "exp", -1, true);
  l.Load();
  l.Assign({"a", "b", "c"});
  ASSERT_EQ(l.Erase(0), 0);
  EXPECT_EQ(l.Erase(5), -1);
  ASSERT_EQ(l.Count(), 2);
  EXPECT_EQ(l.At(0), "b");
  EXPECT_EQ(l.At(1), "c");
  ASSERT_EQ(l.Save(), 0);
  ProfileFlush();
  EXPECT_EQ(RawValue(path_, "favoris", "exp_03"), "<absent>");
  std::vector<std::string> seen;
  for (const std::string& s : l) seen.push_back(s);
  EXPECT_EQ(seen, (std::vector<std::string>{"b", "c"}));
}

TEST_F(ProfileFile, ListsWithoutStopReadEveryEntryUpToTheMaximum) {
  WriteBytes(path_, "[favoris]\nnom_02=second\n");
  CKProfileList l("favoris", "nom", 3, false);
  l.Load();
  ASSERT_EQ(l.Count(), 3);
  EXPECT_EQ(l.At(0), "");
  EXPECT_EQ(l.At(1), "second");
  EXPECT_FALSE(l.Modified());
}

}  // namespace

TEST_F(ProfileFile, TheSnapshotReadsWhatTheReaderReadsKeyByKey) {
  const std::string longValue(1500, 'v');
  WriteBytes(path_,
             "[modif]\r\n"
             "plain=abc\r\n"
             "  blanks  =   around value   \r\n"
             "dq=\"quoted\"\r\nsq='single'\r\nhalf=\"open\r\none=\"\r\nmixed=\"a'\r\n"
             "inner=a \"b\" c\r\nempty=\r\nnovalue\r\n"
             "Case=Upper\r\ndup=first\r\ndup=second\r\n"
             "eq=a=b\r\n"
             "long=" + longValue + "\r\n"
             "quotedlong=\"" + longValue + "\"\r\n"
             "; comment=not a key\r\n"
             "[MODIF]\r\nlater=section twice\r\n"
             "[other]\r\nplain=other section\r\n\xE9t\xE9=\xE9\r\n");
  const char* keys[][2] = {
      {"modif", "plain"}, {"modif", "blanks"}, {"modif", "dq"},       {"modif", "sq"},
      {"modif", "half"},  {"modif", "one"},    {"modif", "mixed"},    {"modif", "inner"},
      {"modif", "empty"}, {"modif", "novalue"}, {"modif", "case"},    {"MODIF", "CASE"},
      {"modif", "dup"},   {"modif", "eq"},     {"modif", "long"},     {"modif", "quotedlong"},
      {"modif", "; comment"}, {"modif", "later"}, {"other", "plain"}, {"other", "\xE9t\xE9"},
      {"other", "missing"}, {"missing", "plain"},
  };
  auto readAll = [&keys]() {
    std::vector<std::string> out;
    for (const auto& k : keys) {
      std::string v;
      out.push_back(ProfileRead(k[0], k[1], &v) ? "=" + v : "<absent>");
    }
    return out;
  };
  const std::vector<std::string> direct = readAll();
  EXPECT_EQ(direct[0], "=abc");  // the file was read at all
  std::vector<std::string> fromSnapshot;
  {
    const CKProfileSnapshot snapshot;
    fromSnapshot = readAll();
    // A write ends the snapshot: later reads see the file again.
    ASSERT_EQ(ProfileWrite("modif", "plain", "changed"), 0);
    std::string v;
    EXPECT_TRUE(ProfileRead("modif", "plain", &v));
    EXPECT_EQ(v, "changed");
  }
  ASSERT_EQ(fromSnapshot.size(), direct.size());
  for (size_t i = 0; i < direct.size(); ++i)
    EXPECT_EQ(fromSnapshot[i], direct[i]) << keys[i][0] << "/" << keys[i][1];
}

TEST_F(ProfileFile, ASnapshotOfAMissingFileHasNoKeys) {
  const CKProfileSnapshot snapshot;
  std::string v;
  EXPECT_FALSE(ProfileRead("modif", "plain", &v));
}
