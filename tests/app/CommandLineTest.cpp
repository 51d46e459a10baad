// The command-line scan, with the system's own long-name conversion on real files.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/CCommandLine.h"
#include "os/OsFs.h"

namespace {

struct Args {
  explicit Args(std::vector<std::string> a) : strings(std::move(a)) {
    strings.insert(strings.begin(), "velto.exe");
    for (auto& s : strings) ptrs.push_back(&s[0]);
  }
  int argc() const { return static_cast<int>(ptrs.size()); }
  char** argv() { return ptrs.data(); }
  std::vector<std::string> strings;
  std::vector<char*> ptrs;
};

std::string Favourite(const std::string& title) {
  if (title == "Dated") return "%dmd_%b.%e";
  if (title == "dated") return "lower";
  return {};
}

CCommandLine Scan(std::vector<std::string> args) {
  Args a(std::move(args));
  CCommandLine cl;
  ScanCommandLine(a.argc(), a.argv(), cl, Favourite, LongName);
  return cl;
}

// A scratch directory with real files: the long-name conversion needs them.
class CommandLineFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmp[MAX_PATH];
    GetTempPathA(sizeof tmp, tmp);
    base_ = std::string(tmp) + "velto_cl_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(base_.c_str(), nullptr);
    CreateDirectoryA((base_ + "\\one").c_str(), nullptr);
    CreateDirectoryA((base_ + "\\two").c_str(), nullptr);
    Touch(base_ + "\\one\\a long name.txt");
    Touch(base_ + "\\one\\b.txt");
    Touch(base_ + "\\two\\c.txt");
  }
  void TearDown() override {
    DeleteFileA((base_ + "\\one\\a long name.txt").c_str());
    DeleteFileA((base_ + "\\one\\b.txt").c_str());
    DeleteFileA((base_ + "\\two\\c.txt").c_str());
    RemoveDirectoryA((base_ + "\\one").c_str());
    RemoveDirectoryA((base_ + "\\two").c_str());
    RemoveDirectoryA(base_.c_str());
  }
  static void Touch(const std::string& path) { std::ofstream(path) << "x"; }
  std::string base_;
};

}  // namespace

TEST(CommandLine, Switches) {
  struct Case {
    std::vector<std::string> args;
    COpKind operation;
    bool quit, help, save;
    std::string startDir, select;
  };
  const Case cases[] = {
      {{}, COpKind::None, false, false, true, "", ""},
      {{"/r"}, COpKind::Rename, false, false, true, "", ""},
      {{"/R", "/C"}, COpKind::Copy, false, false, true, "", ""},
      {{"/C", "/R"}, COpKind::Rename, false, false, true, "", ""},
      {{"/q", "/p", "/?"}, COpKind::None, true, true, false, "", ""},
      {{"/D", "  C:\\photos  "}, COpKind::None, false, false, true, "C:\\photos", ""},
      {{"/D", "a", "/D", "b"}, COpKind::None, false, false, true, "b", ""},
      // A switch at the end of the list has no parameter and is ignored.
      {{"/D"}, COpKind::None, false, false, true, "", ""},
      {{"/D", "x", "/S"}, COpKind::None, false, false, true, "x", ""},
      {{"/S", "*"}, COpKind::None, false, false, true, "", "*"},
      {{"/s", " *.mp3 "}, COpKind::None, false, false, true, "", "*.mp3"},
      // /I and its parameter belong to the configuration loader.
      {{"/I", "/R"}, COpKind::None, false, false, true, "", ""},
      // Blanks other than the space character are kept.
      {{"/D", "\tdir\t"}, COpKind::None, false, false, true, "\tdir\t", ""},
  };
  for (const Case& c : cases) {
    const CCommandLine cl = Scan(c.args);
    std::string label;
    for (const auto& a : c.args) label += "[" + a + "]";
    EXPECT_EQ(cl.operation, c.operation) << label;
    EXPECT_EQ(cl.quit, c.quit) << label;
    EXPECT_EQ(cl.help, c.help) << label;
    EXPECT_EQ(cl.saveConfig, c.save) << label;
    EXPECT_EQ(cl.startDir, c.startDir) << label;
    EXPECT_EQ(cl.selectFilter, c.select) << label;
  }
}

TEST(CommandLine, ExpressionAndFilter) {
  struct Case {
    std::vector<std::string> args;
    bool has;
    std::string expression;
  };
  const Case cases[] = {
      {{"/E", " %b.%e "}, true, "%b.%e"},
      {{"/E", "%b", "/A", "Dated"}, true, "%dmd_%b.%e"},
      {{"/A", "Dated", "/E", "%f"}, true, "%f"},
      {{"/A", "dated"}, true, "lower"},  // titles compare case-sensitively
      {{"/A", "unknown"}, true, ""},
      {{"/E"}, false, ""},
  };
  for (const Case& c : cases) {
    const CCommandLine cl = Scan(c.args);
    EXPECT_EQ(cl.hasExpression, c.has) << c.args[0];
    EXPECT_EQ(cl.expression, c.expression) << c.args[0];
  }
  const CCommandLine f = Scan({"/F", " *.jpg;*.png "});
  EXPECT_TRUE(f.hasFilter);
  EXPECT_EQ(f.filter, "*.jpg;*.png");
}

TEST(CommandLine, SwitchMustBeWholeArgument) {
  const CCommandLine cl = Scan({"/Rx"});
  EXPECT_EQ(cl.operation, COpKind::None);
  // An unknown switch-looking argument is a file name; it does not exist,
  // so it names nothing, not even a start directory.
  EXPECT_TRUE(cl.names.empty());
  EXPECT_EQ(cl.startDir, "");
}

TEST(CommandLine, RecurseAdjustment) {
  struct Case {
    std::vector<std::string> args;
    bool stored, expected;
  };
  const Case cases[] = {
      {{}, true, true},
      {{}, false, false},
      {{"/D", "x"}, true, false},          // a known start directory turns it off
      {{"/D", "x", "/T"}, false, true},    // /T with /D loads recursively
      {{"/T", "/N"}, true, false},         // /N wins over /T
      {{"/N", "/T", "/D", "x"}, true, false},
      {{"/T"}, false, true},
  };
  for (const Case& c : cases) {
    const CCommandLine cl = Scan(c.args);
    EXPECT_EQ(cl.AdjustRecurse(c.stored), c.expected);
  }
}

TEST_F(CommandLineFiles, FileNamesSelectInTheFirstDirectory) {
  // The short form of a name is converted back to its long form.
  char shortName[MAX_PATH] = "";
  GetShortPathNameA((base_ + "\\one\\a long name.txt").c_str(), shortName, sizeof shortName);
  const CCommandLine cl =
      Scan({base_ + "\\one\\missing.txt", shortName, base_ + "\\two\\c.txt", base_ + "\\one\\b.txt",
            base_ + "\\one\\missing.txt"});
  // A missing file, even first, names nothing; the file of another
  // directory is ignored.
  EXPECT_EQ(cl.startDir, base_ + "\\one");
  ASSERT_EQ(cl.names.size(), 2u);
  EXPECT_EQ(cl.names[0], "a long name.txt");
  EXPECT_EQ(cl.names[1], "b.txt");
  EXPECT_FALSE(cl.AdjustRecurse(true));
}

TEST_F(CommandLineFiles, FileNameAfterStartDirectory) {
  // With /D first, a file of another directory is ignored, one of /D's kept.
  const CCommandLine cl = Scan({"/D", base_ + "\\two", base_ + "\\one\\b.txt", base_ + "\\two\\c.txt"});
  EXPECT_EQ(cl.startDir, base_ + "\\two");
  ASSERT_EQ(cl.names.size(), 1u);
  EXPECT_EQ(cl.names[0], "c.txt");
}

TEST(CommandLine, DriveRootKeepsItsBackslash) {
  // C:\ exists in every Wine prefix; its long name splits into "C:\" and a name.
  char windir[MAX_PATH];
  GetWindowsDirectoryA(windir, sizeof windir);  // e.g. C:\windows
  const CCommandLine cl = Scan({windir});
  EXPECT_EQ(cl.startDir, std::string(windir, 3));
  ASSERT_EQ(cl.names.size(), 1u);
  EXPECT_EQ(cl.names[0], std::string(windir + 3));
}
