#include <gtest/gtest.h>

#include "shell/CExplorer.h"

TEST(ExplorerTitle, DirectoryFromTitle) {
  const struct {
    const char* title;
    const char* dir;
  } cases[] = {
      {"C:\\Photos\\2006", "C:\\Photos\\2006"},
      {"Explorer - D:\\Music", "D:\\Music"},
      {"\\\\server\\share\\dir", "\\\\server\\share\\dir"},
      {"\\\\", ""},           // two backslashes alone are not a path
      {"My Documents", ""},
      {":", ""},
      {"Local Disk (C:)", "C:)"},  // the text from the drive letter on, as it stands
  };
  for (const auto& c : cases) EXPECT_EQ(DirectoryFromExplorerTitle(c.title), c.dir) << c.title;
}
