// The APE tag (versions 1 and 2) at the end of a file: a 32-byte footer
// "APETAGEX", items of key and value before it, and maybe a header copy of
// the footer before the items. Its text items fill the audio tag items.
#pragma once

#include <cstdint>

#include "meta/MetaExtractor.h"

// Reads the tag whose footer ends at *end (the file size, or where an ID3v1
// tag starts) and moves *end back to where the tag starts, its header
// included. A version 2 tag declares UTF-8 texts for the rest of the file.
// -1 the read failed or the file is too short, -2 no footer, -3 a tag size
// that does not fit, -4 an item cut short or running past the items (the
// items before it are kept).
int ReadApeTag(MetaExtractor& x, int64_t* end);
