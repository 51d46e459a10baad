// Input: filter, a NUL byte, then the name. Both are matched in both modes;
// the matcher must neither crash nor read past either string.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/CFiltre.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string all(reinterpret_cast<const char*>(data), size);
  const size_t cut = all.find('\0');
  const std::string filter = all.substr(0, cut);
  const std::string name = cut == std::string::npos ? std::string() : all.substr(cut + 1);
  const bool top = match(filter.c_str(), name.c_str(), false);
  match(filter.c_str(), name.c_str(), true);
  // Adding a file spec that cannot match leaves the result as it was.
  if (filter.find('\\') == std::string::npos &&
      match((filter + ";\\\x01\\\x02").c_str(), name.c_str(), false) != top &&
      name.find("\x01\x02") == std::string::npos) {
    std::abort();
  }
  return 0;
}
