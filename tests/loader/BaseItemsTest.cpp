// Base items filled from real find data.
#include <gtest/gtest.h>

#include <string>

#include "TempTree.h"
#include <shellapi.h>

#include "files/CBaseTexts.h"
#include "files/CChargeRep.h"

namespace {

const CFichier* Find(const std::vector<CFichier>& entries, const std::string& name) {
  for (const CFichier& e : entries)
    if (e.name == name) return &e;
  return nullptr;
}

std::vector<CFichier> LoadAll(const std::string& root, bool recursive, bool inBytes = false) {
  CChargeRep job;
  job.baseDir = root + "\\";
  job.recursive = recursive;
  job.baseOptions.sizeInBytes = inBytes;
  job.Execute();
  return job.results;
}

}  // namespace

TEST(BaseItems, FromFindData) {
  TempTree t;
  t.File("ro.txt", std::string(1024, 'x'), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                               FILE_ATTRIBUTE_ARCHIVE);
  t.File("SHORT.TXT", "abc");
  t.File("a much longer name.text", "");
  t.Dir("SPORT");
  t.Dir("SPORT\\2006");
  t.File("SPORT\\2006\\IMG001.jpg", "jpeg");
  const auto entries = LoadAll(t.Root(), true);

  const CFichier* ro = Find(entries, "ro.txt");
  ASSERT_NE(ro, nullptr);
  EXPECT_EQ(ro->ItemText(kItemAttributs), "AHR");
  EXPECT_EQ(ro->size, 1024u);
  EXPECT_EQ(ro->items.Text(kItemTaille), "1.00 KB");
  EXPECT_FALSE(ro->isDir);
  EXPECT_FALSE(ro->isParent);

  const CFichier* shortName = Find(entries, "SHORT.TXT");
  ASSERT_NE(shortName, nullptr);
  EXPECT_EQ(shortName->items.Text(kItemNomDos), "SHORT.TXT");
  EXPECT_EQ(shortName->items.Text(kItemTaille), "3");

  const CFichier* longName = Find(entries, "a much longer name.text");
  ASSERT_NE(longName, nullptr);
  const std::string dos = longName->items.Text(kItemNomDos);
  EXPECT_FALSE(dos.empty());
  EXPECT_LE(dos.size(), 12u);

  const CFichier* dir = Find(entries, "SPORT");
  ASSERT_NE(dir, nullptr);
  EXPECT_TRUE(dir->isDir);
  EXPECT_EQ(dir->size, 0u);
  EXPECT_EQ(dir->items.text.Find(kItemTaille), nullptr);
  EXPECT_EQ(dir->ItemText(kItemAttributs).substr(0, 1), "D");
  EXPECT_FALSE(dir->ItemText(kItemType).empty());

  // In a recursive load the name carries the sub-path; the DOS name does not.
  const CFichier* img = Find(entries, "SPORT\\2006\\IMG001.jpg");
  ASSERT_NE(img, nullptr);
  EXPECT_EQ(img->items.Text(kItemNomDos), "IMG001.jpg");

  const CFichier* parent = Find(entries, "..");
  ASSERT_NE(parent, nullptr);
  EXPECT_TRUE(parent->isParent);
  EXPECT_TRUE(parent->isDir);
  EXPECT_EQ(parent->ItemText(kItemAttributs).substr(0, 1), "D");

  // Every non-zero time has a date value and its standard text, made when
  // first asked for and made again when the date changes.
  CFichier copy = *ro;
  for (int item : {kItemDateCrea, kItemDateModif}) {
    const FileTime* ft = ro->items.dates.Find(item);
    ASSERT_NE(ft, nullptr) << item;
    EXPECT_EQ(ro->items.text.Find(item), nullptr) << item;
    EXPECT_FALSE(ro->ItemText(item).empty()) << item;
    EXPECT_EQ(ro->ItemText(item), StandardDateText(*ft)) << item;
    const FileTime later = *ft + 86400ULL * 400 * 10000000;
    copy.items.dates.Set(item, later);
    EXPECT_EQ(copy.ItemText(item), StandardDateText(later)) << item;
    EXPECT_NE(copy.ItemText(item), ro->ItemText(item)) << item;
  }
  // A text a reader stored stays in front.
  copy.items.text.Set(kItemDateModif, "stored");
  EXPECT_EQ(copy.ItemText(kItemDateModif), "stored");
}

TEST(BaseItems, SizeInBytesOption) {
  TempTree t;
  t.File("k.bin", std::string(2048, 'k'));
  const auto entries = LoadAll(t.Root(), false, true);
  const CFichier* k = Find(entries, "k.bin");
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->items.Text(kItemTaille), "2048");
}

TEST(BaseItems, TypeNamesAskedWhenNeededAreTheShellsForTheFullPath) {
  // A loaded entry's type, asked later by its name alone, is the text the
  // shell gives for the entry's full path; asked twice, it is the same.
  TempTree t;
  for (const char* n : {"a.txt", "B.TXT", "c.bmp", "noext", "d.unknownext"}) t.File(n, "");
  t.Dir("dir.ext");
  t.File("dir.ext\\e.txt", "");
  for (const CFichier& e : LoadAll(t.Root(), true)) {
    const std::string path = e.isParent ? t.Root() + "\\" : t.Path(e.name);
    SHFILEINFOA info = {};
    const DWORD attrs = e.isDir ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    const bool ok = SHGetFileInfoA(path.c_str(), attrs, &info, sizeof info,
                                   SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES) != 0;
    for (int round = 0; round < 2; ++round)
      EXPECT_EQ(e.ItemText(kItemType), ok ? info.szTypeName : "") << e.name;
    CFichier stored = e;
    stored.StoreType();
    EXPECT_EQ(stored.items.Text(kItemType), ok ? info.szTypeName : "") << e.name;
  }
}
