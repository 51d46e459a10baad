// The program itself, started as a script would start it: the expression of
// one run is stored and used by the next.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "config/IniFiles.h"
#include "support/CDialogDriver.h"
#include "support/CProcess.h"

namespace {

std::string VeltoExe() {
  const char* bin = std::getenv("VELTO_BINARY_DIR");
  std::string path = std::string(bin ? bin : ".") + "/velto.exe";
  if (path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

// Runs velto.exe with args; any box it shows is answered and recorded.
int RunVelto(const std::string& args, std::vector<std::string>* boxes) {
  CProcess p;
  if (p.Start(Quote(VeltoExe()) + " " + args) != 0) return -1;
  DWORD code = 0;
  for (int i = 0; i < 600; ++i) {
    if (p.Wait(100, &code) == 0) return 0;
    for (const CDialogInfo& d : FindDialogs(p.Pid())) {
      boxes->push_back(d.Text());
      PressButton(d.hwnd, IDOK);
    }
  }
  return -2;
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!FileExists(VeltoExe())) GTEST_SKIP() << VeltoExe() << " is not built";
    dir_ = NewIniPath("e2e_dir");
    dir_.resize(dir_.size() - 4);
    CreateDirectoryA(dir_.c_str(), nullptr);
    WriteBytes(dir_ + "\\a.txt", "a");
    WriteBytes(dir_ + "\\b.txt", "b");
    ini_ = NewIniPath("e2e");
  }
  std::string dir_;
  std::string ini_;
};

TEST_F(EndToEnd, TheExpressionOfOneRunIsUsedByTheNext) {
  std::vector<std::string> boxes;
  ASSERT_EQ(RunVelto("/I " + Quote(ini_) + " /D " + Quote(dir_) + " /E %b_x.%e /Q", &boxes), 0);
  EXPECT_TRUE(boxes.empty()) << boxes.front();
  EXPECT_EQ(RawValue(ini_, "courant", "exp"), "%b_x.%e");
  EXPECT_EQ(RawValue(ini_, "profile", "version"), "11");

  // /P: the file stays as it is, byte for byte.
  const std::string before = ReadBytes(ini_);
  ASSERT_EQ(RunVelto("/I " + Quote(ini_) + " /D " + Quote(dir_) + " /E other /P /Q", &boxes), 0);
  EXPECT_EQ(ReadBytes(ini_), before);

  ASSERT_EQ(RunVelto("/I " + Quote(ini_) + " /D " + Quote(dir_) + " /S *.txt /R /Q", &boxes), 0);
  EXPECT_TRUE(boxes.empty()) << boxes.front();
  EXPECT_TRUE(FileExists(dir_ + "\\a_x.txt"));
  EXPECT_TRUE(FileExists(dir_ + "\\b_x.txt"));
  EXPECT_FALSE(FileExists(dir_ + "\\a.txt"));
}

}  // namespace
