// Ogg Vorbis files: the identification and comment packets (sampling rate,
// channels, vendor, the comments of the tag) and the duration from the last
// page's granule position.
#pragma once

#include <string>

#include "meta/MetaExtractor.h"

// 0 read; -1 read failed or cut; -2 not an Ogg Vorbis stream; -5 the file
// cannot be opened.
int ReadOggFile(MetaExtractor& x, const std::string& path);
