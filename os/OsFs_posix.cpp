#include "os/OsFs.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>

bool IsDirectory(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string LongName(const std::string& path) {
  char buf[PATH_MAX];
  if (!realpath(path.c_str(), buf)) return {};
  const std::string name(buf);
  return name.size() <= 260 ? name : std::string();
}
