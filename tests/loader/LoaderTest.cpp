// The directory loader on real trees, through the system's find functions.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TempTree.h"
#include "files/CChargeRep.h"
#include "files/CListeModel.h"
#include "os/WideFind.h"

namespace {

struct Options {
  bool recursive = false;
  bool listDirs = true;
  bool filterDirs = true;
  bool listSystem = true;
  bool listHidden = true;
  std::string filter;
};

std::vector<std::string> Load(const std::string& dir, const Options& o, bool stopAtOnce = false) {
  CChargeRep job;
  job.baseDir = dir.back() == '\\' ? dir : dir + "\\";
  job.recursive = o.recursive;
  job.listDirs = o.listDirs;
  job.filterDirs = o.filterDirs;
  job.listSystem = o.listSystem;
  job.listHidden = o.listHidden;
  job.filter = o.filter;
  if (stopAtOnce) job.RequestStop();
  job.Execute();
  std::vector<std::string> names;
  for (const CFichier& e : job.results) names.push_back(e.name);
  return names;
}

std::set<std::string> AsSet(const std::vector<std::string>& v) { return {v.begin(), v.end()}; }

size_t IndexOf(const std::vector<std::string>& v, const std::string& s) {
  return static_cast<size_t>(std::find(v.begin(), v.end(), s) - v.begin());
}

class Loader : public ::testing::Test {
 protected:
  void SetUp() override {
    t.File("a.txt", "hello");
    t.File("b.mp3", "x");
    t.Dir("sub");
    t.File("sub\\c.txt");
    t.Dir("sub\\deep");
    t.File("sub\\deep\\d.mp3");
    t.Dir("music.mp3");
    t.File("music.mp3\\e.mp3");
  }
  TempTree t;
};

}  // namespace

TEST_F(Loader, ListingRules) {
  struct Case {
    const char* label;
    Options options;
    std::set<std::string> expected;
  };
  Options flat;
  Options rec;
  rec.recursive = true;
  Options recNoDirs = rec;
  recNoDirs.listDirs = false;
  Options mp3 = flat;
  mp3.filter = "*.mp3";
  Options mp3DirsUnfiltered = mp3;
  mp3DirsUnfiltered.filterDirs = false;
  Options recMp3 = rec;
  recMp3.filter = "*.mp3";
  const Case cases[] = {
      {"flat", flat, {"..", "a.txt", "b.mp3", "sub", "music.mp3"}},
      {"recursive",
       rec,
       {"..", "a.txt", "b.mp3", "sub", "sub\\c.txt", "sub\\deep", "sub\\deep\\d.mp3", "music.mp3",
        "music.mp3\\e.mp3"}},
      // Files of sub-directories but no directory entries; ".." is never filtered.
      {"recursive without directories",
       recNoDirs,
       {"..", "a.txt", "b.mp3", "sub\\c.txt", "sub\\deep\\d.mp3", "music.mp3\\e.mp3"}},
      {"filtered directories", mp3, {"..", "b.mp3", "music.mp3"}},
      {"unfiltered directories", mp3DirsUnfiltered, {"..", "b.mp3", "sub", "music.mp3"}},
      // The filter sees the bare name, not the relative path.
      {"recursive filtered",
       recMp3,
       {"..", "b.mp3", "sub\\deep\\d.mp3", "music.mp3", "music.mp3\\e.mp3"}},
  };
  for (const Case& c : cases) {
    const auto names = Load(t.Root(), c.options);
    EXPECT_EQ(AsSet(names), c.expected) << c.label;
    EXPECT_EQ(names.size(), c.expected.size()) << c.label << ": duplicates";
  }
}

TEST_F(Loader, DirectoryContentsPrecedeTheDirectory) {
  Options rec;
  rec.recursive = true;
  const auto names = Load(t.Root(), rec);
  EXPECT_LT(IndexOf(names, "sub\\c.txt"), IndexOf(names, "sub"));
  EXPECT_LT(IndexOf(names, "sub\\deep\\d.mp3"), IndexOf(names, "sub\\deep"));
  EXPECT_LT(IndexOf(names, "sub\\deep"), IndexOf(names, "sub"));
  EXPECT_EQ(std::count(names.begin(), names.end(), ".."), 1);
}

TEST_F(Loader, HiddenAndSystemEntries) {
  t.File("hidden.txt", "", FILE_ATTRIBUTE_HIDDEN);
  t.File("system.txt", "", FILE_ATTRIBUTE_SYSTEM);
  t.File("both.txt", "", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  struct Case {
    bool hidden, system;
    std::set<std::string> extra;
  };
  const Case cases[] = {
      {true, true, {"hidden.txt", "system.txt", "both.txt"}},
      {true, false, {"hidden.txt"}},
      {false, true, {"system.txt"}},
      {false, false, {}},
  };
  for (const Case& c : cases) {
    Options o;
    o.listHidden = c.hidden;
    o.listSystem = c.system;
    std::set<std::string> expected = {"..", "a.txt", "b.mp3", "sub", "music.mp3"};
    expected.insert(c.extra.begin(), c.extra.end());
    EXPECT_EQ(AsSet(Load(t.Root(), o)), expected) << c.hidden << c.system;
  }
}

TEST_F(Loader, StopIsSeenAtTheFirstEntryRead) {
  Options rec;
  rec.recursive = true;
  // Read for every entry, kept or filtered out: nothing is kept.
  const auto names = Load(t.Root(), rec, true);
  EXPECT_TRUE(names.empty());
  rec.filter = "*.none";
  EXPECT_TRUE(Load(t.Root(), rec, true).empty());
}

// A load whose worker blocks at its first entry until the test lets it go,
// like a read from a dead network share.
class BlockedLoad : public CChargeRep {
 public:
  BlockedLoad(HANDLE release, HANDLE reached, LONG* freed) : release_(release), reached_(reached), freed_(freed) {}
  ~BlockedLoad() override {
    Wait(10000);
    InterlockedIncrement(freed_);
  }

 protected:
  void EntryRead() override {
    SetEvent(reached_);
    WaitForSingleObject(release_, INFINITE);
  }

 private:
  HANDLE release_;
  HANDLE reached_;
  LONG* freed_;
};

TEST_F(Loader, AStopThatTimesOutGivesTheJobUpAndItsLateCompletionIsKnownByItsGeneration) {
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE reached = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  const UINT done = WM_APP + 1;
  LONG freed = 0;
  auto job = std::make_unique<BlockedLoad>(release, reached, &freed);
  job->baseDir = t.Root().back() == '\\' ? t.Root() : t.Root() + "\\";
  job->owner = owner;
  job->doneMessage = done;
  job->generation = 7;
  job->request.threaded = true;
  ASSERT_EQ(job->Start(), 0);
  ASSERT_EQ(WaitForSingleObject(reached, 10000), WAIT_OBJECT_0);
  job->RequestStop();
  EXPECT_EQ(job->Wait(50), -1);
  CKThread::Abandon(std::move(job));
  EXPECT_EQ(freed, 0);

  // The next load works while the first is still blocked.
  EXPECT_EQ(AsSet(Load(t.Root(), Options())), (std::set<std::string>{"..", "a.txt", "b.mp3", "sub", "music.mp3"}));

  SetEvent(release);
  MSG msg = {};
  bool delivered = false;
  for (int i = 0; i < 1000 && !delivered; ++i) {
    delivered = PeekMessageA(&msg, owner, done, done, PM_REMOVE) != 0;
    if (!delivered) Sleep(5);
  }
  ASSERT_TRUE(delivered);
  EXPECT_EQ(msg.wParam, 7u);  // the owner tells it from its current load's
  for (int i = 0; i < 1000 && InterlockedCompareExchange(&freed, 0, 0) == 0; ++i) Sleep(5);
  EXPECT_EQ(freed, 1);
  DestroyWindow(owner);
  CloseHandle(release);
  CloseHandle(reached);
}

TEST(LoaderEdges, EmptyDirectoryHasOnlyItsParent) {
  TempTree t;
  const auto names = Load(t.Root(), Options());
  EXPECT_EQ(names, std::vector<std::string>{".."});
}

TEST(LoaderEdges, DriveRootHasNoParentEntry) {
  char windir[MAX_PATH];
  GetWindowsDirectoryA(windir, sizeof windir);
  const std::string root(windir, 3);  // "C:\"
  const auto names = Load(root, Options());
  EXPECT_FALSE(names.empty());
  EXPECT_EQ(std::count(names.begin(), names.end(), ".."), 0);
}

TEST(LoaderEdges, MissingDirectoryGivesNothing) {
  TempTree t;
  EXPECT_TRUE(Load(t.Path("nowhere"), Options()).empty());
}

TEST(LoaderEdges, AnsiAndLongNames) {
  TempTree t;
  const std::string accented = "caf\xe9 \xc9t\xe9 \x80.txt";  // café Été €
  t.File(accented);
  // The longest name that fits MAX_PATH under this directory.
  const size_t room = MAX_PATH - 1 - (t.Root().size() + 1);
  const std::string longName = std::string(std::min<size_t>(room, 255) - 4, 'n') + ".txt";
  t.File(longName);
  const auto names = AsSet(Load(t.Root(), Options()));
  EXPECT_EQ(names.count(accented), 1u);
  EXPECT_EQ(names.count(longName), 1u);
}

TEST(LoaderEdges, NamesTheCodePageCannotHoldAreListedButNeverUsable) {
  // The rule itself, with a best-fit name such as Windows' ANSI calls give.
  EXPECT_FALSE(AnsiNameIsExact(L"\x141\xf3\x64\x17a.txt", "Lodz.txt"));  // Łódź.txt
  EXPECT_TRUE(AnsiNameIsExact(L"caf\xe9.txt", "caf\xe9.txt"));
  TempTree t;
  t.File("Lodz.txt", "twin");
  const std::wstring root(t.Root().begin(), t.Root().end());
  CloseHandle(CreateFileW((root + L"\\\x141\xf3\x64\x17a.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0,
                          nullptr));
  ASSERT_TRUE(CreateDirectoryW((root + L"\\\x3a9" L"dir").c_str(), nullptr));  // Ωdir
  CloseHandle(CreateFileW((root + L"\\\x3a9" L"dir\\inside.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0,
                          nullptr));
  CChargeRep job;
  job.baseDir = t.Root() + "\\";
  job.recursive = true;
  job.Execute();
  int bad = 0;
  for (const CFichier& e : job.results) {
    EXPECT_EQ(e.name.find("inside"), std::string::npos) << "entered a directory by a wrong name";
    if (e.name == "Lodz.txt") { EXPECT_FALSE(e.badName); }
    if (!e.badName) continue;
    ++bad;
    EXPECT_EQ(e.lastError, static_cast<uint32_t>(ERROR_NO_UNICODE_TRANSLATION)) << e.name;
  }
  EXPECT_EQ(bad, 2);
  CListeModel model;
  model.SetEntries(std::move(job.results), false);
  model.SelectAll();
  ASSERT_EQ(model.Selection().size(), 1u);
  EXPECT_EQ(model.Entries()[static_cast<size_t>(model.Selection()[0])].name, "Lodz.txt");
}
