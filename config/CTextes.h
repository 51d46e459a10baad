// The fixed table of interface texts that fills CMultilangue, in insertion
// order.
#pragma once

struct CTexte {
  int id;
  const char* en;  // null: the text exists in French only
  const char* fr;  // null: the English text serves both languages
};

extern const CTexte kTextes[];
extern const int kTexteCount;
