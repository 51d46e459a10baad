// JPEG files: the marker walk that reads the frame size, the Exif block
// (APP1), the Photoshop block with IPTC records (APP13) and the comment, and
// finds where the picture ends. The embedded picture probe runs the same
// walk on a JPEG picture inside another file.
#pragma once

#include <cstdint>
#include <string>

#include "meta/MetaExtractor.h"

// Walks the markers of the JPEG picture at `debut`, whose data is assumed to
// end at debut + taille, stopping at the start of scan. On success
// *tailleImage is the picture's size up to its end marker. -1 no JPEG start
// marker, -2 read failed or the file ended, -3 a marker without its FF byte,
// -4 a segment length below 2, -10 no end marker within the last 10240
// bytes (the items read stay).
int JpegMarkerWalk(MetaExtractor& x, int64_t debut, int64_t taille, int64_t* tailleImage);

// jpg, jpeg, thm: the walk from the start of the file, then the picture
// location. -5 the file cannot be opened or sized, -11 a picture too large
// to locate; otherwise the walk's code.
int ReadJpegFile(MetaExtractor& x, const std::string& path);
