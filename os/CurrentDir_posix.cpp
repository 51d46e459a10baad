#include "os/CurrentDir.h"

#include <unistd.h>

#include <climits>

std::string CurrentDirectory() {
  char buf[PATH_MAX];
  return getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

bool ChangeDirectory(const std::string& dir) {
  std::string path = dir;
  for (char& c : path)
    if (c == '\\') c = '/';
  return chdir(path.c_str()) == 0;
}
