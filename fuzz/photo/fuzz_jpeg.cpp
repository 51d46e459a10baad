// The JPEG marker walk with the Exif, Photoshop and comment segments, as a
// jpg file and as a picture embedded in another file.
#include "FuzzPhoto.h"
#include "meta/Jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzphoto::Lire(data, size, ReadJpegFile, [size](MetaExtractor& x, const std::string& path) {
    if (x.File().OpenRead(path) != 0) return -1;
    // The picture announced a little short of the file, at a small offset.
    const int64_t off = size > 3 ? 3 : 0;
    x.ProbeEmbeddedPicture(off, static_cast<int32_t>(size - off), "image/JPEG");
    return 0;
  });
  return 0;
}
