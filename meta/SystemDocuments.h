// Formats read through services of the system rather than by our own
// parsers: OLE compound documents (the summary information property set),
// the version resource of executables, and Internet shortcuts (read as an
// initialisation file). Win32 only.
#pragma once

#include <string>

#include "meta/MetaExtractor.h"

// 0 read; -2 not this format (no storage, no version resource, too large a
// shortcut); -5 the file cannot be sized.
int ReadOleFile(MetaExtractor& x, const std::string& path);
int ReadVersionFile(MetaExtractor& x, const std::string& path);
int ReadUrlFile(MetaExtractor& x, const std::string& path);

// The edit-time text of a document: a FILETIME duration as hours and
// minutes ("2h05m").
std::string EditTimeText(uint64_t duration);
