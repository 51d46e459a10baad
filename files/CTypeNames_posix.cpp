#include "files/CTypeNames.h"

// Without a shell there are no type names.
const std::string& ShellTypeName(const std::string&, bool) {
  static const std::string none;
  return none;
}
