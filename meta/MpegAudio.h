// MPEG audio files (mp3, mp2): the ID3v1 and ID3v2 tags, then the audio
// frames: bitrate, sampling rate, duration and channel mode from the first
// frame header and its Xing or VBRI header, or, for a constant bitrate,
// from the audio size.
#pragma once

#include <cstdint>
#include <string>

#include "meta/MetaExtractor.h"

// A frame header, decoded.
struct CEnteteMpeg {
  int version = 0;   // 0 MPEG 2.5, 2 MPEG 2, 3 MPEG 1
  int layer = 0;     // 0 Layer I, 1 Layer II, 2 Layer III
  int bitrate = 0;   // kbit/s
  int sampling = 0;  // Hz
  int padding = 0;
  int mode = 0;     // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
  int length = 0;   // bytes of the frame, header included
  int samples = 0;  // samples per frame
};

// Decodes the four header bytes held as a little-endian word (the first
// byte in bits 0-7); false when they are not a valid header (no sync, a
// reserved version or layer, a free-format or forbidden bitrate, a reserved
// sampling rate).
bool DecodeMpegHeader(uint32_t word, CEnteteMpeg* h);

// Analyses the audio from the current position to audioEnd and stores the
// audio items. -2 no frame header within 51200 bytes, -4 a Xing header
// whose frames last no whole second, -5 the same for a VBRI header, -8 a
// constant-bitrate stream whose frames do not follow one another.
int AnalyseMpegAudio(MetaExtractor& x, int64_t audioEnd);

// mp3, mp2: ID3v1, ID3v2, then the frames. -1 the file cannot be opened or
// sized; otherwise the frame analysis' code.
int ReadMpegAudioFile(MetaExtractor& x, const std::string& path);
