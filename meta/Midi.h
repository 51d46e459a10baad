// MIDI files and karaoke files (.mid, .kar): the karaoke text events give
// the title, artist, copyright, genre and an information text.
#pragma once

#include <string>

#include "meta/MetaExtractor.h"

// Scans the bytes of a whole file. 0 read; -2 not a MIDI file.
int ReadMidiBytes(MetaExtractor& x, const std::string& bytes);

// Reads at most the file's first 16 MB. -5 when it cannot be opened or read.
int ReadMidiFile(MetaExtractor& x, const std::string& path);
