// The options the expression engine reads, as plain values. The Win32 side
// fills this from its settings; tests and the fuzzer fill it directly. Each
// member is named after its INI key and starts with that key's default.
#pragma once

#include <string>
#include <vector>

#include "files/Formats.h"

struct ExprOptions {
  // [modif]
  bool id3v1audNvl = true;         // id3v1aud_nvl: Id3v1 and audio tag items stand in for each other
  bool videFmtKo = true;           // vide_fmt_ko: a date item without a valid date reads empty
  std::string carSepTab = "-";     // car_sep_tab: separators of the array modifier
  std::string carSepMot = " _()";  // car_sep_mot: word separators of U and of the forced words
  bool forceCasActif = true;       // force_cas_actif
  std::vector<std::string> motsCas;  // [cas_mot] mot_NN: words whose spelling is forced

  // [date]
  std::string fmtD = "%Y%m%d";
  std::string fmtT = "%H%M%S";
  std::string fmtDt = "%Y%m%d_%H%M%S";
  int ajo = 0;  // seconds added to every date

  // [nombre]
  int numSelPad = 3;
  int numSelDep = 1;
  int numSelInc = 1;
  int numDsNomPad = 3;
  int numDsNomAjo = 0;
  int numPistePad = 2;

  // Size units of the current language, from the text table ("Ko" ... in French).
  CSizeUnits unites;
};
