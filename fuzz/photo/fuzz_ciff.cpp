// The CIFF heap of crw files, with its thumbnail check.
#include "FuzzPhoto.h"
#include "meta/Ciff.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzphoto::Lire(data, size, ReadCrwFile);
  return 0;
}
