#include "meta/Id3v2.h"

#include <cstring>
#include <utility>

#include "meta/Id3v1.h"

namespace {

constexpr uint32_t kHeader = 10;
// Bytes of a frame read for its text, and of an attached picture frame read
// for its MIME type and description.
constexpr uint32_t kTextBytes = MetaExtractor::kTextMax;
constexpr uint32_t kPictureBytes = 512;

// Frames read, by their version 2.2 and later ids.
struct CTrameId3 {
  const char* v22;
  const char* id;
  int item;
};
const CTrameId3 kTrames[] = {
    {"TT2", "TIT2", kItemAt},
    {"TP1", "TPE1", kItemAa},
    {"TAL", "TALB", kItemAA},
    {"TYE", "TYER", kItemAy},
    {"COM", "COMM", kItemAc},
    {"TRK", "TRCK", kItemAk},
    {"TCO", "TCON", kItemAg},
    {"TCM", "TCOM", kItemAp},
    {"TOA", "TOPE", kItemAo},
    {"TCR", "TCOP", kItemAC},
    {"WXX", "WXXX", kItemAu},
    {"TEN", "TENC", kItemAe},
    {"PIC", "APIC", kItemAIf},
    // Version 2.4 replaced the year frame by the recording time.
    {nullptr, "TDRC", kItemAy},
};

// The big-endian word at `at` of a header read whole.
uint32_t Be32(const uint8_t* bytes, size_t size, size_t at) {
  uint32_t v = 0;
  CBufReader(bytes, size).PeekU32BE(at, &v);
  return v;
}
// Four bytes of 7 bits each, most significant first.
uint32_t SyncSafe(uint32_t be) {
  return (be >> 24 & 0x7F) << 21 | (be >> 16 & 0x7F) << 14 | (be >> 8 & 0x7F) << 7 | (be & 0x7F);
}

bool Wide(uint8_t encoding) { return encoding == 1 || encoding == 2; }

// End of the string that starts at `from`: the first zero byte, or the first
// zero code unit for UTF-16 (counted from `from`); the end of the data when
// there is none.
size_t StringEnd(const std::string& d, size_t from, bool wide) {
  if (!wide) {
    const size_t nul = d.find('\0', from);
    return nul == std::string::npos ? d.size() : nul;
  }
  for (size_t i = from; i < d.size() && 2 <= d.size() - i; i += 2)
    if (d[i] == 0 && d[i + 1] == 0) return i;
  return d.size();
}
// Where the string after the one ending at `end` starts.
size_t NextString(const std::string& d, size_t end, bool wide) {
  const size_t term = wide ? 2 : 1;
  return term <= d.size() - end ? end + term : d.size();
}

// UTF-16 bytes to ANSI: a byte-order mark decides the order, else the
// encoding does (1 little-endian, 2 big-endian); a leading language escape
// (ESC, two characters, ESC) is dropped.
std::string Utf16Text(const MetaExtractor& x, std::string s, uint8_t encoding) {
  bool big = encoding == 2;
  if (s.size() >= 2) {
    const uint8_t b0 = uint8_t(s[0]), b1 = uint8_t(s[1]);
    if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) {
      big = b0 == 0xFE;
      s.erase(0, 2);
    }
  }
  s.resize(s.size() & ~size_t(1));
  if (big)
    for (size_t i = 0; i < s.size(); i += 2) std::swap(s[i], s[i + 1]);
  if (s.size() >= 8 && s[0] == 0x1B && s[1] == 0 && s[6] == 0x1B && s[7] == 0) s.erase(0, 8);
  return x.Utf16ToAnsi(s);
}

// Which string of a frame is taken: the first, the one after it (a comment
// after its description), or a URL after its description, which is always
// single-byte text.
enum class CChaine { Premiere, Seconde, Url };

// The text of a frame's data (its first bytes, as read): the encoding byte
// (absent when the first byte is above 3), three language bytes when
// `language`, then the string asked for; UTF-16 and UTF-8 texts are converted
// to ANSI, and all is cleaned.
std::string Id3v2Text(const MetaExtractor& x, const std::string& data, bool language, CChaine quelle) {
  if (data.empty()) return "";
  uint8_t encodage = 0;
  size_t pos = 0;
  if (uint8_t(data[0]) <= 3) {
    encodage = uint8_t(data[0]);
    pos = 1;
  }
  if (language) pos = 3 <= data.size() - pos ? pos + 3 : data.size();
  bool wide = Wide(encodage);
  size_t fin = StringEnd(data, pos, wide);
  if (quelle != CChaine::Premiere) {
    if (fin == data.size()) return "";
    pos = NextString(data, fin, wide);
    if (quelle == CChaine::Url) {
      wide = false;
      encodage = 0;
    }
    fin = StringEnd(data, pos, wide);
  }
  const std::string octets = data.substr(pos, fin - pos);
  if (wide) return x.CleanAs(Utf16Text(x, octets, encodage), CTextEncoding::Ansi);
  return x.CleanAs(octets, encodage == 3 ? CTextEncoding::Utf8 : CTextEncoding::Ansi);
}

// Reads one tag: the header, the extended header, then the frames.
class CId3v2 {
 public:
  explicit CId3v2(MetaExtractor& x) : x_(x), f_(x.File()) {}
  int Lire();

 private:
  int Trames(int64_t restant);
  void Trame(const CTrameId3& t, uint32_t taille);
  void Image(uint32_t taille, int64_t debut);

  MetaExtractor& x_;
  FileReader& f_;
  uint8_t version_ = 0;
};

int CId3v2::Lire() {
  uint8_t h[kHeader];
  if (f_.Seek(0) != 0) return -1;
  if (f_.ReadExact(h, kHeader) != 0) {
    f_.Seek(0);
    return -1;
  }
  const int64_t fin = Id3v2TagBytes(h);
  if (fin == 0) {
    f_.Seek(0);
    return -2;
  }
  const uint32_t taille = SyncSafe(Be32(h, kHeader, 6));
  version_ = h[3];
  const uint8_t drapeaux = h[5];
  int r = 0;
  // Version 2.2 with bit 6 set is compressed as a whole, which nothing reads.
  if (version_ < 2 || version_ > 4 || (version_ == 4 && h[4] != 0) || (version_ == 2 && (drapeaux & 0x40))) {
    r = -3;
  } else {
    int64_t restant = taille;
    if (version_ > 2 && (drapeaux & 0x40)) {
      uint8_t e[4];
      if (f_.ReadExact(e, 4) != 0) {
        r = -1;
      } else {
        // Version 2.3 counts the bytes after the size, 2.4 the whole header
        // in 7-bit bytes.
        const uint32_t n = version_ == 4 ? SyncSafe(Be32(e, 4, 0)) : Be32(e, 4, 0);
        const uint32_t saut = version_ == 4 ? n - 4 : n;
        if (n < 1 || n >= taille || (version_ == 4 && n < 4) || f_.Seek(saut, SeekFrom::Current) != 0) r = -5;
        restant -= int64_t(4) + saut;
      }
    }
    if (r == 0) r = Trames(restant);
  }
  f_.Seek(fin);
  return r;
}

int CId3v2::Trames(int64_t restant) {
  const uint32_t tete = version_ == 2 ? 6 : 10;
  while (restant > 0) {
    uint8_t h[10] = {};
    if (f_.ReadExact(h, tete) != 0) return -1;
    restant -= tete;
    if (h[0] == 0) return 0;  // padding
    uint32_t taille;
    uint8_t format = 0;
    const CTrameId3* trame = nullptr;
    if (version_ == 2) {
      taille = uint32_t(h[3]) << 16 | uint32_t(h[4]) << 8 | h[5];
      for (const CTrameId3& t : kTrames)
        if (t.v22 && std::memcmp(h, t.v22, 3) == 0) trame = &t;
    } else {
      // Some writers put plain sizes in 2.4 tags; a byte with its top bit
      // set cannot belong to a 7-bit size.
      const uint32_t brut = Be32(h, sizeof h, 4);
      const bool plain = version_ == 3 || (brut & 0x80808080u);
      taille = plain ? brut : SyncSafe(brut);
      if (taille > 0x7FFFFFFF) return -6;
      format = h[9];
      for (const CTrameId3& t : kTrames)
        if (std::memcmp(h, t.id, 4) == 0 && (t.v22 || version_ == 4)) trame = &t;
    }
    if (taille > restant) return -7;
    restant -= taille;
    const int64_t debut = f_.Tell();
    if (debut < 0) return -1;
    // Compressed, encrypted, unsynchronised or grouped data is not text as
    // it stands: 2.4 marks these in the low four bits and bit 6, 2.3 in the
    // top three.
    const uint8_t illisible = version_ == 4 ? 0x4F : 0xE0;
    if (trame && (format & illisible) == 0) {
      if (std::strcmp(trame->id, "APIC") == 0) {
        if (x_.Entry().pictureOffset == -1) Image(taille, debut);
      } else {
        Trame(*trame, taille);
      }
    }
    if (f_.Seek(debut + taille) != 0) return -1;
  }
  return 0;
}

void CId3v2::Trame(const CTrameId3& t, uint32_t taille) {
  const bool commentaire = t.item == kItemAc;
  // A comment overwrites, so the last one wins; the others claim first.
  if (!commentaire && !x_.Claim(t.item)) return;
  // A frame cut by the end of the file is not kept: its text would be
  // another one than the frame holds.
  std::string d;
  if (f_.ReadCapped(&d, taille, kTextBytes) != 0) return;
  const CChaine quelle = commentaire         ? CChaine::Seconde
                         : t.item == kItemAu ? CChaine::Url
                                             : CChaine::Premiere;
  std::string texte = Id3v2Text(x_, d, commentaire, quelle);
  if (t.item == kItemAg) texte = Id3v2Genre(texte);
  x_.OverwriteText(t.item, texte);
  if (t.item == kItemAk) x_.SetTrackNumbers(texte);
}

void CId3v2::Image(uint32_t taille, int64_t debut) {
  if (taille <= 4) return;
  std::string d;
  if (f_.ReadCapped(&d, taille, kPictureBytes) != 0 || d.size() < 2) return;
  const uint8_t encodage = uint8_t(d[0]);
  std::string mime;
  size_t pos;
  if (version_ == 2) {
    // Version 2.2 names the image format in three letters ("JPG", "PNG").
    const std::string format = d.substr(1, 3);
    x_.OverwriteText(kItemAIf, format);
    mime = "image/" + format;
    pos = 4;
  } else {
    const size_t nul = StringEnd(d, 1, false);
    mime = d.substr(1, std::min<size_t>(nul - 1, MetaExtractor::kTextMax));
    x_.OverwriteText(kItemAIf, mime);
    pos = NextString(d, nul, false);
  }
  // The picture type, then the description.
  if (pos >= d.size()) return;
  const size_t debutImage = NextString(d, StringEnd(d, pos + 1, Wide(encodage)), Wide(encodage));
  if (debutImage >= d.size()) return;
  const uint64_t reste = taille - debutImage;
  if (reste > 0x7FFFFFFF) return;
  x_.ProbeEmbeddedPicture(debut + int64_t(debutImage), int32_t(reste), mime);
}

}  // namespace

int64_t Id3v2TagBytes(const uint8_t* h) {
  const uint32_t taille = SyncSafe(Be32(h, kHeader, 6));
  if (std::memcmp(h, "ID3", 3) != 0 || h[3] == 0xFF || h[4] == 0xFF || taille == 0) return 0;
  // A version 2.4 tag may end with a copy of its header.
  return int64_t(kHeader) + taille + (h[3] == 4 && (h[5] & 0x10) ? kHeader : 0);
}

int ReadId3v2(MetaExtractor& x) { return CId3v2(x).Lire(); }

std::string Id3v2Genre(const std::string& text) {
  const size_t a = text.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  const std::string g = text.substr(a, text.find_last_not_of(' ') - a + 1);
  if (g[0] != '(') return g;
  const size_t ferme = g.find(')');
  if (ferme != std::string::npos && ferme + 1 < g.size()) return g.substr(ferme + 1);
  // "(n)": the number inside indexes the ID3v1 table.
  int n = 0;
  size_t i = 1;
  for (; i < g.size() && g[i] >= '0' && g[i] <= '9' && n < 1000; ++i) n = n * 10 + (g[i] - '0');
  const char* nom = i > 1 ? Id3v1Genre(n) : nullptr;
  return nom ? nom : "";
}
