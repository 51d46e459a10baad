#include "ui/CEngineOptions.h"

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "files/CEntryHook.h"

ExprOptions EngineOptions() {
  const CConfig& c = Config();
  ExprOptions o;
  o.id3v1audNvl = c.id3v1aud_nvl;
  o.videFmtKo = c.vide_fmt_ko;
  o.carSepTab = c.car_sep_tab.Get();
  o.carSepMot = c.car_sep_mot.Get();
  o.forceCasActif = c.force_cas_actif;
  for (int i = 0; i < c.cas_mot.Count(); ++i) o.motsCas.push_back(c.cas_mot.At(i));
  o.fmtD = c.fmt_d.Get();
  o.fmtT = c.fmt_t.Get();
  o.fmtDt = c.fmt_dt.Get();
  o.ajo = c.ajo;
  o.numSelPad = c.num_sel_pad;
  o.numSelDep = c.num_sel_dep;
  o.numSelInc = c.num_sel_inc;
  o.numDsNomPad = c.num_ds_nom_pad;
  o.numDsNomAjo = c.num_ds_nom_ajo;
  o.numPistePad = c.num_piste_pad;
  o.unites = CSizeUnits{Txt(335), Txt(336), Txt(334)};
  return o;
}

CNettoyageOptions CleanupOptions() {
  const CConfig& c = Config();
  CNettoyageOptions o;
  o.suppr_uni_car = c.suppr_uni_car.Get();
  o.suppr_car_repet = c.suppr_car_repet.Get();
  o.remp_car_de = c.remp_car_de.Get();
  o.remp_car_a = c.remp_car_a.Get();
  o.remp_car_inv = c.remp_car_inv.Get();
  o.long_max_nom = c.long_max_nom;
  return o;
}

CMetaOptions MetaOptions() {
  const CConfig& c = Config();
  CMetaOptions o;
  o.extract = c.extr_meta;
  o.trackWidth = c.num_piste_pad;
  o.divSymbol = c.exif_symb_div.Get();
  o.iconFormat = Txt(279);
  o.cursorFormat = Txt(278);
  o.encryptedText = Txt(281);
  o.compressedHeaderText = Txt(280);
  o.fileCountFormat = Txt(282);
  o.sizeInBytes = c.fic_octet_lf;
  o.units = CSizeUnits{Txt(335), Txt(336), Txt(334)};
  return o;
}

namespace {

// Read by the loader's threads, written only before the first load.
CMetaOptions gMetaOptions;

void FillMetadata(CFichier& entry, const std::string& path) { ExtractMetadata(entry, path, gMetaOptions); }

}  // namespace

void InstallMetadataHook() {
  gMetaOptions = MetaOptions();
  SetEntryHook(&FillMetadata);
}
