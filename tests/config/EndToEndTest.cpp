// The program itself, started as a script would start it: the expression of
// one run is stored and used by the next.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "config/IniFiles.h"
#include "support/CDialogDriver.h"
#include "support/CProcess.h"
#include "support/CVelto.h"

namespace {

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FileExists(VeltoExe())) << VeltoExe() << " is not built";
    dir_ = NewIniPath("e2e_dir");
    dir_.resize(dir_.size() - 4);
    dir_ += "_" + std::to_string(GetTickCount());  // never a directory left by an earlier run
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
  EXPECT_EQ(IniValue(ini_, "courant", "exp"), "%b_x.%e");
  EXPECT_EQ(IniValue(ini_, "profile", "version"), "11");

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
