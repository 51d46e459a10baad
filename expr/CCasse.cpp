#include "expr/CCasse.h"

#include "expr/ExprOptions.h"
#include "os/AnsiCase.h"

namespace {

struct FoldTable {
  unsigned char map[256];
  FoldTable() {
    for (int i = 0; i < 256; ++i) map[i] = static_cast<unsigned char>(i);
    struct Range {
      int first, last;
      char to;
    };
    // Windows-1252 letters with a diacritic, to their base letter. The
    // ligatures and the letters without a plain base (Æ Ð Ø Þ ß ...) stay.
    const Range ranges[] = {
        {0x8A, 0x8A, 'S'}, {0x8E, 0x8E, 'Z'}, {0x9A, 0x9A, 's'}, {0x9E, 0x9E, 'z'},
        {0x9F, 0x9F, 'Y'}, {0xC0, 0xC5, 'A'}, {0xC7, 0xC7, 'C'}, {0xC8, 0xCB, 'E'},
        {0xCC, 0xCF, 'I'}, {0xD1, 0xD1, 'N'}, {0xD2, 0xD6, 'O'}, {0xD9, 0xDC, 'U'},
        {0xDD, 0xDD, 'Y'}, {0xE0, 0xE5, 'a'}, {0xE7, 0xE7, 'c'}, {0xE8, 0xEB, 'e'},
        {0xEC, 0xEF, 'i'}, {0xF1, 0xF1, 'n'}, {0xF2, 0xF6, 'o'}, {0xF9, 0xFC, 'u'},
        {0xFD, 0xFD, 'y'}, {0xFF, 0xFF, 'y'},
    };
    for (const Range& r : ranges)
      for (int c = r.first; c <= r.last; ++c) map[c] = static_cast<unsigned char>(r.to);
  }
};

char Up(char c) { return static_cast<char>(AnsiUpper(static_cast<unsigned char>(c))); }
char Low(char c) { return static_cast<char>(AnsiLower(static_cast<unsigned char>(c))); }

}  // namespace

void PlierAccents(std::string& s) {
  static const FoldTable table;
  for (char& c : s) c = static_cast<char>(table.map[static_cast<unsigned char>(c)]);
}

CCasse::CCasse(const ExprOptions& o) {
  for (unsigned char c : o.carSepMot) sep_[c] = true;
  for (const std::string& w : o.motsCas)
    if (!w.empty()) words_.push_back(w);
  forcedByDefault_ = o.forceCasActif && !words_.empty();
}

const std::string* CCasse::ForcedWord(const char* w, size_t n) const {
  for (const std::string& f : words_)
    if (AnsiCompareNoCase(w, n, f.data(), f.size()) == 0) return &f;
  return nullptr;
}

void CCasse::Appliquer(std::string& s, char mode, bool forced) const {
  if (mode == 0 && (!forced || words_.empty())) return;
  size_t i = 0;
  const size_t n = s.size();
  while (i < n) {
    if (sep_[static_cast<unsigned char>(s[i])]) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < n && !sep_[static_cast<unsigned char>(s[end])]) ++end;
    const std::string* f = forced ? ForcedWord(s.data() + i, end - i) : nullptr;
    if (f) {
      // Same length: the comparison above only matches words of equal size.
      s.replace(i, end - i, *f);
    } else {
      for (size_t k = i; k < end; ++k) {
        switch (mode) {
          case 'u': s[k] = Up(s[k]); break;
          case 'l': s[k] = Low(s[k]); break;
          case 'U': s[k] = (k == i) ? Up(s[k]) : Low(s[k]); break;
          case 'L': s[k] = (k == 0) ? Up(s[k]) : Low(s[k]); break;
          default: break;
        }
      }
    }
    i = end;
  }
}
