// A batch rename by `%dmd_%nc.%e` of 2,000 files whose dates collide: every
// file must get the name the definition gives (its date, then one more than
// the number of files selected before it with the same date), with nothing
// lost or overwritten.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "TempTree.h"
#include "support/CProcess.h"
#include "support/CVelto.h"

namespace {

constexpr int kFiles = 2000;
constexpr int kDates = 37;

// Noon UTC of day d after 2004-01-01, as a file time.
FILETIME DayTime(int d) {
  const unsigned long long base = 127175472000000000ULL;  // 2004-01-01 00:00 UTC
  const unsigned long long t = base + (static_cast<unsigned long long>(d) * 86400 + 43200) * 10000000ULL;
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(t);
  ft.dwHighDateTime = static_cast<DWORD>(t >> 32);
  return ft;
}

std::string DayText(int d) {
  SYSTEMTIME st;
  const FILETIME ft = DayTime(d);
  FileTimeToSystemTime(&ft, &st);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04u%02u%02u", st.wYear, st.wMonth, st.wDay);
  return buf;
}

// The directory's files in the order the system lists them, which is the
// order of a load and so of a selection made by a filter.
std::vector<std::string> Listing(const TempTree& t) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA(t.Path("*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(fd.cFileName);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  return names;
}

}  // namespace

TEST(BatchNumbering, CollisionNumbersOnTwoThousandFilesMatchTheDefinition) {
  TempTree cfg, data;
  std::map<std::string, int> dayOf;
  for (int i = 0; i < kFiles; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "f%04d.txt", i);
    data.File(name, name);  // each file holds its original name
    const int day = (i * 7) % kDates * 3;
    dayOf[name] = day;
    HANDLE h = CreateFileA(data.Path(name).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    const FILETIME ft = DayTime(day);
    ASSERT_TRUE(SetFileTime(h, nullptr, nullptr, &ft));
    CloseHandle(h);
  }
  // The definition, over the files in selection order.
  std::map<std::string, std::string> expected;  // future name -> original name
  std::map<int, int> seen;
  for (const std::string& n : Listing(data)) {
    char num[8];
    std::snprintf(num, sizeof num, "%03d", ++seen[dayOf[n]]);
    expected[DayText(dayOf[n]) + "_" + num + ".txt"] = n;
  }
  ASSERT_EQ(expected.size(), static_cast<size_t>(kFiles));

  std::vector<std::string> boxes;
  ASSERT_EQ(RunVelto("/I " + Quote(cfg.Path("velto.ini")) + " /D " + Quote(data.Root()) +
                         " /S \"*\" /E \"%dmd_%nc.%e\" /R /Q",
                     &boxes, 240000),
            0);
  EXPECT_TRUE(boxes.empty()) << boxes.front();
  const auto after = data.Snapshot();
  ASSERT_EQ(after.size(), static_cast<size_t>(kFiles));
  for (const auto& [future, original] : expected) {
    auto it = after.find(future);
    ASSERT_NE(it, after.end()) << future << " (from " << original << ")";
    EXPECT_EQ(it->second, original) << future;
  }
}
