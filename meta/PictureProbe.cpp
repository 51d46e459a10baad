// The embedded picture probe: the dimension reader of a picture stored
// inside another file (an ID3v2 APIC frame, an ASF WM/Picture attribute),
// chosen by its MIME type.
#include <cctype>

#include "meta/ImageFormats.h"
#include "meta/Jpeg.h"
#include "meta/MetaExtractor.h"
#include "meta/Tiff.h"

namespace {

std::string Minuscules(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

void MetaExtractor::ProbeEmbeddedPicture(int64_t offset, int32_t size, const std::string& mime) {
  if (offset < 0 || size <= 0) return;
  FileReader& f = File();
  const int64_t avant = f.Tell();
  const std::string type = Minuscules(mime);
  if (type == "image/jpg" || type == "image/jpeg") {
    int64_t taille = 0;
    if (JpegMarkerWalk(*this, offset, size, &taille) == 0) {
      Entry().pictureOffset = offset;
      Entry().pictureSize = size;
    }
  } else if (type == "image/tif" || type == "image/tiff") {
    ReadTiffAt(*this, offset, static_cast<uint64_t>(size));
  } else if (type == "image/png") {
    ReadPngAt(*this, offset, size);
  } else if (type == "image/pcx") {
    ReadPcxAt(*this, offset, size);
  } else {
    // Readers whose success records the picture where it lies.
    int (*read)(MetaExtractor&, int64_t, int64_t) = nullptr;
    if (type == "image/bmp") read = ReadBmpAt;
    if (type == "image/gif") read = ReadGifAt;
    if (type == "image/ico" || type == "image/cur") read = ReadIconAt;
    if (read && read(*this, offset, size) == 0) {
      Entry().pictureOffset = offset;
      Entry().pictureSize = size;
    }
  }
  if (avant >= 0) f.Seek(avant);
}
