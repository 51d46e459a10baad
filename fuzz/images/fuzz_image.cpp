// One image format's reader on the input, as a file and as a picture
// embedded a little short of the input's end (the probe used by tags and
// containers). The format is chosen when the target is built (FUZZ_<FORMAT>).
#include "../photo/FuzzPhoto.h"
#include "meta/ImageFormats.h"

#if defined(FUZZ_BMP)
#define FUZZ_READER ReadBmpFile
#define FUZZ_MIME "image/bmp"
#elif defined(FUZZ_GIF)
#define FUZZ_READER ReadGifFile
#define FUZZ_MIME "image/gif"
#elif defined(FUZZ_PNG)
#define FUZZ_READER ReadPngFile
#define FUZZ_MIME "image/png"
#elif defined(FUZZ_PCX)
#define FUZZ_READER ReadPcxFile
#define FUZZ_MIME "image/pcx"
#elif defined(FUZZ_ICO)
#define FUZZ_READER ReadIconFile
#define FUZZ_MIME "image/ico"
#else
#error "FUZZ_<FORMAT> names the format"
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto embedded = [size](MetaExtractor& x, const std::string& path) {
    if (x.File().OpenRead(path) != 0) return -1;
    const int64_t off = size > 3 ? 3 : 0;
    x.ProbeEmbeddedPicture(off, static_cast<int32_t>(size - off), FUZZ_MIME);
    return 0;
  };
  fuzzphoto::Lire(data, size, FUZZ_READER, embedded);
  return 0;
}
