#include "files/CBaseTexts.h"

#include <vector>

#include "files/CDateFormat.h"
#include "files/CFichier.h"

#include <cstdio>

namespace {

const struct {
  uint32_t flag;
  char letter;
} kLetters[] = {
    {0x10, 'D'},  {0x20, 'A'},  {0x800, 'C'}, {0x4000, 'E'}, {0x2, 'H'},   {0x80, 'N'},
    {0x1000, 'O'}, {0x1, 'R'},  {0x400, 'P'}, {0x200, 's'},  {0x4, 'S'},   {0x100, 'T'},
};
constexpr int kLetterCount = sizeof kLetters / sizeof kLetters[0];

// Bit i of the index stands for kLetters[i].
int LetterIndex(uint32_t attributes) {
  int index = 0;
  for (int i = 0; i < kLetterCount; ++i)
    if (attributes & kLetters[i].flag) index |= 1 << i;
  return index;
}

}  // namespace

const std::string& AttributeText(uint32_t attributes) {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> all(size_t{1} << kLetterCount);
    for (size_t index = 0; index < all.size(); ++index)
      for (int i = 0; i < kLetterCount; ++i)
        if (index & (size_t{1} << i)) all[index] += kLetters[i].letter;
    return all;
  }();
  return texts[static_cast<size_t>(LetterIndex(attributes))];
}

std::string StandardDateText(FileTime ft) {
  static const CDateFormat format;
  return format.Formater(ft, "%c");
}

const std::string& CTextesDates::Texte(int slot, FileTime ft) const {
  if (!slots_) slots_.reset(new Slot[3]);
  Slot& s = slots_[slot];
  if (s.ft != ft || s.text.empty()) {
    s.ft = ft;
    s.text = StandardDateText(ft);
  }
  return s.text;
}
