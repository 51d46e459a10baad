// BitTorrent metainfo files (.torrent): the bencoded dictionary's announce
// address, author, comment and creation date, and from its "info"
// dictionary the name, the number of files and their total size.
#pragma once

#include <string>

#include "meta/MetaExtractor.h"

// Reads the bencoded bytes of a whole metainfo file. 0 when the top-level
// dictionary was read to its end; -1 malformed or cut (what was read before
// stays); -2 not a dictionary; -3 nested deeper than the reader follows.
int ReadTorrentBytes(MetaExtractor& x, const std::string& bytes);

// Opens the file and reads at most its first 2 MiB; files of 100 bytes or
// less are ignored. -5 when the file cannot be opened or read.
int ReadTorrentFile(MetaExtractor& x, const std::string& path);
