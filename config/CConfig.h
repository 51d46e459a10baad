// The process-wide settings, each member named after its INI key, in the
// order of the file's sections. Loaded once at start-up and written back
// once after the message loop; only modified settings reach the file.
#pragma once

#include <string>
#include <vector>

#include "config/CKProfile.h"

// One stored column layout: display position (0..215), shown flag, width in
// pixels. Text form "position shown width", for example "3 1 120".
struct CColonneEntry {
  int position = 0;
  bool shown = true;
  int width = 100;
};
bool ParseColonne(const std::string& text, CColonneEntry* out);
std::string FormatColonne(const CColonneEntry& e);
// Whether a stored entry for item may be used: item 0 stays the first,
// visible column; positions are 0..215; widths 1..10000.
bool ColonneValid(int item, const CColonneEntry& e);

// The column layout, one list entry per data item (col_NN, NN = item + 1).
// Items without a usable entry keep the built-in layout (position = item
// number).
class CColonnes {
 public:
  static constexpr int kItems = 216;
  CKProfileList list{"colonne", "col", kItems, false};

  // Reads the entries, deletes the unusable ones from the file and rebuilds
  // the position map.
  void Load();
  int Save() { return list.Save(); }
  // The stored layout of item; false when the built-in one applies.
  bool Entry(int item, CColonneEntry* out) const;
  // Stores the layout of item (capture at main-window destruction).
  void SetEntry(int item, const CColonneEntry& e);
  // Rebuilds the position map from the stored entries. Two entries claiming
  // one position end at distinct positions: ties go to the stored entry over
  // the built-in position, then to the lower item number; item 0 is always
  // first. A stored entry whose position moves is rewritten.
  void RebuildMap();
  int ItemAt(int position) const { return order_[position]; }
  int PositionOf(int item) const { return position_[item]; }

 private:
  int order_[kItems] = {};
  int position_[kItems] = {};
};

// One toolbar band of the rebar list (rbb_NN, NN = band index + 1 in
// display order): band id, new-row flag, width. Text form "id break width".
struct CBandeEntry {
  int id = 0;
  bool newRow = false;
  int width = 0;
};
bool ParseBande(const std::string& text, CBandeEntry* out);
std::string FormatBande(const CBandeEntry& e);

// RECT settings hold left, top, width, height; a left of CW_USEDEFAULT means
// "no position".
struct CConfig {
  CConfig() = default;
  CConfig(const CConfig&) = delete;
  CConfig& operator=(const CConfig&) = delete;

  // Every scalar setting below registers itself here, in declaration order.
  CKProfileSet settings;

  CKProfile<int> version{settings, "profile", "version", -1};

  CKProfile<RECT> fen_princ_posdim{settings, "courant", "fen_princ_posdim", RECT{CW_USEDEFAULT, 0, CW_USEDEFAULT, 0}};
  CKProfile<bool> fen_princ_au_max{settings, "courant", "fen_princ_au_max", false};
  CKProfile<RECT> fen_compl_posdim{settings, "courant", "fen_compl_posdim", RECT{CW_USEDEFAULT, 0, CW_USEDEFAULT, 0}};
  CKProfile<int> sh_type_aff{settings, "courant", "sh_type_aff", 1};
  CKProfile<double> sh_ratio{settings, "courant", "sh_ratio", 0.75};
  CKProfile<bool> recurse{settings, "courant", "recurse", false};
  CKProfile<int> tri_subitem{settings, "courant", "tri_subitem", 0};
  CKProfile<bool> tri_asc{settings, "courant", "tri_asc", true};
  CKProfile<bool> verr_bandes{settings, "courant", "verr_bandes", false};
  CKProfile<bool> thumbnail{settings, "courant", "thumbnail", true};
  CKProfileString opfil_fil{settings, "courant", "opfil_fil", ""};
  CKProfile<bool> opfil_inv{settings, "courant", "opfil_inv", false};
  CKProfile<bool> opfil_rep{settings, "courant", "opfil_rep", true};
  // The default is replaced by the system language when the file is read.
  CKProfile<int> langue{settings, "courant", "langue", 1};
  CKProfileString rep{settings, "courant", "rep", "."};
  CKProfileString fil{settings, "courant", "fil", ""};
  CKProfileString exp{settings, "courant", "exp", ""};
  CKProfile<bool> grp_auto{settings, "courant", "grp_auto", true};
  CKProfile<bool> col_util{settings, "courant", "col_util", true};
  CKProfile<bool> aff_grp_base{settings, "courant", "aff_grp_base", true};
  CKProfile<bool> aff_grp_audio{settings, "courant", "aff_grp_audio", false};
  CKProfile<bool> aff_grp_id3v1{settings, "courant", "aff_grp_id3v1", false};
  CKProfile<bool> aff_grp_audtag{settings, "courant", "aff_grp_audtag", false};
  CKProfile<bool> aff_grp_video{settings, "courant", "aff_grp_video", false};
  CKProfile<bool> aff_grp_vidtag{settings, "courant", "aff_grp_vidtag", false};
  CKProfile<bool> aff_grp_img{settings, "courant", "aff_grp_img", false};
  CKProfile<bool> aff_grp_exif{settings, "courant", "aff_grp_exif", false};
  CKProfile<bool> aff_grp_iptc{settings, "courant", "aff_grp_iptc", false};
  CKProfile<bool> aff_grp_doc{settings, "courant", "aff_grp_doc", false};
  CKProfile<bool> aff_grp_exe{settings, "courant", "aff_grp_exe", false};

  CKProfile<bool> deb_rep_expl{settings, "general", "deb_rep_expl", false};
  CKProfile<bool> extr_meta{settings, "general", "extr_meta", true};
  CKProfile<bool> recalc_imm{settings, "general", "recalc_imm", false};
  CKProfile<bool> pcont_ouv_dem{settings, "general", "pcont_ouv_dem", true};
  CKProfile<bool> survrep_actif{settings, "general", "survrep_actif", true};
  CKProfile<bool> dem_recharge{settings, "general", "dem_recharge", true};

  CKProfileString suppr_uni_car{settings, "modif", "suppr_uni_car", ""};
  CKProfileString suppr_car_repet{settings, "modif", "suppr_car_repet", ""};
  CKProfileString remp_car_de{settings, "modif", "remp_car_de", ""};
  CKProfileString remp_car_a{settings, "modif", "remp_car_a", ""};
  CKProfileString remp_car_inv{settings, "modif", "remp_car_inv", "_"};
  CKProfileString exif_symb_div{settings, "modif", "exif_symb_div", "/"};
  CKProfile<bool> id3v1aud_nvl{settings, "modif", "id3v1aud_nvl", true};
  CKProfile<bool> vide_fmt_ko{settings, "modif", "vide_fmt_ko", true};
  CKProfileString car_sep_tab{settings, "modif", "car_sep_tab", "-"};
  CKProfileString car_sep_mot{settings, "modif", "car_sep_mot", " _()"};
  CKProfile<bool> force_cas_actif{settings, "modif", "force_cas_actif", true};
  CKProfile<int> long_max_nom{settings, "modif", "long_max_nom", -1};

  CKProfile<bool> grille{settings, "affichage", "grille", false};
  CKProfile<bool> infotip_nf{settings, "affichage", "infotip_nf", false};
  CKProfile<bool> fic_octet_lf{settings, "affichage", "fic_octet_lf", false};
  CKProfile<bool> rotation_img{settings, "affichage", "rotation_img", true};
  CKProfile<bool> tri_xp{settings, "affichage", "tri_xp", true};
  CKProfile<bool> liste_rep{settings, "affichage", "liste_rep", true};
  CKProfile<bool> liste_rep_deb{settings, "affichage", "liste_rep_deb", true};
  CKProfile<bool> liste_rep_fil{settings, "affichage", "liste_rep_fil", true};
  CKProfile<bool> liste_systeme{settings, "affichage", "liste_systeme", true};
  CKProfile<bool> liste_cache{settings, "affichage", "liste_cache", true};
  CKProfile<bool> ff_lf{settings, "affichage", "ff_lf", false};
  CKProfile<bool> ff_c_exp{settings, "affichage", "ff_c_exp", true};
  CKProfile<bool> ff_c_fil{settings, "affichage", "ff_c_fil", false};

  CKProfileString fmt_d{settings, "date", "fmt_d", "%Y%m%d"};
  CKProfileString fmt_t{settings, "date", "fmt_t", "%H%M%S"};
  CKProfileString fmt_dt{settings, "date", "fmt_dt", "%Y%m%d_%H%M%S"};
  CKProfile<int> ajo{settings, "date", "ajo", 0};

  CKProfile<int> num_sel_pad{settings, "nombre", "num_sel_pad", 3};
  CKProfile<int> num_sel_dep{settings, "nombre", "num_sel_dep", 1};
  CKProfile<int> num_sel_inc{settings, "nombre", "num_sel_inc", 1};
  CKProfile<int> num_ds_nom_pad{settings, "nombre", "num_ds_nom_pad", 3};
  CKProfile<int> num_ds_nom_ajo{settings, "nombre", "num_ds_nom_ajo", 0};
  CKProfile<int> num_piste_pad{settings, "nombre", "num_piste_pad", 2};
  CKProfile<bool> sep_dec_reg{settings, "nombre", "sep_dec_reg", true};

  CKProfile<bool> col_sep_tab{settings, "pressepap", "col_sep_tab", true};
  CKProfileString col_sep_car{settings, "pressepap", "col_sep_car", ";"};
  CKProfileString col_remp_sep_car{settings, "pressepap", "col_remp_sep_car", "_"};

  // Combo histories.
  CKProfileList combo_rep{"combo", "rep", 15, true};
  CKProfileList combo_fil{"combo", "fil", 15, true};
  CKProfileList combo_exp{"combo", "exp", 15, true};
  CKProfileList combo_opfil{"combo", "opfil", 15, true};
  // Favourite expressions and their titles: title i belongs to expression i.
  CKProfileList favoris_exp{"favoris", "exp", -1, true};
  CKProfileList favoris_nom{"favoris", "nom", 0, false};
  // Words whose case is forced.
  CKProfileList cas_mot{"cas_mot", "mot", -1, true};
  CColonnes colonne;
  // Toolbar bands in display order.
  CKProfileList rebar{"rebar", "rbb", -1, true};
};

CConfig& Config();

// Resolves /I among the arguments (argv[0] skipped), loads every setting, runs the version guard and
// the validations. Returns 0, or a negative step number on failure. *usingDefault is true when the
// default "Velto.ini" beside the program is in use.
int LoadConfig(int argc, char** argv, bool* usingDefault);
const std::string& ConfigPath();   // the INI path in use ("" = no file: nothing read or written)
int SaveConfig();                  // writes the modified settings
std::string FavouriteExpression(const std::string& title);  // /A: exact, case-sensitive title; "" if none

// The current configuration format version.
constexpr int kConfigVersion = 11;

// The INI path for the arguments (argv[0] skipped) and the directory of the
// program (ending with a backslash). *fromArgument is true when a usable /I
// argument gave it.
std::string ResolveConfigPath(int argc, char** argv, const std::string& programDir, bool* fromArgument);

// Whether a stored window rectangle (left, top, width, height) overlaps the
// work area by more than 30 pixels in both directions.
bool RectOnWorkArea(const RECT& stored, const RECT& work);
