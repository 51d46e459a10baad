// libFuzzer target: one expression evaluated over three entries whose names,
// sizes and items come from the input, with options chosen by it too.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "expr/CCalculNoms.h"
#include "expr/CColonnes.h"
#include "expr/CEvaluateur.h"

namespace {

// A formatter that reads its arguments, so the date paths run to the end.
class CHooks : public CExprHooks {
 public:
  bool FormatDate(FileTime t, const std::string& f, std::string& out) override {
    out = f.substr(0, 8) + std::to_string(t % 1000);
    return true;
  }
  std::string Numero(const CVarContexte& c, NumVar, const CBlocEntiers& b) override {
    return c.prefix.substr(0, 4) + std::to_string(b.v[0]);
  }
};

}  // namespace

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
  CHooks hooks;
  CCalculNoms calc(o, &hooks);
  calc.repCourant = "C:\\dir\\sub";
  calc.nettoyage = [](const CFichier&, std::string& n) {
    if (!n.empty() && n.back() == '.') n.pop_back();
  };
  calc.Calculer(expr, sel);
  for (const CFichier* e : sel)
    if (e->futureName.size() > kLongMaxSortie) __builtin_trap();
  return 0;
}
