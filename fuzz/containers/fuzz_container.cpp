// One container family's readers on the input, as a file of that format.
// The family is chosen when the target is built (FUZZ_<FAMILY>).
#include "../photo/FuzzPhoto.h"
#include "meta/Asf.h"
#include "meta/Midi.h"
#include "meta/MpegVideo.h"
#include "meta/Ogg.h"
#include "meta/QuickTime.h"
#include "meta/Riff.h"
#include "meta/SunAudio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
#if defined(FUZZ_RIFF)
  fuzzphoto::Lire(data, size, ReadWaveFile, ReadAviFile);
#elif defined(FUZZ_ASF)
  fuzzphoto::Lire(data, size, ReadAsfFile);
#elif defined(FUZZ_OGG)
  fuzzphoto::Lire(data, size, ReadOggFile);
#elif defined(FUZZ_MIDI)
  fuzzphoto::Lire(data, size, ReadMidiFile);
#elif defined(FUZZ_QUICKTIME)
  fuzzphoto::Lire(data, size, ReadQuickTimeFile);
#elif defined(FUZZ_MPEGVIDEO)
  fuzzphoto::Lire(data, size, ReadMpegVideoFile);
#elif defined(FUZZ_SUNAUDIO)
  fuzzphoto::Lire(data, size, ReadSunAudioFile);
#else
#error "FUZZ_<FAMILY> names the family"
#endif
  return 0;
}
