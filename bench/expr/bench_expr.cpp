// Microseconds per entry of a run over 100,000 selected entries, for a few
// typical expressions. Dates are formatted with the C library's strftime.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "expr/CCalculNoms.h"

namespace {

class CHooks : public CExprHooks {
 public:
  bool FormatDate(FileTime t, const std::string& f, std::string& out) override {
    const time_t secs = static_cast<time_t>(t / 10000000ULL - 11644473600ULL);
    const struct tm* tm = std::gmtime(&secs);
    char buf[512];
    out = tm && std::strftime(buf, sizeof buf, f.c_str(), tm) ? buf : "";
    return true;
  }
};

}  // namespace

int main(int argc, char** argv) {
  const size_t count = argc > 1 ? std::stoul(argv[1]) : 100000;
  std::vector<CFichier> entries(count);
  std::vector<CFichier*> sel;
  for (size_t k = 0; k < count; ++k) {
    CFichier& e = entries[k];
    e.name = "\xC9" "b\xF6lie family photo " + std::to_string(k) + ".autoexec.JPG";
    e.selOrder = static_cast<int>(k);
    e.size = 1000 + k;
    e.items.dates.Set(8, 126500000000000000ULL + k * 10000000ULL);
    e.items.text.Set(8, "date");
    sel.push_back(&e);
  }
  const char* exprs[] = {"%b_%dmd.%e", "%Lb(\"au\",\"au-\")(s/e/e_/g)[2](5).%e", "%@Uf"};
  ExprOptions o;
  o.motsCas = {"FamilY"};
  CHooks hooks;
  for (const char* x : exprs) {
    CCalculNoms calc(o, &hooks);
    calc.repCourant = "C:\\Photos";
    const auto t0 = std::chrono::steady_clock::now();
    calc.Calculer(x, sel);
    const auto t1 = std::chrono::steady_clock::now();
    const double us = std::chrono::duration<double, std::micro>(t1 - t0).count() / count;
    std::printf("%-45s %8.3f us/entry  (%s)\n", x, us, entries[count - 1].futureName.c_str());
  }
  return 0;
}
