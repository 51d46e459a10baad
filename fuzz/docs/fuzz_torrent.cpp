// The bencode reader of torrent files.
#include <string>

#include "meta/Torrent.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CFichier entry;
  CMetaOptions options;
  MetaExtractor x(entry, options);
  ReadTorrentBytes(x, std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
