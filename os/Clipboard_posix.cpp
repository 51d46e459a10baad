#include "os/Clipboard.h"

int LireTextePressePapier(std::string& texte) {
  texte.clear();
  return -1;
}

uint32_t SequencePressePapier() { return 0; }
