// The one way the loader reaches work of the layers above it (the metadata
// extraction): a function set once at start-up, before the first load, and
// called on the loader's thread for every entry it keeps, with the path the
// loader reaches the file by. None by default.
#pragma once

#include <string>

#include "files/CFichier.h"

using CEntryHook = void (*)(CFichier& entry, const std::string& path);

void SetEntryHook(CEntryHook hook);
CEntryHook EntryHook();
