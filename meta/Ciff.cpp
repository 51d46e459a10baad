#include "meta/Ciff.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstring>

#include "meta/Printf.h"
#include "meta/Tiff.h"
#include "os/LocalTime.h"

namespace {

constexpr uint32_t kEntete = 14;
constexpr uint32_t kRecord = 10;
// Most bytes read from one record's value: numeric records need at most 42,
// the make and model pair 511.
constexpr uint32_t kValeurMax = 512;

// Records inside the heaps.
enum : uint16_t {
  kDescription = 0x0805,
  kMarqueModele = 0x080A,
  kLogiciel = 0x080B,
  kCommentaire = 0x080C,
  kAuteur = 0x0810,
  kPrise = 0x102A,
  kReglages = 0x102D,
  kEspace = 0x10B4,
  kHeure = 0x180E,
  kImage = 0x1810,
  kJpeg1 = 0x2007,
  kJpeg2 = 0x2008,
  kFocale = 0x5029,
};

// A record whose two top type bits are 01 keeps its value in the record's
// own eight bytes instead of the heap.
bool DansLeRecord(uint16_t type) { return (type & 0xC000) == 0x4000; }
bool EstSousHeap(uint16_t type) { return (type >> 8) == 0x28 || (type >> 8) == 0x30; }

struct CNom {
  int valeur;
  const char* texte;
};

template <size_t N>
const char* Nom(const CNom (&t)[N], int v, const char* autre) {
  for (const CNom& n : t)
    if (n.valeur == v) return n.texte;
  return autre;
}

const CNom kBalances[] = {{0, "auto"},          {1, "daylight"},           {2, "cloudy"},
                          {3, "tungsten"},      {4, "fluorescent"},        {5, "flash"},
                          {6, "custom"},        {7, "black and white"},    {8, "shade"},
                          {9, "manual temperature"}, {14, "daylight fluorescent"}, {17, "underwater"}};
const CNom kFlashs[] = {{0, "no flash"},         {1, "auto"},      {2, "flash"},
                        {3, "red-eye reduction mode"}, {4, "slow-sync"},
                        {5, "red-eye reduction mode (auto)"}, {6, "red-eye reduction mode (on)"},
                        {16, "external flash"}};
const CNom kProgrammes[] = {{0, "full auto"},    {1, "manual"},        {2, "landscape"}, {3, "fast shutter"},
                            {4, "slow shutter"}, {5, "night"},         {6, "black & white"},
                            {7, "sepia"},        {8, "portrait"},      {9, "sports"},    {10, "macro"},
                            {11, "pan focus"}};
const CNom kMesures[] = {{0, "default"}, {1, "spot"}, {3, "evaluative"}, {4, "partial"},
                         {5, "center weighted average"}};
const CNom kModes[] = {{0, "auto"}, {1, "program"}, {2, "shutter priority"}, {3, "aperture priority"},
                       {4, "manual"}, {5, "depth of field"}};
const CNom kEspaces[] = {{1, "sRGB"}, {2, "Adobe RGB"}, {0xFFFF, "uncalibrated"}};
const CNom kRotations[] = {{0, "top-left"}, {90, "right-top"}, {180, "bottom-right"}, {270, "left-bottom"}};
const int kCodesRotation[] = {0, 6, 4, 2};

// Exposure compensation in 1/32 EV steps, bit 15 the sign; fractions of
// 0x0C and 0x14 stand for thirds.
double Compensation(uint16_t v) {
  const bool negatif = (v & 0x8000) != 0;
  int m = negatif ? -static_cast<int16_t>(v) : v;
  int frac = m & 0x1F;
  m -= frac;
  if (frac == 0x0C) frac = 10;
  else if (frac == 0x14) frac = 21;
  const double e = (m + frac) / 32.0;
  return negatif ? -e : e;
}

}  // namespace

uint16_t CCiff::Valeur16(const std::string& b, size_t i) const {
  if (i >= b.size() / 2) return 0;
  CBufReader r(b.data() + 2 * i, 2);
  uint16_t v = 0;
  if (big_) r.U16BE(&v); else r.U16LE(&v);
  return v;
}

uint32_t CCiff::Valeur32(const std::string& b, size_t i) const {
  if (i >= b.size() / 4) return 0;
  CBufReader r(b.data() + 4 * i, 4);
  uint32_t v = 0;
  if (big_) r.U32BE(&v); else r.U32LE(&v);
  return v;
}

int CCiff::Lire() {
  FileReader& f = x_.File();
  int64_t taille = 0;
  if (f.Size(&taille) != 0) return -2;
  const uint32_t fin = static_cast<uint32_t>(std::min<int64_t>(taille, 0xFFFFFFFF));
  CBloc fichier(&f, 0, fin);
  fichier_ = &fichier;
  uint8_t h[kEntete];
  if (int r = fichier.Read(0, h, sizeof h)) return r == -1 ? -1 : -2;
  if (h[0] != h[1] || (h[0] != 'I' && h[0] != 'M') || std::memcmp(h + 6, "HEAPCCDR", 8) != 0) return -1;
  big_ = h[0] == 'M';
  uint32_t racine = 0;
  fichier.U32(2, big_, &racine);
  if (racine > fin) return -3;
  const int r = LireHeap(racine, fin - racine, 0);
  fichier_ = nullptr;
  return r;
}

int CCiff::LireHeap(uint32_t debut, uint32_t longueur, int profondeur) {
  if (profondeur > kProfondeurMax) return -5;
  if (lus_.size() >= static_cast<size_t>(kHeapMax)) return -6;
  const std::pair<uint32_t, uint32_t> heap(debut, longueur);
  if (std::find(lus_.begin(), lus_.end(), heap) != lus_.end()) return -4;
  lus_.push_back(heap);
  const CBloc& f = *fichier_;
  if (longueur < 4 || !f.Contains(debut, longueur)) return -3;
  uint32_t table = 0;
  if (f.U32(debut + longueur - 4, big_, &table) != 0) return -2;
  if (table > longueur - 4) return -3;
  uint16_t n = 0;
  if (f.U16(debut + table, big_, &n) != 0) return -2;
  const uint32_t octets = n * kRecord;
  if (2 > longueur - table || octets > longueur - table - 2) return -3;
  if (n > kRecordsMax - records_) return -6;
  records_ += n;
  std::vector<uint8_t> records(octets);
  if (octets && f.Read(debut + table + 2, records.data(), octets) != 0) return -2;
  for (uint32_t i = 0; i < n; ++i) {
    CBufReader r(records.data() + i * kRecord, kRecord);
    uint16_t type = 0;
    uint32_t taille = 0, off = 0;
    if (big_) {
      r.U16BE(&type);
      r.U32BE(&taille);
      r.U32BE(&off);
    } else {
      r.U16LE(&type);
      r.U32LE(&taille);
      r.U32LE(&off);
    }
    if (DansLeRecord(type)) {
      LireRecord(type, debut + table + 2 + i * kRecord + 2, 8);
      continue;
    }
    if (off > longueur || taille > longueur - off) continue;
    if (EstSousHeap(type))
      LireHeap(debut + off, taille, profondeur + 1);
    else
      LireRecord(type, debut + off, taille);
  }
  return 0;
}

void CCiff::LireRecord(uint16_t type, uint32_t off, uint32_t taille) {
  const CBloc& f = *fichier_;
  auto texte = [&](int item) {
    std::string b;
    if (f.ReadCapped(off, taille, MetaExtractor::kTextMax, &b) == 0) x_.SetText(item, b);
  };
  std::string b;
  switch (type) {
    case kDescription: texte(kItemXde); return;
    case kLogiciel: texte(kItemXso); return;
    case kCommentaire: texte(kItemXcc); return;
    case kAuteur: texte(kItemXar); return;
    case kJpeg1:
    case kJpeg2: {
      CFichier& e = x_.Entry();
      if (taille > 0x7FFFFFFFu) return;
      if (e.thumbOffset >= 0 && e.thumbSize >= 0 && static_cast<uint32_t>(e.thumbSize) <= taille) return;
      e.thumbOffset = off;
      e.thumbSize = static_cast<int32_t>(taille);
      x_.OverwriteInt(kItemXto, off, Printf("%" PRId64, static_cast<int64_t>(off)));
      x_.OverwriteInt(kItemXts, taille, Printf("%u", taille));
      return;
    }
    default:
      break;
  }
  if (f.ReadCapped(off, taille, kValeurMax, &b) != 0) return;
  switch (type) {
    case kMarqueModele: {
      const std::string s = b.substr(0, 511);
      const size_t nul = s.find('\0');
      x_.SetText(kItemXmk, s.substr(0, nul));
      if (nul != std::string::npos) x_.SetText(kItemXmo, s.substr(nul + 1));
      break;
    }
    case kPrise: {
      if (b.size() < 16) break;
      // A sensitivity past what a long holds is no camera's: left out.
      const int16_t iso = static_cast<int16_t>(Valeur16(b, 2));
      const double sensibilite = std::pow(2.0, iso / 32.0) * 50 / 16;
      if (sensibilite < 2147483647.0) {
        const long s = static_cast<long>(sensibilite);
        x_.SetInt(kItemXsr, s, Printf("%li", s));
      }
      const int16_t ouv = static_cast<int16_t>(Valeur16(b, 4));
      if (ouv != 0) {
        const double fn = std::pow(2.0, ouv / 64.0);
        x_.SetDecimal(kItemXav, fn, Printf("F%0.1lf", fn));
        x_.SetDecimal(kItemXfn, fn, Printf("F%0.1lf", fn));
      }
      const double t = std::pow(0.5, static_cast<int16_t>(Valeur16(b, 5)) / 32.0);
      if (std::round(t * 100000) != 0 && std::isfinite(t)) x_.SetShutterSpeed(t);
      const double ev = Compensation(Valeur16(b, 6));
      x_.SetDecimal(kItemXev, ev, Printf("EV%0.1lf", ev));
      x_.SetText(kItemXwb, Nom(kBalances, Valeur16(b, 7), "unknown"));
      break;
    }
    case kReglages:
      if (b.size() < 42) break;
      x_.SetText(kItemXfa, Nom(kFlashs, Valeur16(b, 4), "undefined"));
      x_.SetText(kItemXep, Nom(kProgrammes, Valeur16(b, 11), "undefined"));
      x_.SetText(kItemXmm, Nom(kMesures, Valeur16(b, 17), "undefined"));
      x_.SetText(kItemXem, Nom(kModes, Valeur16(b, 20), "unknown"));
      break;
    case kEspace:
      if (b.size() >= 2) x_.SetText(kItemXcs, Nom(kEspaces, Valeur16(b, 0), "unknown"));
      break;
    case kHeure: {
      if (b.size() < 4) break;
      // Seconds since 1970 counted in local time: split them as a calendar
      // date, then convert that local time.
      const int64_t s = Valeur32(b, 0);
      int64_t jours = s / 86400;
      const int64_t reste = s % 86400;
      // Civil date from days since 1970-01-01.
      jours += 719468;
      const int64_t ere = jours / 146097;
      const int64_t jde = jours - ere * 146097;
      const int64_t ade = (jde - jde / 1460 + jde / 36524 - jde / 146096) / 365;
      const int64_t jda = jde - (365 * ade + ade / 4 - ade / 100);
      const int64_t mp = (5 * jda + 2) / 153;
      CTempsLocal t;
      t.day = static_cast<int>(jda - (153 * mp + 2) / 5 + 1);
      t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
      t.year = static_cast<int>(ade + ere * 400 + (t.month <= 2 ? 1 : 0));
      t.hour = static_cast<int>(reste / 3600);
      t.minute = static_cast<int>(reste / 60 % 60);
      t.second = static_cast<int>(reste % 60);
      uint64_t ft = 0;
      if (LocalTimeToFileTime(t, &ft) == 0) x_.SetDate(kItemXdo, ft);
      break;
    }
    case kImage: {
      if (b.size() < 28) break;
      x_.SetImageSize(static_cast<int>(Valeur32(b, 0)), static_cast<int>(Valeur32(b, 1)));
      x_.SetImageBits(static_cast<int>(Valeur32(b, 5)));
      const int degres = static_cast<int32_t>(Valeur32(b, 3));
      for (size_t i = 0; i < std::size(kRotations); ++i) {
        if (kRotations[i].valeur != degres) continue;
        if (x_.Claim(kItemXor)) {
          x_.OverwriteText(kItemXor, kRotations[i].texte);
          x_.Entry().rotation = kCodesRotation[i];
        }
      }
      break;
    }
    case kFocale: {
      double mm = Valeur16(b, 1);
      if (Valeur16(b, 0) == 2) mm /= 32;
      if (mm > 0) x_.SetFocalLength(mm);
      break;
    }
    default:
      break;
  }
}

int ReadCrwFile(MetaExtractor& x, const std::string& path) {
  FileReader& f = x.File();
  if (f.OpenRead(path) != 0) return -2;
  CCiff ciff(x);
  const int r = ciff.Lire();
  ValiderVignette(x);
  f.Close();
  return r;
}
