#include "files/CBaseTexts.h"

#include "files/CDateFormat.h"
#include "files/CFichier.h"

#include <cinttypes>
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

std::string SizeText(uint64_t size, bool inBytes, const char* kb, const char* mb, const char* gb) {
  char buf[64];
  const double v = static_cast<double>(size);
  if (inBytes || size < 1024)
    std::snprintf(buf, sizeof buf, "%" PRIu64, size);
  else if (size >= 1073741824ull)
    std::snprintf(buf, sizeof buf, "%.2f %s", v / 1073741824.0, gb);
  else if (size >= 1048576ull)
    std::snprintf(buf, sizeof buf, "%.2f %s", v / 1048576.0, mb);
  else
    std::snprintf(buf, sizeof buf, "%.2f %s", v / 1024.0, kb);
  return buf;
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
