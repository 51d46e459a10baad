// Photoshop resource blocks and bare IPTC records, read from memory. The
// first byte chooses which.
#include "FuzzPhoto.h"
#include "meta/CBloc.h"
#include "meta/Iptc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  CFichier entry;
  CMetaOptions options;
  MetaExtractor x(entry, options);
  CBloc bloc(data + 1, static_cast<uint32_t>(size - 1), 0);
  if (data[0] & 1)
    LirePhotoshop(x, bloc, 0, bloc.Size());
  else
    LireIptc(x, bloc, 0, bloc.Size());
  return 0;
}
