// Seconds of a whole run over N selected entries, with the program's hooks
// and the default name clean-up, for expressions using collision and path
// numbers, at 10,000 and 100,000 entries (or the sizes given), with the
// growth ratio of the two (10 is linear). Entries spread over 20
// sub-directories; their modification dates cover 1,000 days, so dates
// collide many times.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "expr/CCalculNoms.h"
#include "expr/CHooksProgramme.h"
#include "expr/CNettoyage.h"
#include "os/CNoms.h"

namespace {

std::vector<CFichier> MakeEntries(size_t n) {
  std::mt19937 rng(11);
  std::vector<CFichier> v(n);
  for (size_t k = 0; k < n; ++k) {
    CFichier& e = v[k];
    e.name = "ALBUM" + std::to_string(rng() % 20) + "\\IMG_" + std::to_string(k) + ".JPG";
    e.selOrder = static_cast<int>(k);
    // 2004-01-01 plus up to 1,000 days, at midday.
    const uint64_t day = rng() % 1000;
    e.items.dates.Set(8, 127175472000000000ULL + (day * 86400 + 43200) * 10000000ULL);
  }
  return v;
}

double RunSeconds(const char* expr, size_t n) {
  std::vector<CFichier> entries = MakeEntries(n);
  std::vector<CFichier*> sel;
  for (CFichier& e : entries) sel.push_back(&e);
  ExprOptions o;
  const CNettoyage cleanup{CNettoyageOptions()};
  CHooksProgramme hooks;
  CCalculNoms calc(o, &hooks);
  calc.nettoyage = [&cleanup](const CFichier& e, std::string& name) {
    cleanup.Appliquer(name, NomRepertoire(e.name));
  };
  const auto t0 = std::chrono::steady_clock::now();
  calc.Calculer(expr, sel);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
  const size_t small = argc > 1 ? std::stoul(argv[1]) : 10000;
  const size_t large = argc > 2 ? std::stoul(argv[2]) : 100000;
  // The last expression, without numbering, is the baseline of the others.
  const char* exprs[] = {"%dmd_%nc.%e", "%dmd%ncfs.%e", "%np_%f", "%dmd_%b.%e"};
  std::printf("%-16s %10s %10s %8s\n", "expression", "small s", "large s", "growth");
  for (const char* expr : exprs) {
    // Best of three, so one slow pass (page faults of the first run) does not count.
    double a = 1e9, b = 1e9;
    for (int r = 0; r < 3; ++r) {
      const double x = RunSeconds(expr, small), y = RunSeconds(expr, large);
      if (x < a) a = x;
      if (y < b) b = y;
    }
    std::printf("%-16s %10.4f %10.4f %8.2f\n", expr, a, b, b / a);
  }
  return 0;
}
