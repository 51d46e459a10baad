// The Canon CIFF heap of crw files: a heap is a stretch of the file whose
// last four bytes give the offset of its record table; records point to
// values or to sub-heaps inside it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "meta/CBloc.h"
#include "meta/MetaExtractor.h"

class CCiff {
 public:
  // Deepest nesting of sub-heaps, and most heaps read from one file.
  static constexpr int kProfondeurMax = 16;
  static constexpr int kHeapMax = 128;
  static constexpr uint32_t kRecordsMax = 131072;

  explicit CCiff(MetaExtractor& x) : x_(x) {}

  // Reads the file header and the root heap with everything below it.
  // -1 not a CIFF file, -2 read failed, -3 a heap or record outside the
  // file, -4 a heap already read, -5 nested too deep, -6 too many heaps or
  // records.
  int Lire();

 private:
  int LireHeap(uint32_t debut, uint32_t longueur, int profondeur);
  // Reads one record's value, `taille` bytes at `off` of the file.
  void LireRecord(uint16_t type, uint32_t off, uint32_t taille);
  uint16_t Valeur16(const std::string& b, size_t i) const;
  uint32_t Valeur32(const std::string& b, size_t i) const;

  MetaExtractor& x_;
  CBloc* fichier_ = nullptr;
  bool big_ = false;
  // The heaps read, by start and length: a sub-heap may start where its
  // parent starts, but never be its parent.
  std::vector<std::pair<uint32_t, uint32_t>> lus_;
  uint32_t records_ = 0;  // records read so far
};

int ReadCrwFile(MetaExtractor& x, const std::string& path);
