// The PDF reader: first and last lines, cross-reference chains, trailer and
// object dictionaries, strings and dates.
#include "../photo/FuzzPhoto.h"
#include "meta/Pdf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzphoto::Lire(data, size, ReadPdfFile);
  return 0;
}
