#include "meta/ApeTag.h"

#include <cstring>
#include <string>

namespace {

constexpr uint32_t kFooter = 32;
constexpr uint32_t kKeyPiece = 32;
// Keys are at most 255 characters.
constexpr uint32_t kKeyMax = 256;

struct CCleApe {
  const char* key;
  int item;
};
const CCleApe kCles[] = {
    {"Title", kItemAt},    {"Artist", kItemAa},         {"Album", kItemAA},     {"Record Date", kItemAy},
    {"Year", kItemAy},     {"Comment", kItemAc},        {"Track", kItemAk},     {"Genre", kItemAg},
    {"Composer", kItemAp}, {"ORIGINALARTIST", kItemAo}, {"Copyright", kItemAC}, {"Publisher URL", kItemAu},
    {"File URL", kItemAu}, {"Copyright URL", kItemAu},  {"URL", kItemAu},       {"ENCODEDBY", kItemAe},
};

bool MemesLettres(const std::string& a, const char* b) {
  const size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i) {
    char c = a[i], d = b[i];
    if (c >= 'a' && c <= 'z') c = char(c - 32);
    if (d >= 'a' && d <= 'z') d = char(d - 32);
    if (c != d) return false;
  }
  return true;
}

int Item(const std::string& key) {
  for (const CCleApe& c : kCles)
    if (MemesLettres(key, c.key)) return c.item;
  return kItemCount;
}

// Reads the NUL-terminated key at the position, in pieces, and leaves the
// position just after its NUL. -4 when it is cut or longer than a key can be.
int LireCle(FileReader& f, int64_t fin, std::string* key) {
  const int64_t debut = f.Tell();
  if (debut < 0) return -4;
  key->clear();
  for (;;) {
    char piece[kKeyPiece];
    uint32_t n = kKeyPiece;
    if (f.ReadUpTo(piece, &n) != 0 || n == 0) return -4;
    const void* nul = std::memchr(piece, 0, n);
    key->append(piece, nul ? static_cast<const char*>(nul) - piece : n);
    if (key->size() >= kKeyMax || int64_t(key->size()) >= fin - debut) return -4;
    if (nul) return f.Seek(debut + int64_t(key->size()) + 1) == 0 ? 0 : -4;
  }
}

}  // namespace

int ReadApeTag(MetaExtractor& x, int64_t* end) {
  FileReader& f = x.File();
  uint8_t p[kFooter];
  if (*end < kFooter || f.Seek(*end - kFooter) != 0 || f.ReadExact(p, kFooter) != 0) return -1;
  if (std::memcmp(p, "APETAGEX", 8) != 0) return -2;
  const CBufReader pied(p, kFooter);
  uint32_t version = 0, taille = 0, nombre = 0;
  pied.PeekU32LE(8, &version);
  pied.PeekU32LE(12, &taille);
  pied.PeekU32LE(16, &nombre);
  if (taille < kFooter || taille > *end) return -3;
  const int64_t premier = *end - taille;
  const int64_t finItems = *end - kFooter;
  // A header copy of the footer before the items belongs to the tag too.
  uint8_t h[kFooter];
  const bool entete = premier >= kFooter && f.Seek(premier - kFooter) == 0 && f.ReadExact(h, kFooter) == 0 &&
                      std::memcmp(h, "APETAGEX", 8) == 0;
  *end = entete ? premier - kFooter : premier;
  if (version >= 2000) x.encoding = CTextEncoding::Utf8;
  if (f.Seek(premier) != 0) return -1;
  for (uint32_t i = 0; i < nombre; ++i) {
    uint8_t t[8];
    const int64_t pos = f.Tell();
    if (pos < 0 || finItems - pos < 8 || f.ReadExact(t, 8) != 0) return -4;
    uint32_t n = 0, drapeaux = 0;
    CBufReader(t, 8).PeekU32LE(0, &n);
    CBufReader(t, 8).PeekU32LE(4, &drapeaux);
    std::string cle;
    if (LireCle(f, finItems, &cle) != 0) return -4;
    const int64_t valeur = f.Tell();
    if (valeur < 0 || n > finItems - valeur) return -4;
    // Binary and external values (bits 1 and 2) are not text. The text is
    // kept raw here: storing it converts and cleans it once.
    std::string texte;
    if (drapeaux & 6) {
      if (f.Seek(valeur + n) != 0) return -4;
    } else if (f.ReadCapped(&texte, n, MetaExtractor::kTextMax) != 0) {
      return -4;
    }
    if ((drapeaux & 0x8000) && f.Seek(8, SeekFrom::Current) != 0) return -4;
    const int item = Item(cle);
    if (!x.Claim(item)) continue;
    x.OverwriteText(item, texte);
    if (item == kItemAk) x.SetTrackNumbers(x.Clean(texte));
  }
  return 0;
}
