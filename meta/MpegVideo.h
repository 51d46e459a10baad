// MPEG video files (.mpg, .mpeg), program or elementary streams: picture
// size and frame rate from the sequence header, user data, the MPEG version,
// and the duration from the group-of-pictures time codes or the bitrate.
#pragma once

#include <string>

#include "meta/MetaExtractor.h"

// 0 read; -1 read failed; -2 not an MPEG stream or no sequence header;
// -5 the file cannot be opened.
int ReadMpegVideoFile(MetaExtractor& x, const std::string& path);
