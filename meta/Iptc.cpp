#include "meta/Iptc.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "files/CBaseTexts.h"
#include "os/LocalTime.h"

namespace {

constexpr uint8_t kMarqueur = 0x1C;
constexpr uint8_t kRecordApplication = 2;
constexpr uint16_t kRessourceIptc = 0x0404;

// Datasets of record 2 and their items.
struct CDataset {
  uint8_t numero;
  int item;
};
const CDataset kDatasets[] = {
    {5, kItemYon},   {7, kItemYes},   {10, kItemYpr},  {15, kItemYca},  {20, kItemYsc},  {22, kItemYji},
    {25, kItemYkw},  {30, kItemYdr},  {35, kItemYdr},  {40, kItemYsi},  {55, kItemYdc},  {60, kItemYdc},
    {65, kItemYpg},  {70, kItemYpv},  {75, kItemYoc},  {80, kItemYbl},  {85, kItemYbt},  {90, kItemYct},
    {92, kItemYsl},  {95, kItemYst},  {100, kItemYcc}, {101, kItemYco}, {103, kItemYot}, {105, kItemYhl},
    {110, kItemYcr}, {115, kItemYsr}, {116, kItemYcy}, {120, kItemYcp}, {122, kItemYcw},
};

int ItemDe(uint8_t dataset) {
  for (const CDataset& d : kDatasets)
    if (d.numero == dataset) return d.item;
  return kNoItem;
}

bool EstDate(uint8_t d) { return d == 55 || d == 30; }
bool EstHeure(uint8_t d) { return d == 60 || d == 35; }
bool EstRepetable(uint8_t d) { return d == 20 || d == 25; }

// The date and time parts of one date item, gathered over the records.
struct CDateIptc {
  std::string date;
  std::string heure;
  bool vue = false;
};

// "CCYYMMDD HHMMSS" (at least six characters; a missing month or day is 1, a
// missing time field 0) as local time; false when it is not a valid one.
bool LireDateIptc(const std::string& s, FileTime* ft) {
  if (s.size() < 6) return false;
  int v[6] = {0, 1, 1, 0, 0, 0};
  const int lus = std::sscanf(s.c_str(), "%4d%2d%2d %2d%2d%2d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]);
  if (lus < 1) return false;
  CTempsLocal t;
  t.year = v[0];
  t.month = v[1];
  t.day = v[2];
  t.hour = v[3];
  t.minute = v[4];
  t.second = v[5];
  uint64_t r = 0;
  if (LocalTimeToFileTime(t, &r) != 0) return false;
  *ft = r;
  return true;
}

// Stores one assembled date item: a date when its text reads as one, else
// the text as it stands.
void PoserDate(MetaExtractor& x, int item, const CDateIptc& d) {
  if (!d.vue || !x.Claim(item)) return;
  std::string texte = d.date;
  if (!d.heure.empty()) texte += (texte.empty() ? "" : " ") + d.heure;
  texte = x.Clean(texte);
  if (texte.empty()) return;
  FileTime ft = 0;
  CDonnees& items = x.Entry().items;
  if (LireDateIptc(texte, &ft)) {
    items.dates.Set(item, ft);
    const std::string standard = StandardDateText(ft);
    if (!standard.empty()) items.text.Set(item, standard);
  } else {
    items.text.Set(item, texte);
  }
}

}  // namespace

int LireIptc(MetaExtractor& x, const CBloc& bloc, uint32_t off, uint32_t n) {
  if (!bloc.Contains(off, n)) return -3;
  CDateIptc creation, publication;
  // Repeatable datasets gather into one text each, written at the end so a
  // long list is not copied once per keyword.
  std::string repetes[2];
  bool repete[2] = {false, false};
  CDonnees& items = x.Entry().items;
  const int itemsRepetes[2] = {kItemYsc, kItemYkw};
  for (int i = 0; i < 2; ++i) repetes[i] = items.Text(itemsRepetes[i]);

  uint32_t pos = 0;
  int r = 0;
  while (n - pos > 5) {
    uint8_t tete[5];
    if (bloc.Read(off + pos, tete, sizeof tete) != 0) {
      r = -2;
      break;
    }
    const uint32_t taille = (static_cast<uint32_t>(tete[3]) << 8) | tete[4];
    pos += 5;
    // A record cut by the end of its block is not read: its text would be
    // one the record does not hold.
    if (taille > n - pos) break;
    if (tete[0] == kMarqueur && tete[1] == kRecordApplication) {
      const uint8_t ds = tete[2];
      const int item = ItemDe(ds);
      if (item != kNoItem) {
        std::string brut;
        if (bloc.ReadCapped(off + pos, taille, MetaExtractor::kTextMax, &brut) != 0) {
          r = -2;
          break;
        }
        const std::string texte = x.Clean(brut);
        if (EstRepetable(ds)) {
          const int k = ds == 20 ? 0 : 1;
          if (!texte.empty()) {
            if (!repetes[k].empty()) repetes[k] += ", ";
            repetes[k] += texte;
            repete[k] = true;
          }
        } else if (EstDate(ds) || EstHeure(ds)) {
          CDateIptc& d = item == kItemYdc ? creation : publication;
          std::string& partie = EstDate(ds) ? d.date : d.heure;
          if (!d.vue || partie.empty()) partie = texte;
          d.vue = true;
        } else {
          x.SetText(item, texte);
        }
      }
    }
    pos += taille;
  }
  for (int i = 0; i < 2; ++i)
    if (repete[i]) items.text.Set(itemsRepetes[i], repetes[i]);
  PoserDate(x, kItemYdc, creation);
  PoserDate(x, kItemYdr, publication);
  return r;
}

int LirePhotoshop(MetaExtractor& x, const CBloc& bloc, uint32_t off, uint32_t n) {
  static const char kEntete[14] = "Photoshop 3.0";  // with its NUL
  if (n <= sizeof kEntete || !bloc.Contains(off, n)) return -1;
  char entete[sizeof kEntete];
  if (bloc.Read(off, entete, sizeof entete) != 0) return -2;
  if (std::memcmp(entete, kEntete, sizeof kEntete) != 0) return -1;
  uint32_t pos = sizeof kEntete;
  while (n - pos > 7) {
    uint8_t b = 0;
    if (bloc.Read(off + pos, &b, 1) != 0) return -2;
    if (b == 0) {  // padding between resources
      ++pos;
      continue;
    }
    // "8BIM", the resource id, the length of its name.
    uint8_t tete[7];
    if (bloc.Read(off + pos, tete, sizeof tete) != 0) return -2;
    if (std::memcmp(tete, "8BIM", 4) != 0) return 0;
    const uint16_t id = static_cast<uint16_t>((tete[4] << 8) | tete[5]);
    const uint32_t nom = tete[6];
    pos += sizeof tete;
    // The name with its length byte is padded to an even size; then come the
    // two high bytes of the 32-bit data size.
    const uint32_t saut = nom + (nom % 2 == 0 ? 1 : 0) + 2;
    if (saut > n - pos || 2 > n - pos - saut) return -3;
    pos += saut;
    uint16_t taille = 0;
    if (bloc.U16(off + pos, true, &taille) != 0) return -2;
    pos += 2;
    if (taille == 0) return 0;
    if (taille > n - pos) return -3;
    if (id == kRessourceIptc) return LireIptc(x, bloc, off + pos, taille);
    pos += taille;
  }
  return 0;
}
