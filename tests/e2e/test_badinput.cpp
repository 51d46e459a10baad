// Unattended runs of velto.exe over names the file system refuses or that
// point where no file can go: every failure stays on its own file, is counted
// in the one error box, the other files proceed, and no file is overwritten.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "TempTree.h"
#include "support/CVelto.h"

namespace {

// One argument for a command line, quoted by the runtime's splitting rules
// (backslashes doubled only before a quote or at the end).
std::string Arg(const std::string& s) {
  std::string out = "\"";
  size_t slashes = 0;
  for (char c : s) {
    if (c == '\\') {
      ++slashes;
      continue;
    }
    out.append(c == '"' ? slashes * 2 + 1 : slashes, '\\');
    out += c;
    slashes = 0;
  }
  out.append(slashes * 2, '\\');
  return out + "\"";
}

// The failure count of the one error box: 0 without a box, -1 when several
// boxes or an unexpected text appeared.
int BoxCount(const std::vector<std::string>& boxes) {
  if (boxes.empty()) return 0;
  if (boxes.size() != 1) return -1;
  const std::string& t = boxes[0];
  const size_t at = t.find(" error");
  if (at == std::string::npos || at == 0) return -1;
  size_t start = at;
  while (start > 0 && t[start - 1] >= '0' && t[start - 1] <= '9') --start;
  return start == at ? -1 : std::atoi(t.substr(start, at - start).c_str());
}

// The future name is the base name with a trailing "~" dropped, each "#"
// turned into a backslash and each "=" into a colon, so that one expression
// gives every file of a case its own target, even targets no file can be
// named after ("CON", "\\host\share\x", "Q:\x").
const char kMapped[] = "%b(s/~$//)(s/~//)(s/#/\\\\/g)(s/=/:/g)";

struct Case {
  const char* label;
  std::vector<std::string> dirs;             // made first, in this order
  std::map<std::string, std::string> files;  // name -> distinct content
  std::vector<std::string> readOnly;         // given the read-only attribute
  std::string expression;
  std::string select;                        // the /S filter
  int errors;                                // the count in the box
  std::map<std::string, std::string> after;  // every file afterwards
  std::vector<std::string> absent;           // paths never created
};

class BadInput : public ::testing::Test {
 protected:
  // Runs the batch rename over a fresh tree made from the case.
  void RunCase(const Case& c) {
    TempTree data;
    for (const std::string& d : c.dirs) data.Dir(d);
    for (const auto& f : c.files) data.File(f.first, f.second);
    for (const std::string& r : c.readOnly)
      SetFileAttributesA(data.Path(r).c_str(), GetFileAttributesA(data.Path(r).c_str()) | FILE_ATTRIBUTE_READONLY);
    std::vector<std::string> boxes;
    const std::string args = "/I " + Arg(cfg.Path("velto.ini")) + " /D " + Arg(data.Root()) + " /S " +
                             Arg(c.select) + " /E " + Arg(c.expression) + " /R /Q /P";
    ASSERT_EQ(RunVelto(args, &boxes), 0) << c.label;
    EXPECT_EQ(BoxCount(boxes), c.errors) << c.label << (boxes.empty() ? "" : ": " + boxes[0]);
    EXPECT_EQ(data.Snapshot(), c.after) << c.label;
    for (const std::string& p : c.absent) EXPECT_FALSE(data.Exists(p)) << c.label << ": " << p;
    for (const std::string& r : c.readOnly) SetFileAttributesA(data.Path(r).c_str(), FILE_ATTRIBUTE_NORMAL);
  }

  TempTree cfg;
};

}  // namespace

TEST_F(BadInput, ReservedDeviceNamesAreRefusedAndNothingIsLost) {
  const Case cases[] = {
      {"device names",
       {},
       {{"CON~.txt", "1"}, {"NUL~.txt", "2"}, {"COM1~.txt", "3"}, {"con~.txt.txt", "4"}, {"good.txt", "5"}},
       {},
       kMapped,
       "*",
       4,
       {{"CON~.txt", "1"}, {"NUL~.txt", "2"}, {"COM1~.txt", "3"}, {"con~.txt.txt", "4"}, {"good", "5"}},
       {}},
      {"device name as a directory of the path",
       {},
       {{"aux#a~.txt", "1"}, {"lpt1#b.txt.txt", "2"}, {"auxiliary#c.txt", "3"}},
       {},
       kMapped,
       "*",
       2,
       {{"aux#a~.txt", "1"}, {"lpt1#b.txt.txt", "2"}, {"auxiliary\\c", "3"}},
       {}},
      {"names close to device names are ordinary",
       {},
       {{"CONFIG~.txt", "1"}, {"COM10.txt", "2"}, {"nul_x.txt", "3"}},
       {},
       kMapped,
       "*",
       0,
       {{"CONFIG", "1"}, {"COM10", "2"}, {"nul_x", "3"}},
       {}},
  };
  for (const Case& c : cases) RunCase(c);
}

TEST_F(BadInput, NamesOfDotsOrBlanksAndOverlongNames) {
  const std::string longName(300, 'z');
  const Case cases[] = {
      // Trailing dots are removed by the clean-up: nothing is left, so the
      // file keeps its name and is not counted.
      {"only dots", {}, {{"....txt", "1"}, {"a.txt", "2"}}, {}, kMapped, "*", 0,
       {{"....txt", "1"}, {"a", "2"}}, {}},
      {"only spaces", {}, {{"   .txt", "1"}, {"a.txt", "2"}}, {}, kMapped, "*", 1,
       {{"   .txt", "1"}, {"a", "2"}}, {}},
      {"dots and spaces", {}, {{". . ~.txt", "1"}, {"a.txt", "2"}}, {}, kMapped, "*", 1,
       {{". . ~.txt", "1"}, {"a", "2"}}, {}},
      {"300 characters", {}, {{"long.txt", "1"}, {"a.txt", "2"}}, {},
       "%b(s/^long$/" + longName + "/)", "*", 1, {{"long.txt", "1"}, {"a", "2"}}, {}},
      {"300 characters in a new directory", {}, {{"long.txt", "1"}, {"a.txt", "2"}}, {},
       "%b(s/^long$/" + longName + "\\\\x/)", "*", 1, {{"long.txt", "1"}, {"a", "2"}}, {longName.substr(0, 200)}},
  };
  for (const Case& c : cases) RunCase(c);
}

TEST_F(BadInput, DestinationsThatCannotTakeTheFile) {
  const Case cases[] = {
      // A read-only attribute on a directory does not protect what it holds:
      // files go in, but the one already there is never replaced.
      {"read-only destination directory",
       {"ro"},
       {{"a.txt", "1"}, {"b.txt", "2"}, {"ro\\b.txt", "old"}},
       {"ro"},
       "ro\\\\%f",
       "*.txt",
       1,
       {{"ro\\a.txt", "1"}, {"b.txt", "2"}, {"ro\\b.txt", "old"}},
       {}},
      {"a file where the directory should be",
       {},
       {{"a.txt", "1"}, {"b.txt", "2"}, {"blk", "blk"}},
       {"blk"},
       "blk\\\\%f",
       "*.txt",
       2,
       {{"a.txt", "1"}, {"b.txt", "2"}, {"blk", "blk"}},
       {}},
      {"drive that does not exist and unreachable UNC paths",
       {},
       {{"Q=#x.txt", "1"}, {"##nosuchhost#share#x.txt", "2"}, {"##nosuchhost.txt", "3"}, {"ok.txt", "4"}},
       {},
       kMapped,
       "*",
       3,
       {{"Q=#x.txt", "1"}, {"##nosuchhost#share#x.txt", "2"}, {"##nosuchhost.txt", "3"}, {"ok", "4"}},
       {}},
      {"directory into itself",
       {"dd", "ee"},
       {{"dd\\f.txt", "1"}, {"ee\\g.txt", "2"}, {"h.txt", "3"}},
       {},
       "%f(s/^dd$/dd\\\\dd/)(s/^ee$/EE\\\\x\\\\y/)(s/^h/i/)",
       "*",
       2,
       {{"dd\\f.txt", "1"}, {"ee\\g.txt", "2"}, {"i.txt", "3"}},
       {"dd\\dd", "ee\\x"}},
  };
  for (const Case& c : cases) RunCase(c);
}

TEST_F(BadInput, NamesOnTheCommandLineThatDoNotExist) {
  struct NameCase {
    const char* label;
    std::vector<std::string> names;  // relative to the tree, given as full paths
    std::map<std::string, std::string> after;
  };
  const NameCase cases[] = {
      {"missing names beside an existing one", {"gone.txt", "a.txt", "also gone.txt"},
       {{"x_a.txt", "A"}, {"b.txt", "B"}}},
      {"only missing names", {"gone.txt"}, {{"a.txt", "A"}, {"b.txt", "B"}}},
  };
  for (const NameCase& c : cases) {
    TempTree data;
    data.File("a.txt", "A");
    data.File("b.txt", "B");
    std::string args = "/I " + Arg(cfg.Path("velto.ini")) + " /D " + Arg(data.Root());
    for (const std::string& n : c.names) args += " " + Arg(data.Path(n));
    args += " /E x_%f /R /Q /P";
    std::vector<std::string> boxes;
    ASSERT_EQ(RunVelto(args, &boxes), 0) << c.label;
    EXPECT_EQ(BoxCount(boxes), 0) << c.label;
    EXPECT_EQ(data.Snapshot(), c.after) << c.label;
  }
}

TEST_F(BadInput, AMissingFileRenamesNothingInTheCurrentDirectory) {
  // Without /D a file that does not exist names no start directory, so even
  // a select-all filter finds nothing to rename in the caller's directory.
  TempTree here;
  here.File("a.txt", "A");
  char previous[MAX_PATH];
  GetCurrentDirectoryA(sizeof previous, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(here.Root().c_str()));
  std::vector<std::string> boxes;
  const int r = RunVelto("/I " + Arg(cfg.Path("velto.ini")) + " " + Arg(here.Path("gone.txt")) +
                             " /S * /E x_%f /R /Q /P",
                         &boxes);
  SetCurrentDirectoryA(previous);
  ASSERT_EQ(r, 0);
  EXPECT_EQ(BoxCount(boxes), 0);
  EXPECT_EQ(here.Snapshot(), (std::map<std::string, std::string>{{"a.txt", "A"}}));
}
