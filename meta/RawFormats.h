// Camera raw files that carry a TIFF structure after a header of their own:
// Minolta MRW and Fuji RAF.
#pragma once

#include <string>

#include "meta/MetaExtractor.h"

// Each returns 0, -1 when the file cannot be opened or is not of its format,
// or the TIFF reader's code.
int ReadMrwFile(MetaExtractor& x, const std::string& path);
int ReadRafFile(MetaExtractor& x, const std::string& path);
