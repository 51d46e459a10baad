// Common part of the photo reader fuzzers: the input is written to a
// scratch file (the readers go through the file reader, as in a load) and
// a reader runs on it with a fresh entry.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "files/CFichier.h"
#include "meta/MetaExtractor.h"

namespace fuzzphoto {

inline const std::string& Scratch() {
  static const std::string path = "/tmp/velto_fuzz_photo_" + std::to_string(getpid());
  return path;
}

inline bool Ecrire(const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(Scratch().c_str(), "wb");
  if (!f) return false;
  const bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
  std::fclose(f);
  return ok;
}

template <class Reader>
void Lire(const uint8_t* data, size_t size, Reader lire) {
  if (!Ecrire(data, size)) return;
  CFichier entry;
  CMetaOptions options;
  MetaExtractor x(entry, options);
  lire(x, Scratch());
}

}  // namespace fuzzphoto
