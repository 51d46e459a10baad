// Common part of the photo reader fuzzers: the input is written to a
// scratch file (the readers go through the file reader, as in a load) and
// the readers run on it, each with a fresh entry.
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

// Writes the input once, then runs each reader on it with a fresh entry.
template <class... Readers>
void Lire(const uint8_t* data, size_t size, Readers... lire) {
  if (!Ecrire(data, size)) return;
  auto un = [](auto reader) {
    CFichier entry;
    CMetaOptions options;
    MetaExtractor x(entry, options);
    reader(x, Scratch());
  };
  (un(lire), ...);
}

}  // namespace fuzzphoto
