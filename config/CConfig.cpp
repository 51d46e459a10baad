#include "config/CConfig.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "config/CMultilangue.h"
#include "os/AnsiCase.h"
#include "os/AsciiText.h"
#include "os/CNoms.h"
#include "os/OsFs.h"

namespace {

constexpr int kMaxColumnWidth = 10000;
constexpr int kLastPosition = CColonnes::kItems - 1;
// Full paths of the /I argument are made in a buffer of 521 characters.
constexpr DWORD kFullPathBuffer = 521;

// Column and band entries: "number flag number", the flag 0 or 1. Nothing
// is stored unless the whole text parses.
bool ParseTriple(const std::string& text, int* first, bool* flag, int* last) {
  int v[3];
  if (!ProfileParseInts(text, v, 3) || (v[1] != 0 && v[1] != 1)) return false;
  *first = v[0];
  *flag = v[1] == 1;
  *last = v[2];
  return true;
}

std::string FormatTriple(int first, bool flag, int last) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%d %d %d", first, flag ? 1 : 0, last);
  return buf;
}

// The program's directory, ending with a backslash; "" when unknown.
std::string ProgramDirectory() {
  char buf[1024];
  const DWORD n = GetModuleFileNameA(nullptr, buf, sizeof buf);
  if (n == 0 || n >= sizeof buf) return {};
  return NomRepertoire(std::string(buf, n));
}

RECT WorkArea() {
  RECT r;
  if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0)) return r;
  return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// The version guard: a file written by another version is backed up and
// reset, keeping only the combo histories, the favourites and the
// forced-case words.
void CheckVersion(CConfig& cfg) {
  const std::string& path = ProfilePath();
  ProfileFlush();
  cfg.version.Read(-1);
  if (cfg.version.Get() == kConfigVersion) return;
  if (cfg.version.Get() != -1) {
    // Without a backup copy the file is left as it is: resetting it would
    // lose the user's settings for good.
    if (!CopyFileA(path.c_str(), (path + ".bak").c_str(), FALSE)) return;
    // Section names are compared without case: the private-profile
    // functions find sections that way, so deleting "[Combo]" would delete
    // the first "[combo]" of the file instead.
    for (const std::string& name : ProfileSectionNames()) {
      if (AnsiEqualNoCase(name.c_str(), "combo") || AnsiEqualNoCase(name.c_str(), "favoris") ||
          AnsiEqualNoCase(name.c_str(), "cas_mot"))
        continue;
      WritePrivateProfileStringA(name.c_str(), nullptr, nullptr, path.c_str());
    }
    ProfileFlush();
    MessageBoxA(nullptr, Txt(292), "Velto", MB_OK | MB_ICONINFORMATION);
  }
  cfg.version.Set(kConfigVersion);
  cfg.version.Write();
  ProfileFlush();
}

void CheckRect(CKProfile<RECT>& setting, const RECT& work) {
  if (!RectOnWorkArea(setting.Get(), work)) setting.Set(setting.Default());
}

bool AtDefault(const CKProfile<RECT>& setting) {
  const RECT& r = setting.Get();
  const RECT& d = setting.Default();
  return r.left == d.left && r.top == d.top && r.right == d.right && r.bottom == d.bottom;
}

template <class T>
void CheckRange(CKProfile<T>& setting, T low, T high) {
  if (setting.Get() < low || setting.Get() > high) setting.Set(setting.Default());
}

void Validate(CConfig& cfg) {
  // Only the desktop knows the work area, and under Wine asking for it
  // starts the desktop process: a configuration holding no window
  // rectangle (an unattended run's, say) has nothing to check against it.
  if (!AtDefault(cfg.fen_princ_posdim) || !AtDefault(cfg.fen_compl_posdim)) {
    const RECT work = WorkArea();
    CheckRect(cfg.fen_princ_posdim, work);
    CheckRect(cfg.fen_compl_posdim, work);
  }
  // The same check as the clean-up's: a replacement no name may hold.
  if (ContientInvalide(cfg.remp_car_inv.Get()))
    cfg.remp_car_inv.Set(cfg.remp_car_inv.Default());
  if (cfg.exif_symb_div.Get().empty()) cfg.exif_symb_div.Set(cfg.exif_symb_div.Default());
  if (cfg.long_max_nom.Get() != -1 && cfg.long_max_nom.Get() < 1) cfg.long_max_nom.Set(-1);
  if (cfg.langue.Get() < 0 || cfg.langue.Get() > 1) cfg.langue.Set(SystemLanguage());
  // Values the options dialog never produces; a hand-edited file could hold
  // them and would leave the list without height. Number sizes above the
  // options page's 20 are kept as written (the formatting bounds them);
  // only sizes below 1 mean nothing.
  CheckRange(cfg.sh_type_aff, 0, 2);
  CheckRange(cfg.sh_ratio, 0.0, 1.0);
  CheckRange(cfg.num_sel_pad, 1, INT_MAX);
  CheckRange(cfg.num_ds_nom_pad, 1, INT_MAX);
  CheckRange(cfg.num_piste_pad, 1, INT_MAX);
}

void LoadAll(CConfig& cfg) {
  for (CKProfileItem* item : cfg.settings.Items())
    if (item != &cfg.version) item->Load();
  cfg.langue.Read(SystemLanguage());
  cfg.combo_rep.Load();
  cfg.combo_fil.Load();
  cfg.combo_exp.Load();
  cfg.combo_opfil.Load();
  cfg.favoris_exp.Load();
  cfg.favoris_nom.SetMaxCount(cfg.favoris_exp.Count());
  cfg.favoris_nom.Load();
  cfg.cas_mot.Load();
  cfg.colonne.Load();
  cfg.rebar.Load();
}

}  // namespace

CConfig& Config() {
  static CConfig config;
  return config;
}

const std::string& ConfigPath() { return ProfilePath(); }

std::string ResolveConfigPath(int argc, char** argv, const std::string& programDir, bool* fromArgument) {
  *fromArgument = false;
  const std::string fallback = programDir + "Velto.ini";
  int at = -1;
  for (int i = 1; i < argc; ++i)
    if (argv[i] && AnsiEqualNoCase(argv[i], "/I")) at = i;
  if (at < 0 || at + 1 >= argc || !argv[at + 1]) return fallback;
  const std::string arg = Trim(argv[at + 1], " ");
  if (arg.empty()) return fallback;
  if (arg.find_first_of("\\/:") == std::string::npos) {
    *fromArgument = true;
    return programDir + arg;
  }
  char full[kFullPathBuffer];
  const DWORD n = GetFullPathNameA(arg.c_str(), kFullPathBuffer, full, nullptr);
  if (n == 0 || n >= kFullPathBuffer) return fallback;
  const std::string path(full, n);
  if (NomSansChemin(path).empty() || path.find('\\') == std::string::npos) return fallback;
  const std::string dir = RepertoireDe(path);
  if (!IsDirectory(dir) || IsDirectory(path)) return fallback;
  *fromArgument = true;
  return path;
}

bool RectOnWorkArea(const RECT& r, const RECT& work) {
  // 64-bit sums: a stored left of CW_USEDEFAULT plus a width overflows int.
  const int64_t left = r.left, top = r.top, width = r.right, height = r.bottom;
  return top < int64_t{work.bottom} - 30 && int64_t{work.top} + 30 < top + height &&
         left < int64_t{work.right} - 30 && int64_t{work.left} + 30 < left + width;
}

int LoadConfig(int argc, char** argv, bool* usingDefault) {
  CConfig& cfg = Config();
  *usingDefault = true;
  const std::string programDir = ProgramDirectory();
  if (programDir.empty()) {
    ProfilePath().clear();
    LoadAll(cfg);
    return -1;
  }
  bool fromArgument = false;
  ProfilePath() = ResolveConfigPath(argc, argv, programDir, &fromArgument);
  *usingDefault = !fromArgument;
  CheckVersion(cfg);
  {
    const CKProfileSnapshot snapshot;
    LoadAll(cfg);
  }
  Validate(cfg);
  Langue().SetLanguage(cfg.langue, true);
  return 0;
}

int SaveConfig() {
  CConfig& cfg = Config();
  if (ProfilePath().empty()) return 0;
  int rc = 0;
  for (CKProfileItem* item : cfg.settings.Items())
    if (item->Modified() && item->Write() != 0) rc = -1;
  // One title per favourite expression, no more, no less.
  cfg.favoris_nom.SetMaxCount(cfg.favoris_exp.Count());
  while (cfg.favoris_nom.Count() < cfg.favoris_exp.Count()) cfg.favoris_nom.Add("");
  cfg.favoris_nom.SetCount(cfg.favoris_exp.Count());
  CKProfileList* lists[] = {&cfg.combo_rep,   &cfg.combo_fil,   &cfg.combo_exp, &cfg.combo_opfil,
                            &cfg.favoris_exp, &cfg.favoris_nom, &cfg.cas_mot,   &cfg.colonne.list,
                            &cfg.rebar};
  for (CKProfileList* list : lists)
    if (list->Save() != 0) rc = -2;
  ProfileFlush();
  return rc;
}

std::string FavouriteExpression(const std::string& title) {
  const CConfig& cfg = Config();
  if (title.empty()) return {};
  for (int i = 0; i < cfg.favoris_exp.Count(); ++i)
    if (i < cfg.favoris_nom.Count() && cfg.favoris_nom.At(i) == title) return cfg.favoris_exp.At(i);
  return {};
}

bool ParseColonne(const std::string& text, CColonneEntry* out) {
  return ParseTriple(text, &out->position, &out->shown, &out->width);
}

std::string FormatColonne(const CColonneEntry& e) { return FormatTriple(e.position, e.shown, e.width); }

bool ColonneValid(int item, const CColonneEntry& e) {
  if (e.width < 1 || e.width > kMaxColumnWidth) return false;
  if (item == 0) return e.position == 0 && e.shown;
  return e.position >= 0 && e.position <= kLastPosition;
}

void CColonnes::Load() {
  list.Load();
  CColonneEntry e;
  for (int i = 0; i < list.Count(); ++i) {
    const std::string& text = list.At(i);
    if (text.empty()) continue;
    if (!ParseColonne(text, &e) || !ColonneValid(i, e)) list.Delete(i);
  }
  RebuildMap();
}

bool CColonnes::Entry(int item, CColonneEntry* out) const {
  if (item < 0 || item >= list.Count()) return false;
  CColonneEntry e;
  if (!ParseColonne(list.At(item), &e) || !ColonneValid(item, e)) return false;
  *out = e;
  return true;
}

void CColonnes::SetEntry(int item, const CColonneEntry& e) {
  if (item < 0 || item >= kItems || !ColonneValid(item, e)) return;
  while (list.Count() < item) list.Add("");
  list.Set(item, FormatColonne(e));
}

void CColonnes::RebuildMap() {
  struct Claim {
    int position;
    bool stored;
    int item;
  };
  Claim claims[kItems];
  CColonneEntry entries[kItems];
  for (int i = 0; i < kItems; ++i) {
    const bool stored = Entry(i, &entries[i]);
    claims[i] = Claim{stored ? entries[i].position : i, stored, i};
  }
  std::sort(claims, claims + kItems, [](const Claim& a, const Claim& b) {
    if (a.position != b.position) return a.position < b.position;
    if ((a.item == 0) != (b.item == 0)) return a.item == 0;
    if (a.stored != b.stored) return a.stored;
    return a.item < b.item;
  });
  for (int k = 0; k < kItems; ++k) {
    const int item = claims[k].item;
    order_[k] = item;
    position_[item] = k;
    if (claims[k].stored && entries[item].position != k) {
      entries[item].position = k;
      list.Set(item, FormatColonne(entries[item]));
    }
  }
}

bool ParseBande(const std::string& text, CBandeEntry* out) {
  return ParseTriple(text, &out->id, &out->newRow, &out->width);
}

std::string FormatBande(const CBandeEntry& e) { return FormatTriple(e.id, e.newRow, e.width); }
