// A Musepack file: the APE tag at its end (or before an ID3v1 tag), then the
// stream header.
#include "../photo/FuzzPhoto.h"
#include "meta/Musepack.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzphoto::Lire(data, size, ReadMusepackFile);
  return 0;
}
