#include "meta/Tiff.h"

#include <algorithm>

#include "meta/Iptc.h"

namespace {

// IFD entry layout: tag, type, count, value or value offset.
constexpr uint32_t kEntree = 12;
// Most value bytes read from one entry.
constexpr uint32_t kValeurMax = 256;
// How far back from its announced end a JPEG's end marker is searched.
constexpr uint64_t kRechercheFin = 10240;
constexpr uint16_t kFinJpeg = 0xD9FF;  // FF D9 read little-endian

// Tags handled without an item.
constexpr uint16_t kTagSousFichier = 254;
constexpr uint16_t kTagSousIfd = 330;
constexpr uint16_t kTagIptc = 33723;
constexpr uint16_t kTagPhotoshopIptc = 34152;

uint32_t Lire32(const uint8_t* p, bool big) {
  CBufReader r(p, 4);
  uint32_t v = 0;
  if (big) r.U32BE(&v); else r.U32LE(&v);
  return v;
}

uint16_t Lire16(const uint8_t* p, bool big) {
  CBufReader r(p, 2);
  uint16_t v = 0;
  if (big) r.U16BE(&v); else r.U16LE(&v);
  return v;
}

}  // namespace

uint32_t CExifValeur::TypeSize(uint16_t type) {
  switch (type) {
    case 1: case 2: case 6: case 7: return 1;
    case 3: case 8: return 2;
    case 4: case 9: case 11: return 4;
    case 5: case 10: case 12: return 8;
    default: return 0;
  }
}

uint32_t CExifValeur::Values() const {
  const uint32_t size = TypeSize(type);
  if (size == 0) return 0;
  return std::min<uint32_t>(count, static_cast<uint32_t>(bytes.size() / size));
}

uint32_t CExifValeur::Entier(uint32_t i) const {
  if (i >= Values()) return 0;
  const uint8_t* p = reinterpret_cast<const uint8_t*>(bytes.data());
  switch (type) {
    case 1: case 6: case 7: return p[i];
    case 3: case 8: return Lire16(p + 2 * i, bigEndian);
    case 4: case 9: return Lire32(p + 4 * i, bigEndian);
    default: return 0;
  }
}

uint32_t CExifValeur::Premier() const { return Entier(0); }

void CExifValeur::Rationnel(uint32_t i, uint32_t* n, uint32_t* d) const {
  *n = 0;
  *d = 1;
  if (type != 5 && type != 10) {
    *n = Entier(i);
    return;
  }
  if (i >= Values()) return;
  const uint8_t* p = reinterpret_cast<const uint8_t*>(bytes.data()) + 8 * i;
  const uint32_t den = Lire32(p + 4, bigEndian);
  if (den == 0) return;
  *n = Lire32(p, bigEndian);
  *d = den;
}

void CExifValeur::RationnelSigne(uint32_t i, int32_t* n, int32_t* d) const {
  uint32_t un = 0, ud = 1;
  Rationnel(i, &un, &ud);
  const bool signe = type == 10 || type == 8 || type == 9 || type == 6;
  if (!signe) {
    // An unsigned value keeps its magnitude; one past INT32_MAX is not a
    // signed value and counts as 0.
    *n = un <= 0x7FFFFFFFu ? static_cast<int32_t>(un) : 0;
    *d = ud <= 0x7FFFFFFFu ? static_cast<int32_t>(ud) : 1;
    return;
  }
  if (type == 8) un = static_cast<uint32_t>(static_cast<int32_t>(static_cast<int16_t>(un)));
  if (type == 6) un = static_cast<uint32_t>(static_cast<int32_t>(static_cast<int8_t>(un)));
  *n = static_cast<int32_t>(un);
  *d = static_cast<int32_t>(ud);
  if (*d == 0) *d = 1;
}

int CTiff::LireEntete(uint32_t* premierIfd) {
  uint8_t h[8];
  *premierIfd = 0;
  if (int r = bloc_.Read(0, h, sizeof h)) return r == -1 ? -1 : -2;
  if (h[0] != h[1] || (h[0] != 'I' && h[0] != 'M')) return -1;
  big_ = h[0] == 'M';
  const uint16_t magic = Lire16(h + 2, big_);
  if (magic != 42 && magic != 0x4F52) return -1;
  *premierIfd = Lire32(h + 4, big_);
  return 0;
}

int CTiff::LireChaine() {
  uint32_t off = 0;
  if (int r = LireEntete(&off)) return r;
  while (off != 0) {
    uint32_t suivant = 0;
    if (int r = LireIfd(off, kGroupeTous, &suivant, 0)) return r;
    off = suivant;
  }
  return 0;
}

int CTiff::LireExif() {
  uint32_t off = 0;
  if (int r = LireEntete(&off)) return r;
  uint32_t ifd1 = 0;
  if (int r = LireIfd(off, kGroupeExif, &ifd1, 0)) return r;
  if (ifd1 == 0) return 0;
  return LireIfd(ifd1, kGroupeVignette, nullptr, 0);
}

int CTiff::LireIfd(uint32_t off, int groupes, uint32_t* suivant, int profondeur) {
  if (suivant) *suivant = 0;
  if (profondeur > kProfondeurMax) return -5;
  if (lus_.size() >= static_cast<size_t>(kIfdMax)) return -6;
  if (std::find(lus_.begin(), lus_.end(), off) != lus_.end()) return -4;
  lus_.push_back(off);

  uint16_t n = 0;
  if (int r = bloc_.U16(off, big_, &n)) return r == -1 ? -3 : -2;
  const uint32_t debut = off + 2;  // cannot wrap: the count was read inside the block
  const uint32_t taille = n * kEntree;
  if (!bloc_.Contains(debut, taille)) return -3;
  if (n > kEntreesMax - entrees_) return -6;
  entrees_ += n;
  std::vector<uint8_t> entrees(taille);
  if (taille && bloc_.Read(debut, entrees.data(), taille) != 0) return -2;

  bool reduite = false;
  for (uint32_t i = 0; i < n; ++i) {
    const uint8_t* e = entrees.data() + i * kEntree;
    CExifValeur v;
    v.bigEndian = big_;
    v.tag = Lire16(e, big_);
    v.type = Lire16(e + 2, big_);
    v.count = Lire32(e + 4, big_);
    v.offset = Lire32(e + 8, big_);
    const uint32_t unite = CExifValeur::TypeSize(v.type);
    if (unite == 0) continue;
    const uint64_t total = static_cast<uint64_t>(v.count) * unite;
    if (total <= 4) {
      v.bytes.assign(reinterpret_cast<const char*>(e + 8), static_cast<size_t>(total));
    } else if (bloc_.ReadCapped(v.offset, static_cast<uint32_t>(std::min<uint64_t>(total, kValeurMax)),
                                kValeurMax, &v.bytes) != 0) {
      continue;
    }

    if (v.tag == kTagSousFichier) {
      if (v.Premier() & 1) {
        // A reduced-resolution image: its size is not the picture's, and it
        // only fills what the main image left empty.
        reduite = true;
        groupes &= ~kGroupeTaille;
      }
      continue;
    }
    if (v.tag == kTagSousIfd) {
      // Each sub-IFD is read for itself; one that fails does not stop the others.
      for (uint32_t k = 0; k < v.Values(); ++k) LireIfd(v.Entier(k), kGroupeTous, nullptr, profondeur + 1);
      continue;
    }
    if (v.tag == kTagIptc || v.tag == kTagPhotoshopIptc) {
      // The records are read in full, wherever they lie inside the structure.
      if (total <= 4) continue;
      if (total > bloc_.Size() || !bloc_.Contains(v.offset, static_cast<uint32_t>(total))) continue;
      LireIptc(x_, bloc_, v.offset, static_cast<uint32_t>(total));
      continue;
    }
    const CExifTag* t = TrouverTagExif(v.tag, groupes);
    if (!t) continue;
    Appliquer(v, *t, reduite, profondeur);
  }
  if (suivant) {
    uint32_t next = 0;
    if (bloc_.U32(debut + taille, big_, &next) != 0) return -3;
    *suivant = next;
  }
  return 0;
}

void ValiderVignette(MetaExtractor& x) {
  CFichier& f = x.Entry();
  if (f.thumbOffset < 0 && f.thumbSize < 0) return;
  bool bon = false;
  if (f.thumbOffset >= 0 && f.thumbSize > 0) {
    FileReader& r = x.File();
    uint8_t soi[2];
    if (r.Seek(f.thumbOffset) == 0 && r.ReadExact(soi, 2) == 0 && soi[0] == 0xFF && soi[1] == 0xD8 &&
        r.FindMarker16Back(kFinJpeg, f.thumbOffset + f.thumbSize, f.thumbOffset, kRechercheFin) == 0) {
      const int64_t fin = r.Tell();
      if (fin > f.thumbOffset) {
        f.thumbSize = static_cast<int32_t>(fin - f.thumbOffset);
        bon = true;
      }
    }
  }
  if (!bon) {
    f.thumbOffset = -1;
    f.thumbSize = -1;
  }
}

int ReadTiffAt(MetaExtractor& x, int64_t base, uint64_t size) {
  const uint32_t taille = static_cast<uint32_t>(std::min<uint64_t>(size, 0xFFFFFFFFu));
  CBloc bloc(&x.File(), base, taille);
  CTiff tiff(x, bloc);
  const int r = tiff.LireChaine();
  ValiderVignette(x);
  return r;
}

int ReadTiffFile(MetaExtractor& x, const std::string& path) {
  FileReader& f = x.File();
  if (f.OpenRead(path) != 0) return -1;
  int64_t size = 0;
  int r = f.Size(&size) == 0 ? ReadTiffAt(x, 0, static_cast<uint64_t>(size)) : -2;
  f.Close();
  return r;
}
