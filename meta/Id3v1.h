// The ID3v1 tag: the last 128 bytes of an audio file, starting with "TAG".
// Its fields go to the id3v1 items (%mt ... %mg) without claiming them, so
// they never block another tag.
#pragma once

#include <cstdint>

#include "meta/MetaExtractor.h"

// Number of names of the genre table (indexes 0 to 147).
constexpr int kId3GenreCount = 148;
// The genre name of an ID3v1 genre index; nullptr outside the table.
const char* Id3v1Genre(int index);

// Reads the tag that ends at *audioEnd (the file size) and, when there is
// one, moves *audioEnd back over it. -1 the file is too short or the read
// failed, -2 no "TAG".
int ReadId3v1(MetaExtractor& x, int64_t* audioEnd);
