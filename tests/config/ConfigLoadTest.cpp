// Loading the whole configuration: path resolution, version guard,
// defaults, validations, saving, and files that are not what they should be.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "config/IniFiles.h"
#include "support/CDialogDriver.h"

namespace {

const char kVersion11[] = "[profile]\r\nversion=11\r\n";

class ConfigLoad : public ::testing::Test {
 protected:
  void TearDown() override { ProfilePath().clear(); }
};

struct PathCase {
  std::vector<std::string> args;  // after the program name
  std::string expected;           // "" = the default beside the program
  bool fromArgument;
};

TEST_F(ConfigLoad, SlashIChoosesTheFileOrFallsBackToTheDefault) {
  const std::string scratch = ScratchDir();
  CreateDirectoryA((scratch + "sub").c_str(), nullptr);
  char cwd[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, cwd);
  SetCurrentDirectoryA(scratch.c_str());
  const std::string prog = "Z:\\some\\prog\\";
  const PathCase cases[] = {
      {{}, "", false},
      {{"/I"}, "", false},
      {{"/I", ""}, "", false},
      {{"/I", "   "}, "", false},
      {{"/I", "cfg.ini"}, prog + "cfg.ini", true},
      {{"/i", " cfg.ini "}, prog + "cfg.ini", true},
      {{"/D", "x", "/I", "other.ini", "/Q"}, prog + "other.ini", true},
      {{"/I", "sub\\rel.ini"}, scratch + "sub\\rel.ini", true},
      {{"/I", ".\\sub\\..\\top.ini"}, scratch + "top.ini", true},
      {{"/I", scratch + "abs.ini"}, scratch + "abs.ini", true},
      {{"/I", scratch + "missing\\x.ini"}, "", false},
      {{"/I", "nowhere\\x.ini"}, "", false},
      {{"/I", scratch + "sub"}, "", false},  // a directory, not a file
      {{"/I", scratch + "sub\\"}, "", false},
      {{"/Ix", "cfg.ini"}, "", false},
  };
  for (const PathCase& c : cases) {
    std::vector<std::string> all{"velto.exe"};
    all.insert(all.end(), c.args.begin(), c.args.end());
    CArgs args(all);
    bool from = !c.fromArgument;
    const std::string got = ResolveConfigPath(args.argc(), args.argv(), prog, &from);
    const std::string expected = c.expected.empty() ? prog + "Velto.ini" : c.expected;
    EXPECT_EQ(got, expected) << (c.args.empty() ? "(none)" : c.args.back());
    EXPECT_EQ(from, c.fromArgument) << (c.args.empty() ? "(none)" : c.args.back());
  }
  SetCurrentDirectoryA(cwd);
}

TEST_F(ConfigLoad, BareNameLivesBesideTheProgramAndMissingDirectoryUsesTheDefault) {
  CArgs bare({"velto.exe", "/I", "config_bare_test.ini"});
  bool usingDefault = true;
  ASSERT_EQ(LoadConfig(bare.argc(), bare.argv(), &usingDefault), 0);
  EXPECT_FALSE(usingDefault);
  EXPECT_EQ(ConfigPath(), ProgramDir() + "config_bare_test.ini");
  EXPECT_EQ(RawValue(ConfigPath(), "profile", "version"), "11");
  DeleteFileA(ConfigPath().c_str());

  CArgs missing({"velto.exe", "/I", ScratchDir() + "no_such_dir\\x.ini"});
  ASSERT_EQ(LoadConfig(missing.argc(), missing.argv(), &usingDefault), 0);
  EXPECT_TRUE(usingDefault);
  EXPECT_EQ(ConfigPath(), ProgramDir() + "Velto.ini");
  EXPECT_FALSE(FileExists(ScratchDir() + "no_such_dir"));
  DeleteFileA(ConfigPath().c_str());
}

// Every key of every section with its default, as the file would hold it.
const std::map<std::string, std::string>& Defaults() {
  static const std::map<std::string, std::string> d = {
      {"profile/version", "11"},
      {"courant/fen_princ_posdim", "-2147483648 0 -2147483648 0"},
      {"courant/fen_princ_au_max", "0"},
      {"courant/fen_compl_posdim", "-2147483648 0 -2147483648 0"},
      {"courant/sh_type_aff", "1"},
      {"courant/sh_ratio", "0.75"},
      {"courant/recurse", "0"},
      {"courant/tri_subitem", "0"},
      {"courant/tri_asc", "1"},
      {"courant/verr_bandes", "0"},
      {"courant/thumbnail", "1"},
      {"courant/opfil_fil", ""},
      {"courant/opfil_inv", "0"},
      {"courant/opfil_rep", "1"},
      {"courant/langue", "1"},  // the test prefix's locale is English
      {"courant/rep", "."},
      {"courant/fil", ""},
      {"courant/exp", ""},
      {"courant/grp_auto", "1"},
      {"courant/col_util", "1"},
      {"courant/aff_grp_base", "1"},
      {"courant/aff_grp_audio", "0"},
      {"courant/aff_grp_id3v1", "0"},
      {"courant/aff_grp_audtag", "0"},
      {"courant/aff_grp_video", "0"},
      {"courant/aff_grp_vidtag", "0"},
      {"courant/aff_grp_img", "0"},
      {"courant/aff_grp_exif", "0"},
      {"courant/aff_grp_iptc", "0"},
      {"courant/aff_grp_doc", "0"},
      {"courant/aff_grp_exe", "0"},
      {"general/deb_rep_expl", "0"},
      {"general/extr_meta", "1"},
      {"general/recalc_imm", "0"},
      {"general/pcont_ouv_dem", "1"},
      {"general/survrep_actif", "1"},
      {"general/dem_recharge", "1"},
      {"modif/suppr_uni_car", ""},
      {"modif/suppr_car_repet", ""},
      {"modif/remp_car_de", ""},
      {"modif/remp_car_a", ""},
      {"modif/remp_car_inv", "_"},
      {"modif/exif_symb_div", "/"},
      {"modif/id3v1aud_nvl", "1"},
      {"modif/vide_fmt_ko", "1"},
      {"modif/car_sep_tab", "-"},
      {"modif/car_sep_mot", "\" _()\""},
      {"modif/force_cas_actif", "1"},
      {"modif/long_max_nom", "-1"},
      {"affichage/grille", "0"},
      {"affichage/infotip_nf", "0"},
      {"affichage/fic_octet_lf", "0"},
      {"affichage/rotation_img", "1"},
      {"affichage/tri_xp", "1"},
      {"affichage/liste_rep", "1"},
      {"affichage/liste_rep_deb", "1"},
      {"affichage/liste_rep_fil", "1"},
      {"affichage/liste_systeme", "1"},
      {"affichage/liste_cache", "1"},
      {"affichage/ff_lf", "0"},
      {"affichage/ff_c_exp", "1"},
      {"affichage/ff_c_fil", "0"},
      {"date/fmt_d", "%Y%m%d"},
      {"date/fmt_t", "%H%M%S"},
      {"date/fmt_dt", "%Y%m%d_%H%M%S"},
      {"date/ajo", "0"},
      {"nombre/num_sel_pad", "3"},
      {"nombre/num_sel_dep", "1"},
      {"nombre/num_sel_inc", "1"},
      {"nombre/num_ds_nom_pad", "3"},
      {"nombre/num_ds_nom_ajo", "0"},
      {"nombre/num_piste_pad", "2"},
      {"nombre/sep_dec_reg", "1"},
      {"pressepap/col_sep_tab", "1"},
      {"pressepap/col_sep_car", ";"},
      {"pressepap/col_remp_sep_car", "_"},
  };
  return d;
}

TEST_F(ConfigLoad, ANewFileGetsVersion11SilentlyAndEveryDefault) {
  const std::string path = NewIniPath("new");
  CDialogWatcher watcher(IDOK, 20000, GetCurrentProcessId());
  bool usingDefault = true;
  ASSERT_EQ(LoadFrom(path, &usingDefault), 0);
  watcher.Stop();
  EXPECT_FALSE(watcher.Join()) << "unexpected box: " << watcher.Dialog().Text();
  EXPECT_FALSE(usingDefault);
  EXPECT_EQ(ReadBytes(path).find("version=11") != std::string::npos, true) << ReadBytes(path);
  std::map<std::string, std::string> seen;
  for (const CKProfileItem* item : Config().settings.Items()) {
    const std::string name = std::string(item->Section()) + "/" + item->Key();
    EXPECT_TRUE(seen.emplace(name, item->Text()).second) << "duplicate " << name;
    EXPECT_FALSE(item->Modified()) << name;
  }
  EXPECT_EQ(seen, Defaults());
  EXPECT_EQ(Config().combo_rep.Count(), 0);
  EXPECT_EQ(Config().favoris_exp.Count(), 0);
  // Saving an untouched configuration adds nothing.
  const std::string before = ReadBytes(path);
  ASSERT_EQ(SaveConfig(), 0);
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(ConfigLoad, ValidationsPutDefaultsBackAndMarkThemModified) {
  const std::string path = NewIniPath("valid");
  WriteBytes(path, std::string(kVersion11) +
                       "[courant]\r\nfen_princ_posdim=50000 50000 800 600\r\n"
                       "fen_compl_posdim=10 10 400 300\r\nlangue=7\r\nsh_ratio=abc\r\n"
                       "[modif]\r\nlong_max_nom=0\r\nremp_car_inv=a:b\r\nexif_symb_div=\r\n"
                       "[affichage]\r\ngrille=yes\r\n[nombre]\r\nnum_sel_pad=5000\r\n"
                       "num_ds_nom_pad=0\r\nnum_piste_pad=21\r\n");
  ASSERT_EQ(LoadFrom(path), 0);
  CConfig& c = Config();
  EXPECT_EQ(c.long_max_nom.Get(), -1);
  EXPECT_TRUE(c.long_max_nom.Modified());
  EXPECT_EQ(c.langue.Get(), SystemLanguage());
  EXPECT_TRUE(c.langue.Modified());
  EXPECT_EQ(c.fen_princ_posdim.Get().left, CW_USEDEFAULT);
  EXPECT_TRUE(c.fen_princ_posdim.Modified());
  EXPECT_EQ(c.fen_compl_posdim.Get().right, 400);
  EXPECT_FALSE(c.fen_compl_posdim.Modified());
  EXPECT_EQ(c.remp_car_inv.Get(), "_");
  EXPECT_EQ(c.exif_symb_div.Get(), "/");
  // Number sizes past the options page's 20 stay as written; below 1 they mean nothing.
  EXPECT_EQ(c.num_sel_pad.Get(), 5000);
  EXPECT_FALSE(c.num_sel_pad.Modified());
  EXPECT_EQ(c.num_piste_pad.Get(), 21);
  EXPECT_EQ(c.num_ds_nom_pad.Get(), 3);
  EXPECT_TRUE(c.num_ds_nom_pad.Modified());
  // grille=yes does not parse as a boolean: the default, not marked.
  EXPECT_FALSE(c.grille.Get());
  EXPECT_FALSE(c.grille.Modified());
  EXPECT_DOUBLE_EQ(c.sh_ratio.Get(), 0.75);
  ASSERT_EQ(SaveConfig(), 0);
  EXPECT_EQ(RawValue(path, "modif", "long_max_nom"), "-1");
  EXPECT_EQ(RawValue(path, "courant", "langue"), std::to_string(SystemLanguage()));
  EXPECT_EQ(RawValue(path, "courant", "fen_princ_posdim"), "-2147483648 0 -2147483648 0");
  EXPECT_EQ(RawValue(path, "modif", "remp_car_inv"), "_");
  EXPECT_EQ(RawValue(path, "affichage", "grille"), "yes");
}

TEST_F(ConfigLoad, AReplacementWithAControlCharacterIsRefusedAsTheCleanUpRefusesIt) {
  const std::string path = NewIniPath("ctlrepl");
  WriteBytes(path, std::string(kVersion11) + "[modif]\r\nremp_car_inv=a\x01b\r\n");
  ASSERT_EQ(LoadFrom(path), 0);
  EXPECT_EQ(Config().remp_car_inv.Get(), "_");
  EXPECT_TRUE(Config().remp_car_inv.Modified());
}

TEST_F(ConfigLoad, WindowRectanglesNeedMoreThanThirtyPixelsOnTheWorkArea) {
  const RECT work{0, 0, 1024, 768};
  struct Case {
    RECT r;  // left, top, width, height
    bool ok;
  } cases[] = {
      {{100, 100, 800, 600}, true},
      {{-2000, -2000, 800, 600}, false},
      {{50000, 50000, 800, 600}, false},
      {{993, 0, 100, 100}, true},   // left < 1024 - 30
      {{994, 0, 100, 100}, false},
      {{-69, 0, 100, 100}, true},   // 30 < left + width
      {{-70, 0, 100, 100}, false},
      {{0, 737, 100, 100}, true},
      {{0, 738, 100, 100}, false},
      {{CW_USEDEFAULT, 0, CW_USEDEFAULT, 0}, false},
      {{2147483647, 2147483647, 2147483647, 2147483647}, false},
      {{0, 0, -500, 100}, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RectOnWorkArea(c.r, work), c.ok) << c.r.left << " " << c.r.top << " " << c.r.right << " " << c.r.bottom;
}

TEST_F(ConfigLoad, WithoutSaveTheFileStaysByteForByte) {
  const std::string path = NewIniPath("nosave");
  const std::string text = std::string(kVersion11) +
                           "[courant]\r\nlangue=7\r\nexp=%b\r\n; a comment\r\n[modif]\r\nlong_max_nom=0\r\n"
                           "[combo]\r\nrep_01=C:\\\r\n";
  WriteBytes(path, text);
  ASSERT_EQ(LoadFrom(path), 0);
  Config().exp.Set("changed");  // what /E does; /P then skips the save
  EXPECT_EQ(ReadBytes(path), text);
}

TEST_F(ConfigLoad, OnlyModifiedSettingsAreWritten) {
  const std::string path = NewIniPath("modified");
  WriteBytes(path, std::string(kVersion11) + "[affichage]\r\ngrille=yes\r\n[date]\r\nfmt_d=%d\r\n");
  ASSERT_EQ(LoadFrom(path), 0);
  Config().exp.Set(" spaced expr ");
  Config().recurse.Set(true);
  Config().sh_ratio.Set(0.5);
  ASSERT_EQ(SaveConfig(), 0);
  EXPECT_EQ(RawValue(path, "courant", "exp"), " spaced expr ");
  EXPECT_EQ(RawValue(path, "courant", "recurse"), "1");
  EXPECT_EQ(RawValue(path, "courant", "sh_ratio"), "0.5");
  EXPECT_EQ(RawValue(path, "courant", "fil"), "<absent>");
  EXPECT_EQ(RawValue(path, "affichage", "grille"), "yes");
  ASSERT_EQ(LoadFrom(path), 0);
  EXPECT_EQ(Config().exp.Get(), " spaced expr ");
  EXPECT_EQ(Config().fmt_d.Get(), "%d");
}

const char kKeptSections[] =
    "[combo]\r\nrep_01=C:\\photos\r\nexp_01=%b_%n\r\n"
    "[favoris]\r\nexp_01=%dmd_%b.%e\r\nnom_01=Dated\r\n"
    "[cas_mot]\r\nmot_01=DVD\r\n";

void ExpectKeptSections(const std::string& path) {
  EXPECT_EQ(RawValue(path, "combo", "rep_01"), "C:\\photos");
  EXPECT_EQ(RawValue(path, "combo", "exp_01"), "%b_%n");
  EXPECT_EQ(RawValue(path, "favoris", "exp_01"), "%dmd_%b.%e");
  EXPECT_EQ(RawValue(path, "favoris", "nom_01"), "Dated");
  EXPECT_EQ(RawValue(path, "cas_mot", "mot_01"), "DVD");
}

TEST_F(ConfigLoad, AnOlderVersionIsBackedUpResetAndReported) {
  const std::string path = NewIniPath("v10");
  const std::string text = std::string("[profile]\r\nversion=10\r\n[courant]\r\nexp=old\r\nrecurse=1\r\n") +
                           kKeptSections + "[Combo]\r\nrep_01=case matters\r\n[general]\r\nextr_meta=0\r\n";
  WriteBytes(path, text);
  CDialogWatcher watcher(IDOK, 20000, GetCurrentProcessId());
  ASSERT_EQ(LoadFrom(path), 0);
  ASSERT_TRUE(watcher.Join());
  const std::string first = "The configuration file doesn't correspond to the current version of Velto.";
  EXPECT_NE(watcher.Dialog().Text().find(first), std::string::npos) << watcher.Dialog().Text();
  EXPECT_EQ(ReadBytes(path + ".bak"), text);
  EXPECT_EQ(RawValue(path, "profile", "version"), "11");
  EXPECT_EQ(RawValue(path, "courant", "exp"), "<absent>");
  EXPECT_EQ(RawValue(path, "general", "extr_meta"), "<absent>");
  ExpectKeptSections(path);
  EXPECT_EQ(Config().exp.Get(), "");
  EXPECT_FALSE(Config().recurse.Get());
  ASSERT_EQ(Config().favoris_exp.Count(), 1);
  EXPECT_EQ(FavouriteExpression("Dated"), "%dmd_%b.%e");
  EXPECT_EQ(FavouriteExpression("dated"), "");
  EXPECT_EQ(FavouriteExpression(""), "");
  EXPECT_EQ(Config().combo_rep.At(0), "C:\\photos");
}

TEST_F(ConfigLoad, ManySectionsAreAllResetNotJustTheFirstKilobyte) {
  const std::string path = NewIniPath("manysec");
  std::string text = "[profile]\r\nversion=3\r\n";
  for (int i = 0; i < 300; ++i) text += "[section_number_" + std::to_string(i) + "]\r\nk=v\r\n";
  text += kKeptSections;
  WriteBytes(path, text);
  CDialogWatcher watcher(IDOK, 20000, GetCurrentProcessId());
  ASSERT_EQ(LoadFrom(path), 0);
  ASSERT_TRUE(watcher.Join());
  EXPECT_EQ(RawValue(path, "section_number_0", "k"), "<absent>");
  EXPECT_EQ(RawValue(path, "section_number_299", "k"), "<absent>");
  ExpectKeptSections(path);
}

struct BadFile {
  const char* name;
  std::string bytes;
};

std::string Binary() {
  std::string b;
  for (int i = 0; i < 4096; ++i) b += static_cast<char>((i * 131 + 7) & 0xFF);
  return b;
}

TEST_F(ConfigLoad, BadFilesStartWithDefaultsAndKeepTheKeptSections) {
  const BadFile files[] = {
      {"binary", Binary() + "\r\n" + kKeptSections},
      {"longlines", "[courant]\r\nexp=" + std::string(100000, 'e') + "\r\n" + std::string(100000, 'z') +
                        "\r\nfil=*.jpg\r\n" + kKeptSections},
      {"duplicates", "[courant]\r\nfil=first\r\nfil=second\r\n[courant]\r\nfil=third\r\n" + std::string(kKeptSections)},
      {"nosection", "fil=orphan\r\nrecurse=1\r\n" + std::string(kKeptSections)},
      {"types", "[courant]\r\nrecurse=yes\r\nsh_type_aff=1.5\r\nsh_ratio=0,5\r\nfen_princ_posdim=a b c d\r\n" +
                    std::string(kKeptSections)},
      {"oldgarbage", "[profile]\r\nversion=9\r\n" + Binary() + "\r\n[courant]\r\nexp=" + std::string(100000, 'x') +
                         "\r\n" + kKeptSections},
  };
  for (const BadFile& f : files) {
    SCOPED_TRACE(f.name);
    const std::string path = NewIniPath(f.name);
    WriteBytes(path, f.bytes);
    {
      CDialogWatcher watcher(IDOK, 20000, GetCurrentProcessId());
      ASSERT_EQ(LoadFrom(path), 0);
      watcher.Stop();
      // Only the file with a version of its own is reset and reported.
      EXPECT_EQ(watcher.Join(), std::string(f.name) == "oldgarbage");
    }
    CConfig& c = Config();
    EXPECT_FALSE(c.recurse.Get());
    EXPECT_EQ(c.sh_type_aff.Get(), 1);
    EXPECT_DOUBLE_EQ(c.sh_ratio.Get(), 0.75);
    EXPECT_EQ(c.fen_princ_posdim.Get().left, CW_USEDEFAULT);
    EXPECT_LE(c.exp.Get().size(), 1024u);
    c.exp.Set("rewritten");
    ASSERT_EQ(SaveConfig(), 0);
    ExpectKeptSections(path);
    EXPECT_EQ(RawValue(path, "courant", "exp"), "rewritten");
  }
}

TEST_F(ConfigLoad, DuplicateKeysTakeTheFirstAndOrphanKeysAreIgnored) {
  const std::string path = NewIniPath("dup");
  WriteBytes(path, std::string("fil=orphan\r\n") + kVersion11 + "[courant]\r\nfil=first\r\nfil=second\r\n");
  ASSERT_EQ(LoadFrom(path), 0);
  EXPECT_EQ(Config().fil.Get(), "first");
}

TEST_F(ConfigLoad, AFileThatCannotBeWrittenStillLoads) {
  // A bare name that is a directory beside the program: nothing can be read
  // or written there, and the program must still start.
  const std::string dir = ProgramDir() + "config_dir_test.ini";
  CreateDirectoryA(dir.c_str(), nullptr);
  CArgs args({"velto.exe", "/I", "config_dir_test.ini"});
  bool usingDefault = true;
  EXPECT_EQ(LoadConfig(args.argc(), args.argv(), &usingDefault), 0);
  EXPECT_EQ(Config().rep.Get(), ".");
  Config().exp.Set("x");
  EXPECT_NE(SaveConfig(), 0);
  RemoveDirectoryA(dir.c_str());
}

TEST_F(ConfigLoad, ColumnEntriesAreValidatedAndPositionsMadeDistinct) {
  const std::string path = NewIniPath("cols");
  WriteBytes(path, std::string(kVersion11) +
                       "[colonne]\r\ncol_01=1 1 100\r\ncol_02=0 1 50\r\ncol_04=300 1 10\r\ncol_05=2 1 0\r\n"
                       "col_06=2 1 20000\r\ncol_07=abc\r\ncol_08=4 2 80\r\ncol_21=7 1 80\r\ncol_31=7 0 90\r\n"
                       "col_41=-1 1 60\r\n");
  ASSERT_EQ(LoadFrom(path), 0);
  CColonnes& cols = Config().colonne;
  for (const char* k : {"col_01", "col_04", "col_05", "col_06", "col_07", "col_08", "col_41"})
    EXPECT_EQ(RawValue(path, "colonne", k), "<absent>") << k;
  CColonneEntry e;
  EXPECT_FALSE(cols.Entry(0, &e));
  ASSERT_TRUE(cols.Entry(1, &e));
  EXPECT_EQ(cols.ItemAt(0), 0);
  EXPECT_EQ(cols.ItemAt(1), 1);
  EXPECT_NE(cols.PositionOf(20), cols.PositionOf(30));
  std::vector<int> seen(CColonnes::kItems, 0);
  for (int p = 0; p < CColonnes::kItems; ++p) {
    const int item = cols.ItemAt(p);
    ASSERT_GE(item, 0);
    ASSERT_LT(item, CColonnes::kItems);
    EXPECT_EQ(cols.PositionOf(item), p);
    ++seen[item];
  }
  for (int n : seen) EXPECT_EQ(n, 1);
  ASSERT_TRUE(cols.Entry(30, &e));
  EXPECT_FALSE(e.shown);
  EXPECT_EQ(e.width, 90);
}

TEST_F(ConfigLoad, BandEntriesParseAsIdBreakWidth) {
  CBandeEntry b;
  ASSERT_TRUE(ParseBande("4 1 300", &b));
  EXPECT_EQ(b.id, 4);
  EXPECT_TRUE(b.newRow);
  EXPECT_EQ(FormatBande(b), "4 1 300");
  for (const char* bad : {"4 2 300", "4 1", "x y z", ""}) EXPECT_FALSE(ParseBande(bad, &b)) << bad;
}

TEST_F(ConfigLoad, FavouriteTitlesFollowTheirExpressions) {
  const std::string path = NewIniPath("fav");
  WriteBytes(path, std::string(kVersion11) +
                       "[favoris]\r\nexp_01=%b\r\nexp_02=%e\r\nnom_01=Base\r\nnom_03=orphan\r\n");
  ASSERT_EQ(LoadFrom(path), 0);
  EXPECT_EQ(Config().favoris_nom.Count(), 2);
  EXPECT_EQ(FavouriteExpression("Base"), "%b");
  EXPECT_EQ(FavouriteExpression("orphan"), "");
  Config().favoris_exp.Erase(0);
  ASSERT_EQ(SaveConfig(), 0);
  EXPECT_EQ(RawValue(path, "favoris", "exp_01"), "%e");
  EXPECT_EQ(RawValue(path, "favoris", "exp_02"), "<absent>");
  EXPECT_EQ(RawValue(path, "favoris", "nom_02"), "<absent>");
}

}  // namespace
