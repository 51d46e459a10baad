// IPTC records (application record 2) and the Photoshop image resource
// block that carries them in a JPEG file's APP13 segment.
#pragma once

#include <cstdint>

#include "meta/CBloc.h"
#include "meta/MetaExtractor.h"

// Reads the IPTC records of the `n` bytes at `off` of the block into the
// iptc items, then turns the creation and release dates into dates.
// -2 read failed; records that do not fit end the walk quietly.
int LireIptc(MetaExtractor& x, const CBloc& bloc, uint32_t off, uint32_t n);

// Reads a Photoshop resource block ("Photoshop 3.0") of `n` bytes at `off`
// and the IPTC records of its resource 0x0404. -1 not a Photoshop block,
// -2 read failed, -3 the block ended inside a resource.
int LirePhotoshop(MetaExtractor& x, const CBloc& bloc, uint32_t off, uint32_t n);
