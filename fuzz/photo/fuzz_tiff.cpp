// TIFF structures: a TIFF file with its chain and thumbnail, the same bytes
// as the Exif block of a JPEG file, and the MRW and RAF wrappers.
#include "FuzzPhoto.h"
#include "meta/CBloc.h"
#include "meta/RawFormats.h"
#include "meta/Tiff.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzphoto::Lire(data, size, ReadTiffFile, ReadMrwFile, ReadRafFile);
  CFichier entry;
  CMetaOptions options;
  MetaExtractor x(entry, options);
  CBloc bloc(data, static_cast<uint32_t>(size), 12);
  CTiff(x, bloc).LireExif();
  return 0;
}
