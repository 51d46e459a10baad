#include "meta/RawFormats.h"

#include <cstring>

#include "meta/Tiff.h"

namespace {

// The MRW block that holds the TIFF structure starts here in the files of
// every camera that writes the format.
constexpr int64_t kBaseMrw = 48;
// RAF: offset of the embedded JPEG's position, and the bytes from the JPEG's
// start to its Exif TIFF header (SOI, APP1 marker and length, "Exif\0\0").
constexpr int64_t kPosJpegRaf = 84;
constexpr int64_t kEnteteExif = 12;

// Opens the file, checks its magic, and reads the TIFF structure at the base
// `trouverBase` gives.
template <class TrouverBase>
int LireBrut(MetaExtractor& x, const std::string& path, const char* magic, size_t n, TrouverBase trouverBase) {
  FileReader& f = x.File();
  if (f.OpenRead(path) != 0) return -1;
  int r = -1;
  char tete[8];
  int64_t taille = 0;
  int64_t base = 0;
  if (f.ReadExact(tete, static_cast<uint32_t>(n)) == 0 && std::memcmp(tete, magic, n) == 0 &&
      f.Size(&taille) == 0 && trouverBase(f, &base) == 0 && base <= taille) {
    r = ReadTiffAt(x, base, static_cast<uint64_t>(taille - base));
  }
  f.Close();
  return r;
}

}  // namespace

int ReadMrwFile(MetaExtractor& x, const std::string& path) {
  return LireBrut(x, path, "\0MRM", 4, [](FileReader&, int64_t* base) {
    *base = kBaseMrw;
    return 0;
  });
}

int ReadRafFile(MetaExtractor& x, const std::string& path) {
  return LireBrut(x, path, "FUJIFILM", 8, [](FileReader& f, int64_t* base) {
    uint32_t jpeg = 0;
    if (f.Seek(kPosJpegRaf) != 0 || f.ReadU32BE(&jpeg) != 0) return -1;
    *base = static_cast<int64_t>(jpeg) + kEnteteExif;
    return 0;
  });
}
