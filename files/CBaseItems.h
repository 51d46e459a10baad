// Fills a file entry's base items from one directory-search record, without
// opening the file. The dates' texts and the type name are made when first
// asked for (CFichier::ItemText).
#pragma once

#include <windows.h>

#include <string>

#include "files/CFichier.h"
#include "files/Formats.h"

struct CBaseOptions {
  bool sizeInBytes = false;  // fic_octet_lf
  CSizeUnits units;
};

// relPath is empty or ends with a backslash.
void FillBaseItems(CFichier& entry, const std::string& relPath,
                   const WIN32_FIND_DATAA& fd, const CBaseOptions& options);

FileTime ToFileTime(const FILETIME& ft);
