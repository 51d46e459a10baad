// The Exif tags that fill items (Exif 2.2 tag numbers, GPS tags 0 to 26),
// and the rule that turns each tag's value into its item's text and typed
// value.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "files/CBaseTexts.h"
#include "meta/Printf.h"
#include "meta/Tiff.h"
#include "os/AnsiText.h"
#include "os/LocalTime.h"

namespace {

enum ERegle {
  kTexte,         // the bytes as text
  kEntierD,       // integer, "%d"
  kEntierU,       // integer, "%u"
  kBits,          // sum of all values
  kRationnel,     // n/d: "%u" when d is 1, else "%0.2lf"
  kOrientation,   // name and rotation code
  kNom,           // a name from a table
  kDate,          // "YYYY:MM:DD HH:MM:SS" local time
  kListe,         // rationals "n/d" joined by ","; noms = most values
  kVignetteOff,   // thumbnail offset
  kVignetteTaille,
  kExposition,    // exposure time
  kOuverture,     // f-number
  kSousIfd,       // Exif or GPS IFD pointer; noms = group of the IFD
  kVersion,       // first four bytes as text
  kComposantes,   // Y Cb Cr R G B
  kVitesse,       // APEX shutter speed
  kApex,          // APEX aperture
  kEv,            // signed rational, "EV"
  kDistance,      // "%um", "unknown"
  kFlash,
  kFocale,
  kCommentaire,   // user comment with its character code
  kFocale35,      // "%dmm"
  kGpsVersion,    // bytes joined by "."
  kGpsDms,        // degrees, minutes, seconds
  kGpsHeure,      // hours, minutes, seconds
};

struct CNom {
  uint32_t valeur;
  const char* texte;
};

struct CNoms {
  const CNom* noms;
  size_t n;
  const char* autre;  // the text of every other value
};

const CNom kUnites[] = {{2, "inch"}, {3, "cm"}};
const CNom kPositions[] = {{1, "centered"}, {2, "co-sited"}};
const CNom kProgrammes[] = {{1, "manual control"},   {2, "program normal"},  {3, "aperture priority"},
                            {4, "shutter priority"}, {5, "creative program"}, {6, "action program"},
                            {7, "portrait mode"},    {8, "landscape mode"}};
const CNom kMesures[] = {{0, "unknown"}, {1, "average"},     {2, "center weighted average"},
                         {3, "spot"},    {4, "multi-spot"},  {5, "pattern"},
                         {6, "partial"}, {255, "other"}};
const CNom kLumieres[] = {{0, "unknown"},
                          {1, "daylight"},
                          {2, "fluorescent"},
                          {3, "tungsten"},
                          {4, "flash"},
                          {9, "fine weather"},
                          {10, "cloudy weather"},
                          {11, "shade"},
                          {12, "daylight fluorescent"},
                          {13, "day white fluorescent"},
                          {14, "cool white fluorescent"},
                          {15, "white fluorescent"},
                          {17, "standard light a"},
                          {18, "standard light b"},
                          {19, "standard light c"},
                          {20, "d55"},
                          {21, "d65"},
                          {22, "d75"},
                          {23, "d50"},
                          {24, "iso studio tungsten"},
                          {255, "other"}};
const CNom kEspaces[] = {{1, "sRGB"}, {0xFFFF, "uncalibrated"}};
const CNom kCapteurs[] = {{1, "undefined"},
                          {2, "one-chip color area sensor"},
                          {3, "two-chip color area sensor"},
                          {4, "three-chip color area sensor"},
                          {5, "color sequential area sensor"},
                          {7, "trilinear sensor"},
                          {8, "color sequential linear sensor"}};
const CNom kSources[] = {{3, "DSC"}};
const CNom kScenes[] = {{1, "directly photographed image"}};
const CNom kRendus[] = {{0, "normal"}, {1, "custom"}};
const CNom kModesExpo[] = {{0, "auto"}, {1, "manual"}, {2, "auto bracket"}};
const CNom kBalances[] = {{0, "auto"}, {1, "manual"}};
const CNom kCaptures[] = {{0, "standard"}, {1, "landscape"}, {2, "portrait"}, {3, "night scene"}};
const CNom kGains[] = {{0, "none"},          {1, "low gain up"},    {2, "high gain up"},
                       {3, "low gain down"}, {4, "high gain down"}};
const CNom kDouceurs[] = {{0, "normal"}, {1, "soft"}, {2, "hard"}};
const CNom kSaturations[] = {{0, "normal"}, {1, "low"}, {2, "high"}};
const CNom kDistances[] = {{0, "unknown"}, {1, "macro"}, {2, "close view"}, {3, "distant view"}};
const CNom kAltitudes[] = {{0, "sea level"}};

#define VELTO_NOMS(t, autre) {t, std::size(t), autre}
const CNoms kTables[] = {
    VELTO_NOMS(kUnites, "undefined"),      // 0
    VELTO_NOMS(kPositions, "undefined"),   // 1
    VELTO_NOMS(kProgrammes, "undefined"),  // 2
    VELTO_NOMS(kMesures, "undefined"),     // 3
    VELTO_NOMS(kLumieres, "reserved"),     // 4
    VELTO_NOMS(kEspaces, "reserved"),      // 5
    VELTO_NOMS(kCapteurs, "reserved"),     // 6
    VELTO_NOMS(kSources, "reserved"),      // 7
    VELTO_NOMS(kScenes, "reserved"),       // 8
    VELTO_NOMS(kRendus, "reserved"),       // 9
    VELTO_NOMS(kModesExpo, "reserved"),    // 10
    VELTO_NOMS(kBalances, "reserved"),     // 11
    VELTO_NOMS(kCaptures, "reserved"),     // 12
    VELTO_NOMS(kGains, "reserved"),        // 13
    VELTO_NOMS(kDouceurs, "reserved"),     // 14
    VELTO_NOMS(kSaturations, "reserved"),  // 15
    VELTO_NOMS(kDistances, "reserved"),    // 16
    VELTO_NOMS(kAltitudes, "reserved"),    // 17
};
#undef VELTO_NOMS

enum { kNUnites, kNPositions, kNProgrammes, kNMesures, kNLumieres, kNEspaces, kNCapteurs, kNSources,
       kNScenes, kNRendus, kNModesExpo, kNBalances, kNCaptures, kNGains, kNDouceurs, kNSaturations,
       kNDistances, kNAltitudes };

constexpr int G = kGroupeGps;
constexpr int E = kGroupeExif;

// Sorted by tag number.
const CExifTag kTags[] = {
    {0, G, kItemXgv, kGpsVersion, 0},      {1, G, kItemXlA, kTexte, 0},
    {2, G, kItemXla, kGpsDms, 0},          {3, G, kItemXlO, kTexte, 0},
    {4, G, kItemXlo, kGpsDms, 0},          {5, G, kItemXaL, kNom, kNAltitudes},
    {6, G, kItemXal, kDistance, 0},        {7, G, kItemXTS, kGpsHeure, 0},
    {8, G, kItemXsa, kTexte, 0},           {9, G, kItemXus, kTexte, 0},
    {10, G, kItemXmM, kTexte, 0},          {11, G, kItemXdp, kRationnel, 0},
    {12, G, kItemXsP, kTexte, 0},          {13, G, kItemXsp, kRationnel, 0},
    {14, G, kItemXtR, kTexte, 0},          {15, G, kItemXtr, kRationnel, 0},
    {16, G, kItemXiD, kTexte, 0},          {17, G, kItemXid, kRationnel, 0},
    {18, G, kItemXmd, kTexte, 0},          {19, G, kItemXLA, kTexte, 0},
    {20, G, kItemXLa, kGpsDms, 0},         {21, G, kItemXLO, kTexte, 0},
    {22, G, kItemXLo, kGpsDms, 0},         {23, G, kItemXbE, kTexte, 0},
    {24, G, kItemXbe, kRationnel, 0},      {25, G, kItemXDR, kTexte, 0},
    {26, G, kItemXDr, kRationnel, 0},
    {256, kGroupeTaille, kItemIx, kEntierD, 0},
    {257, kGroupeTaille, kItemIy, kEntierD, 0},
    {258, kGroupeTaille, kItemIb, kBits, 0},
    {270, E, kItemXde, kTexte, 0},         {271, E, kItemXmk, kTexte, 0},
    {272, E, kItemXmo, kTexte, 0},         {274, E, kItemXor, kOrientation, 0},
    {282, E, kItemXxr, kRationnel, 0},     {283, E, kItemXyr, kRationnel, 0},
    {296, E, kItemXru, kNom, kNUnites},    {305, E, kItemXso, kTexte, 0},
    {306, E, kItemXdt, kDate, 0},          {315, E, kItemXar, kTexte, 0},
    {318, E, kItemXwp, kListe, 2},         {319, E, kItemXpc, kListe, 6},
    {513, kGroupeVignette, kItemXto, kVignetteOff, 0},
    {514, kGroupeVignette, kItemXts, kVignetteTaille, 0},
    {529, E, kItemXyc, kListe, 3},         {531, E, kItemXyp, kNom, kNPositions},
    {532, E, kItemXbw, kListe, 6},         {33432, E, kItemXco, kTexte, 0},
    {33434, E, kItemXet, kExposition, 0},  {33437, E, kItemXfn, kOuverture, 0},
    {34665, E, kItemXeo, kSousIfd, kGroupeExif},
    {34850, E, kItemXep, kNom, kNProgrammes},
    {34852, E, kItemXsy, kTexte, 0},
    {34853, E, kItemXgo, kSousIfd, kGroupeGps},
    {34855, E, kItemXsr, kEntierU, 0},     {36864, E, kItemXve, kVersion, 0},
    {36867, E, kItemXdo, kDate, 0},        {36868, E, kItemXdd, kDate, 0},
    {37121, E, kItemXcc, kComposantes, 0}, {37122, E, kItemXbp, kRationnel, 0},
    {37377, E, kItemXss, kVitesse, 0},     {37378, E, kItemXav, kApex, 0},
    {37379, E, kItemXbv, kEv, 0},          {37380, E, kItemXev, kEv, 0},
    {37381, E, kItemXma, kApex, 0},        {37382, E, kItemXsd, kDistance, 0},
    {37383, E, kItemXmm, kNom, kNMesures}, {37384, E, kItemXls, kNom, kNLumieres},
    {37385, E, kItemXfa, kFlash, 0},       {37386, E, kItemXfl, kFocale, 0},
    {37510, E, kItemXuc, kCommentaire, 0}, {37520, E, kItemXSt, kTexte, 0},
    {37521, E, kItemXSo, kTexte, 0},       {37522, E, kItemXSd, kTexte, 0},
    {40960, E, kItemXfv, kVersion, 0},     {40961, E, kItemXcs, kNom, kNEspaces},
    {40962, E, kItemXiw, kEntierU, 0},     {40963, E, kItemXih, kEntierU, 0},
    {40964, E, kItemXsf, kTexte, 0},       {41483, E, kItemXfe, kRationnel, 0},
    {41486, E, kItemXfx, kRationnel, 0},   {41487, E, kItemXfy, kRationnel, 0},
    {41488, E, kItemXfu, kNom, kNUnites},  {41493, E, kItemXei, kRationnel, 0},
    {41495, E, kItemXsm, kNom, kNCapteurs}, {41728, E, kItemXfs, kNom, kNSources},
    {41729, E, kItemXst, kNom, kNScenes},  {41985, E, kItemXcr, kNom, kNRendus},
    {41986, E, kItemXem, kNom, kNModesExpo}, {41987, E, kItemXwb, kNom, kNBalances},
    {41988, E, kItemXdz, kRationnel, 0},   {41989, E, kItemXfL, kFocale35, 0},
    {41990, E, kItemXsc, kNom, kNCaptures}, {41991, E, kItemXgc, kNom, kNGains},
    {41992, E, kItemXct, kNom, kNDouceurs}, {41993, E, kItemXsu, kNom, kNSaturations},
    {41994, E, kItemXsh, kNom, kNDouceurs}, {41996, E, kItemXsD, kNom, kNDistances},
    {42016, E, kItemXui, kTexte, 0},
};

const char* Nom(int table, uint32_t v) {
  const CNoms& t = kTables[table];
  for (size_t i = 0; i < t.n; ++i)
    if (t.noms[i].valeur == v) return t.noms[i].texte;
  return t.autre;
}

// Orientation values 1 to 8: name and rotation code.
const CNom kOrientations[] = {{0, "top-left"},    {1, "top-right"},  {4, "bottom-right"}, {5, "bottom-left"},
                              {3, "left-top"},    {6, "right-top"},  {7, "right-bottom"}, {2, "left-bottom"}};

// Where a rule's values go. The IFD walk has claimed the item (or, in a
// reduced-resolution IFD, found it unclaimed and left it so), so the
// values are written without claiming again.
class CSortie {
 public:
  CSortie(MetaExtractor& x, int item) : x_(x), item_(item) {}
  void Texte(const std::string& raw) {
    std::string t = x_.Clean(raw);
    if (!t.empty()) x_.Entry().items.text.Set(item_, std::move(t));
  }
  void Entier(int64_t v, const std::string& texte) {
    x_.Entry().items.ints.Set(item_, v);
    Texte(texte);
  }
  void Decimal(double v, const std::string& texte) {
    x_.Entry().items.decs.Set(item_, v);
    Texte(texte);
  }
  void Date(FileTime ft) {
    x_.Entry().items.dates.Set(item_, ft);
    Texte(StandardDateText(ft));
  }

 private:
  MetaExtractor& x_;
  int item_;
};

double Quotient(uint32_t n, uint32_t d) { return static_cast<double>(n) / static_cast<double>(d); }

std::string TexteRationnel(uint32_t n, uint32_t d) {
  return d == 1 ? Printf("%u", n) : Printf("%0.2lf", Quotient(n, d));
}

std::string TexteExposition(uint32_t n, uint32_t d, const std::string& sym) {
  if (n == 0) return Printf("%u%s%us", 0u, sym.c_str(), d);
  if (n < d) {
    if (n == 1) return Printf("1%s%us", sym.c_str(), d);
    return Printf("1%s%0.1lfs", sym.c_str(), Quotient(d, n));
  }
  return Printf("%0.2lfs", Quotient(n, d));
}

std::string TexteFlash(uint32_t f) {
  if (f == 32) return "no flash function";
  std::string t = (f & 1) ? "flash" : "no flash";
  if ((f & 6) == 4) t += ", return light not detected";
  if ((f & 6) == 6) t += ", return light detected";
  if ((f & 0x18) == 8) t += ", forced";
  if ((f & 0x18) == 0x10) t += ", suppressed";
  if ((f & 0x18) == 0x18) t += ", auto";
  if (f & 0x40) t += ", red-eye reduction mode";
  return t;
}

// The user comment: an 8-byte character code, then the text.
std::string TexteCommentaire(const std::string& b, bool bigEndian) {
  if (b.size() <= 8) return b;
  if (b.compare(0, 8, std::string("Unicode\0", 8)) == 0) {
    std::string u = b.substr(8);
    bool big = bigEndian;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(u.data());
    if (u.size() >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF))) {
      big = p[0] == 0xFE;
      u.erase(0, 2);
      p = reinterpret_cast<const unsigned char*>(u.data());
    }
    return Utf16VersAnsi(p, u.size() / 2, big);
  }
  const bool code = std::find(b.begin(), b.begin() + 8, '\0') != b.begin() + 8;
  return code ? b.substr(8) : b;
}

// "YYYY:MM:DD HH:MM:SS" as local time; false when it is not a valid one.
bool LireDate(const std::string& b, FileTime* ft) {
  const std::string s = b.c_str();
  CTempsLocal t;
  if (std::sscanf(s.c_str(), "%4d:%2d:%2d %2d:%2d:%2d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                  &t.second) != 6)
    return false;
  uint64_t v = 0;
  if (LocalTimeToFileTime(t, &v) != 0) return false;
  *ft = v;
  return true;
}

}  // namespace

const CExifTag* TrouverTagExif(uint16_t tag, int groupes) {
  const CExifTag* fin = std::end(kTags);
  const CExifTag* t =
      std::lower_bound(std::begin(kTags), fin, tag, [](const CExifTag& e, uint16_t v) { return e.tag < v; });
  if (t == fin || t->tag != tag || (t->groupe & groupes) == 0) return nullptr;
  return t;
}

void CTiff::Appliquer(const CExifValeur& v, const CExifTag& t, bool reduite, int profondeur) {
  const int item = t.item;
  // The shutter-speed setter claims its item itself.
  if (reduite || item == kItemXss) {
    if (x_.IsClaimed(item)) return;
  } else if (!x_.Claim(item)) {
    return;
  }
  CSortie out(x_, item);
  const std::string& sym = x_.Options().divSymbol;
  const uint32_t premier = v.Premier();
  uint32_t n = 0, d = 1;
  v.Rationnel(0, &n, &d);
  switch (t.regle) {
    case kTexte:
      out.Texte(v.bytes);
      break;
    case kEntierD:
      out.Entier(static_cast<int32_t>(premier), Printf("%d", static_cast<int32_t>(premier)));
      break;
    case kEntierU:
      out.Entier(premier, Printf("%u", premier));
      break;
    case kBits: {
      int64_t somme = 0;
      for (uint32_t i = 0; i < v.Values(); ++i) somme += v.Entier(i);
      out.Entier(somme, Printf("%lld", static_cast<long long>(somme)));
      break;
    }
    case kRationnel:
      out.Decimal(Quotient(n, d), TexteRationnel(n, d));
      break;
    case kOrientation: {
      const bool connue = premier >= 1 && premier <= 8;
      out.Texte(connue ? kOrientations[premier - 1].texte : "undefined");
      x_.Entry().rotation = connue ? static_cast<int>(kOrientations[premier - 1].valeur) : 0;
      break;
    }
    case kNom:
      out.Texte(Nom(t.noms, premier));
      break;
    case kDate: {
      FileTime ft = 0;
      if (LireDate(v.bytes, &ft))
        out.Date(ft);
      else
        out.Texte(v.bytes);
      break;
    }
    case kListe: {
      std::string s;
      const uint32_t k = std::min<uint32_t>(v.Values(), static_cast<uint32_t>(t.noms));
      for (uint32_t i = 0; i < k; ++i) {
        v.Rationnel(i, &n, &d);
        if (i) s += ",";
        s += Printf("%u%s%u", n, sym.c_str(), d);
      }
      out.Texte(s);
      break;
    }
    case kVignetteOff:
      out.Entier(static_cast<int32_t>(premier), Printf("%d", static_cast<int32_t>(premier)));
      x_.Entry().thumbOffset = bloc_.Base() + premier;
      break;
    case kVignetteTaille:
      out.Entier(static_cast<int32_t>(premier), Printf("%d", static_cast<int32_t>(premier)));
      x_.Entry().thumbSize = premier <= 0x7FFFFFFFu ? static_cast<int32_t>(premier) : -1;
      break;
    case kExposition:
      out.Decimal(Quotient(n, d), TexteExposition(n, d, sym));
      break;
    case kOuverture:
      out.Decimal(Quotient(n, d), Printf("F%0.1lf", Quotient(n, d)));
      break;
    case kSousIfd:
      out.Entier(premier, Printf("%u", premier));
      LireIfd(premier, t.noms, nullptr, profondeur + 1);
      break;
    case kVersion:
      out.Texte(v.bytes.substr(0, 4));
      break;
    case kComposantes: {
      static const char* const kNomsComp[] = {"", "Y", "Cb", "Cr", "R", "G", "B"};
      std::string s;
      for (unsigned char c : v.bytes)
        if (c >= 1 && c <= 6) s += kNomsComp[c];
      out.Texte(s);
      break;
    }
    case kVitesse: {
      int32_t sn = 0, sd = 1;
      v.RationnelSigne(0, &sn, &sd);
      const double t = 1.0 / std::pow(2.0, static_cast<double>(sn) / sd);
      if (t > 0 && std::isfinite(t)) x_.SetShutterSpeed(t);
      break;
    }
    case kApex: {
      const double f = std::pow(1.4142, Quotient(n, d));
      out.Decimal(f, Printf("F%0.1lf", f));
      break;
    }
    case kEv: {
      int32_t sn = 0, sd = 1;
      v.RationnelSigne(0, &sn, &sd);
      const double e = static_cast<double>(sn) / sd;
      out.Decimal(e, sd == 1 ? Printf("EV%d", sn) : Printf("EV%0.1lf", e));
      break;
    }
    case kDistance:
      if (n != 0 && d != 0)
        out.Decimal(Quotient(n, d), d == 1 ? Printf("%um", n) : Printf("%0.2lfm", Quotient(n, d)));
      else
        out.Decimal(0, "unknown");
      break;
    case kFlash:
      out.Texte(TexteFlash(premier));
      break;
    case kFocale:
      x_.SetFocalLength(Quotient(n, d));
      break;
    case kCommentaire:
      out.Texte(TexteCommentaire(v.bytes, v.bigEndian));
      break;
    case kFocale35:
      out.Entier(static_cast<int32_t>(premier), Printf("%dmm", static_cast<int32_t>(premier)));
      break;
    case kGpsVersion: {
      std::string s;
      for (size_t i = 0; i < v.bytes.size() && i < 4; ++i) {
        if (i) s += ".";
        s += Printf("%d", static_cast<unsigned char>(v.bytes[i]));
      }
      out.Texte(s);
      break;
    }
    case kGpsDms:
    case kGpsHeure: {
      static const char kDms[] = "dms";
      static const char kHms[] = "hms";
      const char* suffixes = t.regle == kGpsDms ? kDms : kHms;
      std::string s;
      for (uint32_t i = 0; i < 3 && i < v.Values(); ++i) {
        v.Rationnel(i, &n, &d);
        s += Printf(t.regle == kGpsDms ? "%06.3lf%c" : "%02.0lf%c", Quotient(n, d), suffixes[i]);
      }
      out.Texte(s);
      break;
    }
    default:
      break;
  }
}
