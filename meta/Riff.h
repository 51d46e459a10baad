// RIFF files: WAVE audio with its format, data size and INFO texts; AVI
// video with its headers, streams, codecs, INFO texts and the recording date
// and time code of DV; and the INFO list walk they share.
#pragma once

#include <cstdint>
#include <string>

#include "meta/MetaExtractor.h"

// An INFO chunk id and the item its text fills.
struct CInfoId {
  const char* id;
  int item;
};

// Walks an INFO list of `bytes` bytes from the current position: for each
// chunk whose id has an item not yet claimed, claims it and reads its text.
// Ids that start with neither 'I' nor "DATE" are stepped over one byte at a
// time (which also skips padding). -1 read failed.
int ReadInfoList(MetaExtractor& x, uint64_t bytes, const CInfoId* ids, size_t count);

// 0 read; -1 read failed; -2 not a WAVE file, or no format or data chunk;
// -5 the file cannot be opened.
int ReadWaveFile(MetaExtractor& x, const std::string& path);

// 0 read; -1 read failed; -2 not an AVI file; -5 the file cannot be opened.
int ReadAviFile(MetaExtractor& x, const std::string& path);
