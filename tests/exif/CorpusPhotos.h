// The photo files of the shared sample corpus and the reader each one's
// extension names, for the conformance and truncation tests.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "meta/Ciff.h"
#include "meta/Jpeg.h"
#include "meta/RawFormats.h"
#include "meta/Tiff.h"

namespace corpus {

struct Photo {
  const char* chemin;
  int (*lire)(MetaExtractor&, const std::string&);
};

inline const Photo kPhotos[] = {
    {"jpeg/ExifTool.jpg", ReadJpegFile},
    {"jpeg/IPTC.jpg", ReadJpegFile},
    {"jpeg/exiv2-canon-powershot-s40.jpg", ReadJpegFile},
    {"jpeg/exiv2-kodak-dc210.jpg", ReadJpegFile},
    {"jpeg/fujifilm-finepix40i.jpg", ReadJpegFile},
    {"jpeg/iptc-psAPP13-wIPTCmid.jpg", ReadJpegFile},
    {"jpeg/table.jpg", ReadJpegFile},
    {"tiff/16bit.MM.cropped.tif", ReadTiffFile},
    {"tiff/CanonRaw.cr2", ReadTiffFile},
    {"tiff/DNG.dng", ReadTiffFile},
    {"tiff/ExifTool.tif", ReadTiffFile},
    {"tiff/IMG_1361.dng", ReadTiffFile},
    {"tiff/Nikon.nef", ReadTiffFile},
    {"tiff/Reagan.tiff", ReadTiffFile},
    {"tiff/fixture-sony-zv-e10.arw", ReadTiffFile},
    {"tiff/fixture.nef", ReadTiffFile},
    {"tiff/fixture.orf", ReadTiffFile},
    {"tiff/hopper_bigtiff.tif", ReadTiffFile},
    {"tiff/mini9.tif", ReadTiffFile},
    {"crw/CanonRaw.crw", ReadCrwFile},
    {"crw/exiv2-canon-powershot-s40.crw", ReadCrwFile},
    {"mrw/Minolta.mrw", ReadMrwFile},
    {"raf/FujiFilm.raf", ReadRafFile},
    {"raf/fixture.raf", ReadRafFile},
};

// The corpus folder, or empty when it is absent.
inline std::string Racine() {
  const char* c = std::getenv("VELTO_CORPUS");
  if (!c) return "";
  std::FILE* f = std::fopen((std::string(c) + "/files/MANIFEST.tsv").c_str(), "rb");
  if (!f) return "";
  std::fclose(f);
  return c;
}

}  // namespace corpus
