// Checks shared by the corpus tests of every reader family: a cut file's
// values against the whole file's, and the differences from the reference
// values against the list of known ones.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "files/CFichier.h"

namespace corpus {

// One store of a cut file against the same store of the whole file: an item
// may change value only where change(item) allows it, and appear without a
// value in the whole file only where appear(item) does. Empty when nothing is
// new.
template <class Map, class Change, class Appear>
std::string Compare(const Map& cut, const Map& full, Change change, Appear appear, const char* quoi) {
  for (const auto& v : cut) {
    const auto* f = full.Find(v.first);
    if (!f && !appear(v.first))
      return std::string(quoi) + " of item " + std::to_string(v.first) + " from nowhere";
    if (f && *f != v.second && !change(v.first))
      return std::string(quoi) + " of item " + std::to_string(v.first) + " changed";
  }
  return "";
}

// A cut picture may end at an end marker met earlier (the backward search
// finds the last one left); it starts where the whole one does and ends
// inside the cut file.
inline bool PictureFromNowhere(const CFichier& cut, const CFichier& full, int64_t taille) {
  return cut.pictureOffset != -1 &&
         (cut.pictureOffset != full.pictureOffset || cut.pictureSize <= 0 || cut.pictureSize > taille);
}

// Fails for every item of `fichier` that no reference value agreed with and
// whose difference raison(fichier, item) does not explain; the explanations
// used are collected.
template <class Ecart, class Raison>
void Signaler(const std::string& fichier, const CFichier& entry, const std::set<int>& accords,
              const std::map<int, std::string>& desaccords, Raison raison,
              std::set<const Ecart*>* expliques) {
  for (const auto& d : desaccords) {
    if (accords.count(d.first)) continue;
    if (const Ecart* e = raison(fichier, d.first)) {
      expliques->insert(e);
      continue;
    }
    ADD_FAILURE() << fichier << " item " << d.first << ": ours \"" << entry.items.Text(d.first)
                  << "\", reference" << d.second;
  }
}

// Cuts the file at `path`, of `size` bytes, at every length below 4 KB, then
// in 256 steps to its end, from the whole file down (each length is a
// truncation of the one before), and asks nouveau(n) what each cut gives
// that the whole file does not; stops at the first such cut. Returns the
// number of cuts read.
template <class Nouveau>
int Couper(const std::string& path, size_t size, Nouveau nouveau) {
  const size_t pas = std::max<size_t>(1, (size > 4096 ? size - 4096 : 0) / 256);
  std::vector<size_t> longueurs;
  for (size_t n = 0; n < std::min<size_t>(size, 4096); ++n) longueurs.push_back(n);
  for (size_t n = 4096; n < size; n += pas) longueurs.push_back(n);
  std::sort(longueurs.rbegin(), longueurs.rend());
  int lectures = 0;
  for (size_t n : longueurs) {
    if (truncate(path.c_str(), static_cast<off_t>(n)) != 0) {
      ADD_FAILURE() << "cannot cut " << path;
      break;
    }
    ++lectures;
    const std::string e = nouveau(n);
    EXPECT_EQ(e, "") << "cut at " << n << " of " << size;
    if (!e.empty()) break;
  }
  return lectures;
}

}  // namespace corpus
