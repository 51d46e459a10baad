// libFuzzer target: one expression evaluated over three entries whose names,
// sizes and items come from the input, with options chosen by it too, through
// the program's hooks (dates, numbering, collisions, name numbers, clipboard
// and text-file lines fed from the input) and the name clean-up.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "expr/CCalculNoms.h"
#include "expr/CColonnes.h"
#include "expr/CEvaluateur.h"
#include "expr/CHooksProgramme.h"
#include "expr/CNettoyage.h"
#include "os/CNoms.h"


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider fdp(data, size);
  ExprOptions o;
  const uint8_t flags = fdp.ConsumeIntegral<uint8_t>();
  o.id3v1audNvl = flags & 1;
  o.videFmtKo = flags & 2;
  o.forceCasActif = flags & 4;
  if (flags & 8) o.motsCas = {"FamilY", "de", "X"};
  if (flags & 16) o.carSepTab = fdp.ConsumeRandomLengthString(4);
  if (flags & 32) o.carSepMot = fdp.ConsumeRandomLengthString(4);
  o.ajo = fdp.ConsumeIntegralInRange<int>(-100000, 100000);
  o.numSelPad = fdp.ConsumeIntegralInRange<int>(1, 20);
  o.numSelDep = fdp.ConsumeIntegralInRange<int>(-32767, 32767);
  o.numSelInc = fdp.ConsumeIntegralInRange<int>(-32767, 32767);
  o.numDsNomAjo = fdp.ConsumeIntegralInRange<int>(-32767, 32767);
  o.numDsNomPad = fdp.ConsumeIntegralInRange<int>(1, 20);
  if (flags & 64) o.fmtD = fdp.ConsumeRandomLengthString(16);

  CNettoyageOptions clean;
  if (flags & 128) {
    clean.suppr_uni_car = fdp.ConsumeRandomLengthString(3);
    clean.suppr_car_repet = fdp.ConsumeRandomLengthString(3);
    clean.remp_car_de = fdp.ConsumeRandomLengthString(3);
    clean.remp_car_a = fdp.ConsumeRandomLengthString(3);
    clean.remp_car_inv = fdp.ConsumeRandomLengthString(1);
    clean.long_max_nom = fdp.ConsumeIntegralInRange<int>(-2, 300);
  }
  const CNettoyage cleanup(clean);

  // The clipboard and the text files hold input bytes; a text file may also
  // be missing or change between the two runs below.
  const std::string clipboard = fdp.ConsumeRandomLengthString(512);
  const int clipResult = fdp.ConsumeIntegralInRange<int>(-2, 0);
  const std::string fileBytes = fdp.ConsumeRandomLengthString(512);
  const uint8_t fileFlags = fdp.ConsumeIntegral<uint8_t>();
  int run = 0;
  CSourcesExternes sources{
      CLignesPressePapier(
          [&](std::string& t) {
            t = clipboard;
            return clipResult;
          },
          [] { return 0u; }),
      CFichiersTexte([&](const std::string& name, uint64_t* modif, std::string* bytes) {
        if (name.empty() || (fileFlags & (1 << (name[0] & 7)))) return -1;
        *modif = run + (fileFlags & 1);
        if (bytes) *bytes = fileBytes.substr(0, name.size() * 37 % (fileBytes.size() + 1));
        return 0;
      })};

  std::vector<CFichier> entries(3);
  std::vector<CFichier*> sel;
  for (CFichier& e : entries) {
    e.name = fdp.ConsumeRandomLengthString(64);
    e.isDir = fdp.ConsumeBool();
    e.size = fdp.ConsumeIntegral<uint64_t>();
    const int items = fdp.ConsumeIntegralInRange<int>(0, 6);
    for (int k = 0; k < items; ++k) {
      const int item = fdp.ConsumeIntegralInRange<int>(2, kItemCount - 1);
      e.items.text.Set(item, fdp.ConsumeRandomLengthString(32));
      if (fdp.ConsumeBool()) e.items.ints.Set(item, fdp.ConsumeIntegral<int64_t>());
      if (fdp.ConsumeBool()) e.items.dates.Set(item, fdp.ConsumeIntegral<uint64_t>());
    }
    sel.push_back(&e);
  }
  const std::string expr = fdp.ConsumeRemainingBytesAsString();
  CHooksProgramme hooks(sources);
  CCalculNoms calc(o, &hooks);
  calc.repCourant = "C:\\dir\\sub";
  calc.nettoyage = [&cleanup](const CFichier& e, std::string& n) { cleanup.Appliquer(n, NomRepertoire(e.name)); };
  for (run = 0; run < 2; ++run) {
    calc.Calculer(expr, sel);
    for (const CFichier* e : sel)
      if (e->futureName.size() > kLongMaxSortie + 4096) __builtin_trap();
  }
  return 0;
}
