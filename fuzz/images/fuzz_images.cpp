// The image format readers on the same bytes, as files and as pictures
// embedded a little short of the input's end.
#include "../photo/FuzzPhoto.h"
#include "meta/ImageFormats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto embedded = [size](const char* mime) {
    return [size, mime](MetaExtractor& x, const std::string& path) {
      if (x.File().OpenRead(path) != 0) return -1;
      const int64_t off = size > 3 ? 3 : 0;
      x.ProbeEmbeddedPicture(off, static_cast<int32_t>(size - off), mime);
      return 0;
    };
  };
  fuzzphoto::Lire(data, size, ReadBmpFile, ReadGifFile, ReadPngFile, ReadPcxFile, ReadIconFile,
                  embedded("image/bmp"), embedded("image/gif"), embedded("image/png"));
  return 0;
}
