// The frame analysis alone, from the first byte to the end: the header
// searches, the Xing and VBRI headers, the constant-bitrate confirmation.
#include "../photo/FuzzPhoto.h"
#include "meta/MpegAudio.h"

namespace {

int Frames(MetaExtractor& x, const std::string& path) {
  int64_t size = 0;
  if (x.File().OpenRead(path) != 0 || x.File().Size(&size) != 0) return -1;
  const int r = AnalyseMpegAudio(x, size);
  x.File().Close();
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzphoto::Lire(data, size, Frames);
  return 0;
}
