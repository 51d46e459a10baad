#include <gtest/gtest.h>

#include "TempTree.h"
#include "ops/CFsHelpers.h"
#include "os/OsFs.h"

TEST(FsHelpers, CreatePathDirectories) {
  TempTree t;
  struct Case {
    std::string prefix;
    int result;
    std::vector<std::string> exist;
  };
  const Case cases[] = {
      {"", 0, {}},
      {"\\", 0, {}},
      {t.Path("one\\two\\three\\"), 0, {"one", "one\\two", "one\\two\\three"}},
      {t.Path("one\\two\\"), 0, {"one\\two"}},  // already there
      {"\\\\server\\", -1, {}},                  // UNC without its share
      {t.Path(std::string(270, 'x') + "\\"), 0, {}},  // 261 characters or more: nothing to do
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CreatePathDirectories(c.prefix), c.result) << c.prefix;
    for (const auto& d : c.exist) EXPECT_TRUE(t.Exists(d)) << d;
  }
  // A file in the way stops the creation.
  t.File("file");
  EXPECT_EQ(CreatePathDirectories(t.Path("file\\sub\\")), -2);
}

TEST(FsHelpers, DeviceNames) {
  const struct {
    const char* path;
    bool device;
  } cases[] = {
      {"CON", true},        {"con.txt", true},     {"sub\\NUL", true},   {"Com1.mp3", true},
      {"lpt9", true},       {"aux \\x", true},     {"CONSOLE", false},   {"com10", false},
      {"com0", false},      {"a\\b\\c.txt", false}, {"NULL.txt", false}, {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(HasDeviceName(c.path), c.device) << c.path;
}

TEST(FsHelpers, CopyTreeAndDeleteWhatItMade) {
  TempTree t;
  t.Dir("src");
  t.Dir("src\\in");
  t.File("src\\in\\f", "F", TempTree::kReadOnly);
  t.File("src\\g", "G");
  t.Dir("dst");
  std::vector<CCopie> made;
  // A directory is never merged into an existing one.
  EXPECT_EQ(CopyTree(t.Path("src"), t.Path("dst"), &made), -3);
  EXPECT_EQ(CopyTree(t.Path("none"), t.Path("x"), &made), -1);
  EXPECT_TRUE(made.empty());
  EXPECT_EQ(CopyTree(t.Path("src"), t.Path("copy"), &made), 0);
  EXPECT_EQ(made.size(), 4u);  // copy, copy\in, copy\in\f, copy\g in some listing order
  EXPECT_EQ(t.Read("copy\\in\\f"), "F");
  // A file changed since the copy, and one added by someone else, stay with
  // their directories; the rest goes.
  t.File("copy\\g", "changed");
  t.File("copy\\in\\mine", "M");
  int left = 0;
  EXPECT_EQ(DeleteCopied(made, &left), -1);
  EXPECT_EQ(left, 3);  // copy\g, copy\in, copy
  EXPECT_FALSE(t.Exists("copy\\in\\f"));
  EXPECT_EQ(t.Read("copy\\g"), "changed");
  EXPECT_EQ(t.Read("copy\\in\\mine"), "M");
  // Once the others' files are gone, what is left of the copy goes too.
  FsDeleteFile(t.Path("copy\\in\\mine"));
  FsDeleteFile(t.Path("copy\\g"));
  EXPECT_EQ(DeleteCopied(made, &left), 0);
  EXPECT_EQ(left, 0);
  EXPECT_FALSE(t.Exists("copy"));
  EXPECT_TRUE(made.empty());
}
