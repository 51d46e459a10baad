// Dimension readers of the plain image formats: BMP and DIB, GIF, PNG, PCX,
// icons and cursors. Each reads the picture that starts at `start` in the
// open file, `size` being the picture's expected size (the file size for a
// file of its own, the stored size for a picture inside another file), and
// fills the image items: width and height, bits per pixel, and the format
// text (`%Ii`, written over whatever came before).
//
// Codes: 0 the picture is whole (its location may be recorded); -1 the read
// failed or the file ended; -2 not this format; -3 the picture does not end
// where its size says (BMP size field, GIF trailer, icon image size): the
// items read stay but the location is not recorded; -4 a PNG without its
// header chunk.
#pragma once

#include <cstdint>
#include <string>

#include "meta/MetaExtractor.h"

int ReadBmpAt(MetaExtractor& x, int64_t start, int64_t size);
int ReadGifAt(MetaExtractor& x, int64_t start, int64_t size);
int ReadPngAt(MetaExtractor& x, int64_t start, int64_t size);
int ReadPcxAt(MetaExtractor& x, int64_t start, int64_t size);
int ReadIconAt(MetaExtractor& x, int64_t start, int64_t size);

// The file readers: open, read from offset 0 with the file size, and for
// BMP, GIF and icons record the picture at offset 0 (size unknown) on
// success. -5 when the file cannot be opened or sized.
int ReadBmpFile(MetaExtractor& x, const std::string& path);
int ReadGifFile(MetaExtractor& x, const std::string& path);
int ReadPngFile(MetaExtractor& x, const std::string& path);
int ReadPcxFile(MetaExtractor& x, const std::string& path);
int ReadIconFile(MetaExtractor& x, const std::string& path);
