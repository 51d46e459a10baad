// The audio files of the shared sample corpus and the reader each one's
// extension names, for the conformance and truncation tests.
#pragma once

#include <string>

#include "meta/MetaExtractor.h"
#include "meta/MpegAudio.h"
#include "meta/Musepack.h"

namespace corpus {

struct Son {
  const char* chemin;
  int (*lire)(MetaExtractor&, const std::string&);
};

inline const Son kSons[] = {
    {"mp3/MP3.mp3", ReadMpegAudioFile},
    {"mp3/fixture-bad-offset.mp3", ReadMpegAudioFile},
    {"mp3/fixture-mpa.mp2", ReadMpegAudioFile},
    {"mp3/fixture.mp2", ReadMpegAudioFile},
    {"mp3/id3v1v2-combined.mp3", ReadMpegAudioFile},
    {"mp3/itunes10.mp3", ReadMpegAudioFile},
    {"mp3/lame.mp3", ReadMpegAudioFile},
    {"mp3/lame_cbr.mp3", ReadMpegAudioFile},
    {"mp3/silence-44-s-mpeg2.mp3", ReadMpegAudioFile},
    {"mp3/silence-44-s.mp3", ReadMpegAudioFile},
    {"mp3/taglib-005411.mp3", ReadMpegAudioFile},
    {"mp3/vbri.mp3", ReadMpegAudioFile},
    {"mpc/APE.mpc", ReadMusepackFile},
    {"mpc/click.mpc", ReadMusepackFile},
    {"mpc/fixture-sv7.mpc", ReadMusepackFile},
    {"mpc/fixture-sv8.mpc", ReadMusepackFile},
    {"mpc/sv5_header.mpc", ReadMusepackFile},
};

}  // namespace corpus
