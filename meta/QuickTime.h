// QuickTime and MP4 movies (.mov, .m4v, .mp4): the movie header's duration,
// the tracks' sizes, codecs, sound format and frame rate, and the user-data
// texts. Atoms with 64-bit sizes are followed, so a movie header after a
// large media atom is reached.
#pragma once

#include <string>

#include "meta/MetaExtractor.h"

// 0 read; -1 read failed; -2 no movie atom; -5 the file cannot be opened.
int ReadQuickTimeFile(MetaExtractor& x, const std::string& path);
