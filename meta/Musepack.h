// Musepack files (mpc), stream version 7: the APE tag or, without one, the
// ID3v1 tag, then the stream header.
#pragma once

#include <cstdint>
#include <string>

#include "meta/MetaExtractor.h"

// The name of a stream header's profile number.
const char* MusepackProfile(int profile);

// Reads the stream header at offset 0; `audio` is the size of the file
// without its tags. -1 read failed, -2 not "MP+", -3 a stream version above
// 7.1.
int ReadMusepackHeader(MetaExtractor& x, int64_t audio);

// mpc: the end tags, then the stream header. -1 the file cannot be opened or
// sized; otherwise the stream header's code.
int ReadMusepackFile(MetaExtractor& x, const std::string& path);
