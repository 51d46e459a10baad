#include "files/CBaseTexts.h"

#include "files/CDateFormat.h"
#include "files/CFichier.h"

#include <cstdio>

std::string AttributeLetters(uint32_t attributes) {
  static const struct {
    uint32_t flag;
    char letter;
  } kLetters[] = {
      {0x10, 'D'},  {0x20, 'A'},  {0x800, 'C'}, {0x4000, 'E'}, {0x2, 'H'},   {0x80, 'N'},
      {0x1000, 'O'}, {0x1, 'R'},  {0x400, 'P'}, {0x200, 's'},  {0x4, 'S'},   {0x100, 'T'},
  };
  std::string letters;
  for (const auto& l : kLetters)
    if (attributes & l.flag) letters += l.letter;
  return letters;
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
