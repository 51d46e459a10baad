// Sun audio files (.au): the encoding, sampling rate, channels, duration and
// the annotation text of the header.
#pragma once

#include <string>

#include "meta/MetaExtractor.h"

// 0 read; -1 read failed; -2 not a Sun audio file or no data; -5 the file
// cannot be opened.
int ReadSunAudioFile(MetaExtractor& x, const std::string& path);
