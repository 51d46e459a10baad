// The process-wide settings. Each member is named after its INI key.
#pragma once

#include <string>
#include <vector>

#include "config/CKProfile.h"

// RECT settings hold left, top, width, height; a left of CW_USEDEFAULT means
// "no position".
struct CConfig {
  CKProfile<int> version{"profile", "version", -1};

  CKProfile<RECT> fen_princ_posdim{"courant", "fen_princ_posdim", RECT{CW_USEDEFAULT, 0, CW_USEDEFAULT, 0}};
  CKProfile<bool> fen_princ_au_max{"courant", "fen_princ_au_max", false};
  CKProfile<int> sh_type_aff{"courant", "sh_type_aff", 1};
  CKProfile<double> sh_ratio{"courant", "sh_ratio", 0.75};
  CKProfile<bool> recurse{"courant", "recurse", false};
  CKProfileString rep{"courant", "rep", "."};
  CKProfileString fil{"courant", "fil", ""};
  CKProfileString exp{"courant", "exp", ""};

  CKProfile<bool> deb_rep_expl{"general", "deb_rep_expl", false};
  CKProfile<bool> extr_meta{"general", "extr_meta", true};
  CKProfile<bool> pcont_ouv_dem{"general", "pcont_ouv_dem", true};
  CKProfile<bool> survrep_actif{"general", "survrep_actif", true};

  CKProfile<bool> fic_octet_lf{"affichage", "fic_octet_lf", false};
  CKProfile<bool> liste_rep{"affichage", "liste_rep", true};
  CKProfile<bool> liste_rep_fil{"affichage", "liste_rep_fil", true};
  CKProfile<bool> liste_systeme{"affichage", "liste_systeme", true};
  CKProfile<bool> liste_cache{"affichage", "liste_cache", true};

  CKProfile<bool> sep_dec_reg{"nombre", "sep_dec_reg", true};

  // Directory combo history (section combo, list rep).
  std::vector<std::string> combo_rep;
};

CConfig& Config();
