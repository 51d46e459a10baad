// ASF files (.asf, .wma, .wmv): file properties, content descriptions,
// extended content descriptors with the attached picture, stream
// properties and the codec list, into the audio or the video items.
#pragma once

#include <string>

#include "meta/MetaExtractor.h"

// 0 read; -1 read failed; -2 no header object; -5 the file cannot be opened.
int ReadAsfFile(MetaExtractor& x, const std::string& path);
