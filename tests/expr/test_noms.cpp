#include <gtest/gtest.h>

#include "os/CNoms.h"

struct NomRow {
  const char* name;
  const char* sansChemin;
  const char* base;
  const char* ext;
  const char* rep;
  const char* repRelatif;
};

TEST(Noms, PartsOfNames) {
  const NomRow rows[] = {
      {"autoexec.bat", "autoexec.bat", "autoexec", "bat", "", ""},
      {"SPORT\\2006\\IMG001.jpg", "IMG001.jpg", "IMG001", "jpg", "SPORT\\2006\\", "SPORT\\2006\\"},
      {"a.b.c", "a.b.c", "a.b", "c", "", ""},
      {"noext", "noext", "noext", "", "", ""},
      {"dir.d\\noext", "noext", "noext", "", "dir.d\\", "dir.d\\"},
      {".hidden", ".hidden", "", "hidden", "", ""},
      {"trail.", "trail.", "trail", "", "", ""},
      {"", "", "", "", "", ""},
      {"C:\\x\\y.txt", "y.txt", "y", "txt", "C:\\x\\", ""},
      {"\\\\srv\\sh\\f.z", "f.z", "f", "z", "\\\\srv\\sh\\", ""},
      {"dir\\", "", "", "", "dir\\", "dir\\"},
      {"dir.x\\file", "file", "file", "", "dir.x\\", "dir.x\\"},
      {"C:\\a.b\\c.d", "c.d", "c", "d", "C:\\a.b\\", ""},
  };
  for (const NomRow& r : rows) {
    EXPECT_EQ(NomSansChemin(r.name), r.sansChemin) << r.name;
    EXPECT_EQ(NomBase(r.name), r.base) << r.name;
    EXPECT_EQ(NomExtension(r.name), r.ext) << r.name;
    EXPECT_EQ(NomRepertoire(r.name), r.rep) << r.name;
    EXPECT_EQ(RepRelatif(r.name), r.repRelatif) << r.name;
  }
}

TEST(Noms, DirectoryOfAFullNameKeepsOnlyARootSeparator) {
  const struct {
    const char* name;
    const char* dir;
  } rows[] = {{"C:\\a\\b.txt", "C:\\a"}, {"C:\\b.txt", "C:\\"}, {"C:\\", "C:\\"},
              {"\\\\srv\\sh\\f", "\\\\srv\\sh"}, {"\\f", "\\"}, {"f", ""}, {"", ""}};
  for (const auto& r : rows) EXPECT_EQ(RepertoireDe(r.name), r.dir) << r.name;
}

TEST(Noms, DotEntriesAndInvalidCharacters) {
  EXPECT_TRUE(EstEntreePoint("."));
  EXPECT_TRUE(EstEntreePoint(".."));
  for (const char* n : {"...", ".a", "a", ""}) EXPECT_FALSE(EstEntreePoint(n)) << n;
  for (const char* s : {"a:b", "x|", "\\", "a\tb", "\x1f"}) EXPECT_TRUE(ContientInvalide(s)) << s;
  for (const char* s : {"_", "", "a b", "\x7f\xe9"}) EXPECT_FALSE(ContientInvalide(s)) << s;
}

TEST(Noms, AbsoluteNames) {
  struct Row {
    const char* name;
    const char* cur;
    const char* abs;
    const char* dir;
  } rows[] = {
      {"a.jpg", "C:\\Photos", "C:\\Photos\\a.jpg", "C:\\Photos\\"},
      {"a.jpg", "C:\\", "C:\\a.jpg", "C:\\"},
      {"s\\a.jpg", "D:\\x\\", "D:\\x\\s\\a.jpg", "D:\\x\\s\\"},
      {"E:\\a.jpg", "C:\\Photos", "E:\\a.jpg", "E:\\"},
      {"e:rel.txt", "C:\\Photos", "e:rel.txt", ""},
      {"\\\\srv\\share\\a", "C:\\", "\\\\srv\\share\\a", "\\\\srv\\share\\"},
      {"\\root.txt", "C:\\x", "C:\\root.txt", "C:\\"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(NomAbsolu(r.name, r.cur), r.abs) << r.name;
    EXPECT_EQ(RepAbsolu(r.name, r.cur), r.dir) << r.name;
  }
  EXPECT_TRUE(NomEstAbsolu("z:"));
  EXPECT_FALSE(NomEstAbsolu("1:\\"));
  EXPECT_FALSE(NomEstAbsolu("\\x"));
  EXPECT_EQ(AvecAntislash(""), "");
  EXPECT_EQ(AvecAntislash("C:"), "C:\\");
}

TEST(Noms, ParentLevels) {
  struct Row {
    const char* name;
    const char* cur;
    int level;
    const char* expected;
  } rows[] = {
      {"a.jpg", "C:\\Photos\\2006", 1, "2006"},
      {"a.jpg", "C:\\Photos\\2006", 2, "Photos"},
      {"a.jpg", "C:\\Photos\\2006", 3, ""},  // the drive is never returned
      {"a.jpg", "C:\\Photos\\2006", 0, ""},
      {"a.jpg", "C:\\Photos\\2006", 9, ""},
      {"a.jpg", "C:\\", 1, ""},
      {"sub\\a.jpg", "C:\\P", 1, "sub"},
      {"sub\\a.jpg", "C:\\P", 2, "P"},
      {"\\\\srv\\share\\d\\a", "C:\\", 1, "d"},
      {"\\\\srv\\share\\d\\a", "C:\\", 2, ""},
      {"a", "rel\\dir", 2, "rel"},
      {"a", "", 1, ""},
  };
  for (const auto& r : rows) EXPECT_EQ(RepParent(r.name, r.cur, r.level), r.expected) << r.name << " " << r.level;
}
