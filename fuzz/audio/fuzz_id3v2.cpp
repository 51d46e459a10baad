// A whole MPEG audio file: the ID3v1 tag at its end, the ID3v2 tag at its
// start (with attached pictures and their probes), then the frames.
#include "../photo/FuzzPhoto.h"
#include "meta/MpegAudio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzphoto::Lire(data, size, ReadMpegAudioFile);
  return 0;
}
