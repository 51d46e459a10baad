// The container readers on the same bytes, each as a file of its own format.
#include "../photo/FuzzPhoto.h"
#include "meta/Asf.h"
#include "meta/Midi.h"
#include "meta/MpegVideo.h"
#include "meta/Ogg.h"
#include "meta/QuickTime.h"
#include "meta/Riff.h"
#include "meta/SunAudio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzphoto::Lire(data, size, ReadSunAudioFile, ReadWaveFile, ReadAviFile, ReadMidiFile, ReadOggFile, ReadQuickTimeFile, ReadAsfFile,
                  ReadMpegVideoFile);
  return 0;
}
