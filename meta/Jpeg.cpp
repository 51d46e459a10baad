#include "meta/Jpeg.h"

#include <cstring>
#include <vector>

#include "meta/CBloc.h"
#include "meta/Iptc.h"
#include "meta/Tiff.h"

namespace {

constexpr uint8_t kSoi = 0xD8;
constexpr uint8_t kEoi = 0xD9;
constexpr uint8_t kSos = 0xDA;
constexpr uint8_t kApp1 = 0xE1;
constexpr uint8_t kApp13 = 0xED;
constexpr uint8_t kCom = 0xFE;
constexpr uint16_t kFinJpeg = 0xD9FF;  // FF D9 read little-endian
constexpr uint64_t kRechercheFin = 10240;

bool EstDebutTrame(uint8_t m) { return (m >= 0xC0 && m <= 0xC3) || (m >= 0xC9 && m <= 0xCB); }

// Reads a segment's payload into memory: APP1 and APP13 are read in one call
// and parsed from there.
int LireSegment(FileReader& f, uint32_t n, std::vector<uint8_t>* out) {
  out->resize(n);
  return n ? f.ReadExact(out->data(), n) : 0;
}

}  // namespace

namespace {

// The segments up to the start of scan. *exif tells whether an Exif block
// was read, *arret where the walk stopped.
int Parcourir(MetaExtractor& x, int64_t debut, bool* exif, int64_t* arret) {
  FileReader& f = x.File();
  uint8_t m[2];
  if (f.Seek(debut) != 0 || f.ReadExact(m, 2) != 0) return -2;
  if (m[0] != 0xFF || m[1] != kSoi) return -1;

  bool trame = false, app13 = false, commentaire = false;
  std::vector<uint8_t> donnees;
  // The position is counted here rather than asked of the system: each
  // segment costs one read of its marker and length, and one seek past it.
  int64_t marqueur = debut + 2;
  for (;;) {
    *arret = marqueur;
    uint8_t tete[4];
    uint32_t lus = sizeof tete;
    if (f.ReadUpTo(tete, &lus) != 0 || lus < 2) return -2;
    if (tete[0] != 0xFF) return -3;
    if (tete[1] == kEoi || tete[1] == kSos) return 0;
    if (lus < 4) return -2;
    m[1] = tete[1];
    const uint16_t longueur = static_cast<uint16_t>((tete[2] << 8) | tete[3]);
    if (longueur < 2) return -4;
    const uint32_t charge = longueur - 2u;
    const int64_t pos = marqueur + 4;
    if (EstDebutTrame(m[1]) && !trame && charge >= 9) {
      uint8_t t[6];
      if (f.ReadExact(t, sizeof t) != 0) return -2;
      trame = true;
      x.SetImageSize((t[3] << 8) | t[4], (t[1] << 8) | t[2]);
      x.SetImageBits(8 * t[5]);
    } else if (m[1] == kApp1 && !*exif && charge > 5) {
      uint8_t id[6];
      if (f.ReadExact(id, sizeof id) != 0) return -2;
      if (std::memcmp(id, "Exif\0\0", 6) == 0) {
        if (LireSegment(f, charge - 6, &donnees) != 0) return -2;
        *exif = true;
        CBloc bloc(donnees.data(), charge - 6, pos + 6);
        CTiff(x, bloc).LireExif();
      }
    } else if (m[1] == kApp13 && !app13) {
      app13 = true;
      if (LireSegment(f, charge, &donnees) != 0) return -2;
      LirePhotoshop(x, CBloc(donnees.data(), charge, pos), 0, charge);
    } else if (m[1] == kCom && !commentaire) {
      commentaire = true;
      // A comment cut by the end of the file is not kept.
      std::string texte;
      if (x.ReadText(charge, &texte) == 0) x.SetText(kItemIi, texte);
    }
    marqueur = pos + charge;
    if (f.Seek(marqueur) != 0) return -2;
    if (trame && commentaire) {
      *arret = marqueur;
      return 0;
    }
  }
}

}  // namespace

int JpegMarkerWalk(MetaExtractor& x, int64_t debut, int64_t taille, int64_t* tailleImage) {
  *tailleImage = 0;
  bool exif = false;
  // Where the walk stopped: the picture cannot end before it, so the end
  // marker of an Exif thumbnail is never taken for the picture's own.
  int64_t arret = debut;
  const int r = Parcourir(x, debut, &exif, &arret);
  // The thumbnail an Exif block recorded must be a JPEG inside the file,
  // whatever became of the walk after the block.
  if (exif) ValiderVignette(x);
  if (r != 0) return r;
  FileReader& f = x.File();
  if (f.FindMarker16Back(kFinJpeg, debut + taille, arret, kRechercheFin) != 0) return -10;
  const int64_t fin = f.Tell();
  if (fin < debut) return -2;
  *tailleImage = fin - debut;
  return 0;
}

int ReadJpegFile(MetaExtractor& x, const std::string& path) {
  FileReader& f = x.File();
  int64_t taille = 0;
  if (f.OpenRead(path) != 0 || f.Size(&taille) != 0) {
    f.Close();
    return -5;
  }
  int64_t image = 0;
  int r = JpegMarkerWalk(x, 0, taille, &image);
  if (r == 0 && image > 0x7FFFFFFF) r = -11;
  if (r == 0) {
    x.Entry().pictureOffset = 0;
    x.Entry().pictureSize = static_cast<int32_t>(image);
  }
  f.Close();
  return r;
}
