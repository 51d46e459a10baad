// Crafted photo files for the reader tests: byte builders for TIFF
// structures in either byte order, JPEG segments, IPTC records and CIFF
// heaps, and a runner that writes the bytes to the scratch directory and
// reads them back through a reader.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ScratchFile.h"
#include "files/CFichier.h"
#include "meta/MetaExtractor.h"

namespace exiftest {

inline std::string Be16(uint32_t v) { return {char(v >> 8), char(v)}; }
inline std::string Be32(uint32_t v) { return Be16(v >> 16) + Be16(v & 0xFFFF); }
inline std::string Le16(uint32_t v) { return {char(v), char(v >> 8)}; }
inline std::string Le32(uint32_t v) { return Le16(v & 0xFFFF) + Le16(v >> 16); }

// One IFD entry: its value as raw bytes already in the file's byte order.
// With `at` set, the value field holds that offset instead (an entry whose
// value lies wherever the test wants, or outside the structure).
struct Entree {
  uint16_t tag;
  uint16_t type;
  uint32_t count;
  std::string valeur;
  bool at = false;
  uint32_t offset = 0;
};

// Builds a TIFF structure: header, then IFDs appended one after another,
// each followed by its out-of-line values.
class CTiffMaker {
 public:
  explicit CTiffMaker(bool big, uint16_t magic = 42) : big_(big) {
    bytes = big ? "MM" : "II";
    bytes += U16(magic) + U32(0);
  }
  std::string U16(uint32_t v) const { return big_ ? Be16(v) : Le16(v); }
  std::string U32(uint32_t v) const { return big_ ? Be32(v) : Le32(v); }

  Entree Short(uint16_t tag, uint32_t v) const { return {tag, 3, 1, U16(v)}; }
  Entree Long(uint16_t tag, uint32_t v) const { return {tag, 4, 1, U32(v)}; }
  Entree Ascii(uint16_t tag, const std::string& s) const {
    return {tag, 2, uint32_t(s.size() + 1), s + std::string(1, '\0')};
  }
  Entree Undef(uint16_t tag, const std::string& s) const { return {tag, 7, uint32_t(s.size()), s}; }
  Entree Rationals(uint16_t tag, const std::vector<uint32_t>& nd, bool signe = false) const {
    std::string v;
    for (uint32_t x : nd) v += U32(x);
    return {tag, uint16_t(signe ? 10 : 5), uint32_t(nd.size() / 2), v};
  }

  // Appends an IFD; returns its offset. The next-IFD offset can be patched.
  uint32_t Ifd(const std::vector<Entree>& entrees, uint32_t next = 0) {
    const uint32_t off = uint32_t(bytes.size());
    const uint32_t valeurs = off + 2 + 12 * uint32_t(entrees.size()) + 4;
    std::string tete = U16(uint32_t(entrees.size())), suite;
    for (const Entree& e : entrees) {
      tete += U16(e.tag) + U16(e.type) + U32(e.count);
      if (e.at) {
        tete += U32(e.offset);
      } else if (e.valeur.size() <= 4) {
        tete += e.valeur + std::string(4 - e.valeur.size(), '\0');
      } else {
        tete += U32(valeurs + uint32_t(suite.size()));
        suite += e.valeur;
      }
    }
    bytes += tete + U32(next) + suite;
    return off;
  }
  void Premier(uint32_t off) { bytes.replace(4, 4, U32(off)); }
  // Offset of the next-IFD field of the IFD at `ifd`.
  uint32_t ChampSuivant(uint32_t ifd) const {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(bytes.data()) + ifd;
    const uint32_t n = big_ ? (p[0] << 8 | p[1]) : (p[1] << 8 | p[0]);
    return ifd + 2 + 12 * n;
  }
  void Suivant(uint32_t ifd, uint32_t next) { bytes.replace(ChampSuivant(ifd), 4, U32(next)); }

  std::string bytes;

 private:
  bool big_;
};

// A small JPEG stream: start marker, the given segments, start of scan,
// scan bytes and end marker.
inline std::string Segment(uint8_t marker, const std::string& payload) {
  return std::string("\xFF", 1) + char(marker) + Be16(uint32_t(payload.size() + 2)) + payload;
}
inline std::string Jpeg(const std::string& segments) {
  return std::string("\xFF\xD8", 2) + segments + std::string("\xFF\xDA\x00\x02\x12\x34\xFF\xD9", 8);
}
// A start of frame of width x height with n components.
inline std::string Sof(uint32_t width, uint32_t height, int n) {
  return Segment(0xC0, std::string(1, 8) + Be16(height) + Be16(width) + char(n) + std::string(3 * n, '\1'));
}

// IPTC record 2 dataset.
inline std::string Dataset(uint8_t ds, const std::string& data, uint8_t record = 2) {
  return std::string(1, '\x1C') + char(record) + char(ds) + Be16(uint32_t(data.size())) + data;
}
// A Photoshop block holding `iptc` in resource 0x0404, after another
// resource named `nom`.
inline std::string Photoshop(const std::string& iptc, const std::string& nom = "") {
  std::string b("Photoshop 3.0\0", 14);
  auto ressource = [](uint16_t id, const std::string& name, const std::string& data) {
    std::string r = "8BIM" + Be16(id) + char(name.size()) + name;
    if (name.size() % 2 == 0) r += '\0';
    r += Be32(uint32_t(data.size())) + data;
    if (data.size() % 2) r += '\0';
    return r;
  };
  return b + ressource(0x03ED, nom, std::string(16, 'x')) + ressource(0x0404, "", iptc);
}

inline std::string Ecrire(const std::string& leaf, const std::string& bytes) {
  return WriteScratchFile("exif_", leaf, bytes);
}

// Runs reader `lire` on `bytes` written to a file; the entry holds the result.
struct CLecture {
  CFichier entry;
  CMetaOptions options;
  int code = 0;
  std::string Texte(int item) const { return entry.items.Text(item); }
  bool A(int item) const { return entry.items.text.Find(item) != nullptr; }
};

template <class Reader>
void Lire(CLecture& l, const std::string& leaf, const std::string& bytes, Reader lire) {
  const std::string path = Ecrire(leaf, bytes);
  MetaExtractor x(l.entry, l.options);
  l.code = lire(x, path);
}

}  // namespace exiftest
