#include "os/CurrentDir.h"

#include <unistd.h>

#include <climits>

std::string CurrentDirectory() {
  char buf[PATH_MAX];
  return getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}
