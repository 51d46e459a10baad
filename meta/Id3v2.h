// The ID3v2 tag at the start of an MPEG audio file (versions 2.2, 2.3 and
// 2.4.0): its text frames fill the audio tag items, its first attached
// picture the picture location and the image items.
#pragma once

#include <cstdint>
#include <string>

#include "meta/MetaExtractor.h"

// Reads the tag at offset 0 and leaves the position just after it (at 0 when
// there is none), so the audio frames are looked for from there. Frames are
// read one by one; the first frame of an item wins, except comments, where
// the last one does.
// -1 read failed, -2 no tag, -3 a version whose frames are not read, -5 an
// extended header of impossible size, -6 a negative frame size, -7 a frame
// that runs past the end of the tag (the frames before it are kept).
int ReadId3v2(MetaExtractor& x);

// Bytes an ID3v2 tag occupies, from its 10-byte header (a footer counted);
// 0 when the bytes are not a tag header.
int64_t Id3v2TagBytes(const uint8_t* header);

// A genre text as a TCON frame holds it: "(17)" names genre 17 of the ID3v1
// table, "(17)Rock and Roll" the words after the parenthesis.
std::string Id3v2Genre(const std::string& text);
