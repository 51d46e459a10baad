#include "config/CMultilangue.h"

CMultilangue& Langue() {
  static CMultilangue table;
  return table;
}

void CMultilangue::Fill(int language) {
  texts_.clear();
  language_ = language;
  const bool fr = language == 0;
  Add(26, fr ? "Impossible d'acc\xe9" "der \xe0 %s" : "Unable to access %s");
  Add(33, fr ? "Chargement de %s ..." : "Loading %s ...");
  Add(34, fr ? "Chargement (%d) de %s ..." : "Loading (%d) %s ...");
  Add(37, fr ? "Nom actuel" : "Current name");
  Add(38, fr ? "Nom futur" : "Future name");
  Add(39, "Sel");
}
