// velto.exe started as a script starts it, on scratch directories.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempTree.h"
#include "support/CProcess.h"
#include "support/CVelto.h"

namespace {

std::string Ini(const TempTree& t) { return Quote(t.Path("velto.ini")); }

std::string Value(const TempTree& t, const char* section, const char* key) {
  return IniValue(t.Path("velto.ini"), section, key);
}

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    data.File("a.txt", "a");
    data.File("b.mp3", "b");
    data.Dir("sub");
    data.File("sub\\c.txt", "c");
  }
  TempTree cfg;   // holds the configuration file
  TempTree data;  // the directory loaded
};

}  // namespace

TEST_F(Startup, QuietLoadEndsByItselfAndWritesNothingIntoTheDirectory) {
  const auto before = data.Snapshot();
  std::vector<std::string> boxes;
  ASSERT_EQ(RunVelto("/I " + Ini(cfg) + " /D " + Quote(data.Root()) + " /Q", &boxes), 0);
  EXPECT_TRUE(boxes.empty()) << boxes.front();
  EXPECT_EQ(data.Snapshot(), before);
  // The loaded directory becomes the stored current directory.
  char longName[MAX_PATH];
  GetLongPathNameA(data.Root().c_str(), longName, sizeof longName);
  EXPECT_EQ(Value(cfg, "courant", "rep"), longName) << cfg.Read("velto.ini");
}

TEST_F(Startup, MissingDirectoryIsReportedThenTheFallbackRuns) {
  std::vector<std::string> boxes;
  // A first run stores a usable directory.
  ASSERT_EQ(RunVelto("/I " + Ini(cfg) + " /D " + Quote(data.Root()) + " /Q", &boxes), 0);
  const std::string missing = data.Path("no such dir");
  ASSERT_EQ(RunVelto("/I " + Ini(cfg) + " /D " + Quote(missing) + " /Q", &boxes), 0);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("Unable to access " + missing), std::string::npos) << boxes[0];
  char longName[MAX_PATH];
  GetLongPathNameA(data.Root().c_str(), longName, sizeof longName);
  EXPECT_EQ(Value(cfg, "courant", "rep"), longName);
}

TEST_F(Startup, StoredDirectoryClimbsToAParentThatStillExists) {
  data.Dir("sub\\gone");
  cfg.File("velto.ini", "[profile]\r\nversion=11\r\n[courant]\r\nrep=" + data.Path("sub\\gone\\deeper") + "\r\n");
  std::vector<std::string> boxes;
  ASSERT_EQ(RunVelto("/I " + Ini(cfg) + " /Q", &boxes), 0);
  EXPECT_TRUE(boxes.empty()) << boxes.front();
  char longName[MAX_PATH];
  GetLongPathNameA(data.Path("sub\\gone").c_str(), longName, sizeof longName);
  EXPECT_EQ(Value(cfg, "courant", "rep"), longName);
}

TEST_F(Startup, AnOperationWithoutAStartDirectoryRenamesNothing) {
  // The stored directory loads in the background, so the operation finds no
  // selection; the run then ends without waiting for that load.
  cfg.File("velto.ini", "[profile]\r\nversion=11\r\n[courant]\r\nrep=" + data.Root() + "\r\n");
  const auto before = data.Snapshot();
  std::vector<std::string> boxes;
  ASSERT_EQ(RunVelto("/I " + Ini(cfg) + " /S * /E x_%f /R /Q /P", &boxes), 0);
  EXPECT_TRUE(boxes.empty()) << boxes.front();
  EXPECT_EQ(data.Snapshot(), before);
}

TEST_F(Startup, SwitchesReachTheSettings) {
  struct Case {
    std::string args;
    const char* section;
    const char* key;
    std::string value;
  };
  const std::string d = " /D " + Quote(data.Root());
  const Case cases[] = {
      {d + " /F *.txt /Q", "courant", "fil", "*.txt"},
      {d + " /E \"%b x.%e\" /Q", "courant", "exp", "%b x.%e"},
      {d + " /T /Q", "courant", "recurse", "1"},
      {d + " /Q", "courant", "recurse", "0"},  // a start directory turns recursion off
      {"/T /N /Q", "courant", "recurse", "0"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> boxes;
    ASSERT_EQ(RunVelto("/I " + Ini(cfg) + " " + c.args, &boxes), 0) << c.args;
    EXPECT_EQ(Value(cfg, c.section, c.key), c.value) << c.args;
  }
}

TEST_F(Startup, NoSaveLeavesTheFileUntouched) {
  std::vector<std::string> boxes;
  ASSERT_EQ(RunVelto("/I " + Ini(cfg) + " /D " + Quote(data.Root()) + " /Q", &boxes), 0);
  const std::string before = cfg.Read("velto.ini");
  ASSERT_EQ(RunVelto("/I " + Ini(cfg) + " /D " + Quote(data.Path("sub")) + " /E x /T /Q /P", &boxes), 0);
  EXPECT_EQ(cfg.Read("velto.ini"), before);
}

TEST_F(Startup, NamesFromWhatIsInsideTheFiles) {
  // A GIF of 320x200 in the loaded directory and one of 16x8 below it.
  const auto gif = [](int w, int h) {
    return std::string("GIF89a") + char(w & 0xFF) + char(w >> 8) + char(h & 0xFF) + char(h >> 8) +
           std::string(21, '\0') + ";";
  };
  data.File("pic.gif", gif(320, 200));
  data.File("sub\\small.GIF", gif(16, 8));
  std::vector<std::string> boxes;
  ASSERT_EQ(RunVelto("/I " + Ini(cfg) + " /D " + Quote(data.Root()) + " /T /S *.gif /E %Ix_%Iy_%f /R /Q /P",
                     &boxes),
            0);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(data.Read("320_200_pic.gif"), gif(320, 200));
  EXPECT_EQ(data.Read("sub\\16_8_small.GIF"), gif(16, 8));
}
