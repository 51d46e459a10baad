// The structural check of OLE compound files: header, allocation tables,
// directory tree and the summary stream's chains.
#include "../photo/FuzzPhoto.h"
#include "meta/CompoundFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzphoto::Lire(data, size, [](MetaExtractor& x, const std::string& path) {
    if (x.File().OpenRead(path) != 0) return -1;
    return CheckCompoundFile(x.File());
  });
  return 0;
}
