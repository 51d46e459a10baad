// The walk of a program's headers and resource tree to its version resource.
#include "../photo/FuzzPhoto.h"
#include "meta/PeVersion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzphoto::Lire(data, size, [](MetaExtractor& x, const std::string& path) {
    if (x.File().OpenRead(path) != 0) return -1;
    uint32_t at = 0, bytes = 0;
    return FindPeVersionResource(x.File(), &at, &bytes);
  });
  return 0;
}
