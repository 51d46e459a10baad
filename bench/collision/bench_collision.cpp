// Time of one evaluation segment's collision work over N selected files:
// clean the prefix, count through the index, clean the finished name, add
// it. Three shapes: `%dmd_%nc.%e` (date prefixes, many collisions),
// `%dmd%ncfs.%e` (base-part form) and `%b_%nc.%e` in sub-directories
// (distinct long prefixes). A direct scan of the earlier names is timed on
// the smaller sizes for comparison.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "expr/CCollision.h"
#include "expr/CNettoyage.h"
#include "os/AnsiCase.h"
#include "os/CNoms.h"

namespace {

struct Entry {
  std::string dir;
  std::string prefix;
  std::string ext;
};

std::vector<Entry> MakeDates(size_t n, bool base_form) {
  std::mt19937 rng(7);
  std::vector<Entry> v(n);
  char buf[32];
  for (auto& e : v) {
    // About 3 years of days: every date collides many times.
    const unsigned day = rng() % 1000;
    std::snprintf(buf, sizeof buf, "%04u%02u%02u%s", 2004 + day / 336, 1 + day / 28 % 12, 1 + day % 28,
                  base_form ? "" : "_");
    e.prefix = buf;
    e.ext = ".jpg";
    e.dir = base_form ? "SUB" + std::to_string(rng() % 50) + "\\" : "";
  }
  return v;
}

std::vector<Entry> MakeNames(size_t n) {
  std::mt19937 rng(9);
  std::vector<Entry> v(n);
  for (size_t i = 0; i < n; ++i) {
    v[i].dir = "ALBUM" + std::to_string(rng() % 100) + "\\";
    v[i].prefix = "Holiday picture " + std::to_string(rng() % (n / 2 + 1)) + "_";
    v[i].ext = ".jpg";
  }
  return v;
}

double Seconds(std::chrono::steady_clock::time_point a) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - a).count();
}

// The entry's future name once its collision count is known, cleaned.
std::string FinishedName(const CNettoyage& net, const Entry& e, bool base_form, size_t count) {
  std::string name = e.prefix +
                     TexteCollision(base_form ? EFormeCollision::kNcfs : EFormeCollision::kNc, count, 1, 1, 3) +
                     e.ext;
  net.Appliquer(name, e.dir);
  return name;
}

// Runs one segment; returns a checksum of the counts so both ways can be compared.
size_t RunIndexed(const std::vector<Entry>& v, bool base_form, double* secs) {
  const CNettoyage net{CNettoyageOptions()};
  CCollision index;
  size_t sum = 0;
  const auto t0 = std::chrono::steady_clock::now();
  for (const Entry& e : v) {
    const std::string prefix = net.Nettoye(e.prefix, e.dir);
    const size_t c = base_form ? index.CompterBase(prefix) : index.Compter(prefix);
    sum += c;
    const std::string name = FinishedName(net, e, base_form, c);
    index.Ajouter(name);
  }
  *secs = Seconds(t0);
  return sum;
}

size_t RunScan(const std::vector<Entry>& v, bool base_form, double* secs) {
  const CNettoyage net{CNettoyageOptions()};
  std::vector<std::string> earlier;
  size_t sum = 0;
  const auto t0 = std::chrono::steady_clock::now();
  for (const Entry& e : v) {
    const std::string prefix = base_form ? NomBase(net.Nettoye(e.prefix, e.dir)) : net.Nettoye(e.prefix, e.dir);
    size_t c = 0;
    for (const auto& name : earlier) {
      const std::string cand = base_form ? NomBase(name) : name;
      if (cand.size() >= prefix.size() &&
          AnsiCompareNoCase(cand.data(), prefix.size(), prefix.data(), prefix.size()) == 0)
        ++c;
    }
    sum += c;
    const std::string name = FinishedName(net, e, base_form, c);
    earlier.push_back(name);
  }
  *secs = Seconds(t0);
  return sum;
}

}  // namespace

int main() {
  const struct {
    const char* what;
    bool base_form;
    bool names;
  } shapes[] = {{"%dmd_%nc.%e", false, false}, {"%dmd%ncfs.%e", true, false}, {"%b_%nc.%e", false, true}};
  for (const auto& s : shapes) {
    double t10 = 0, t100 = 0;
    for (size_t n : {size_t(10000), size_t(100000)}) {
      const auto v = s.names ? MakeNames(n) : MakeDates(n, s.base_form);
      double secs = 0;
      const size_t sum = RunIndexed(v, s.base_form, &secs);
      (n == 10000 ? t10 : t100) = secs;
      std::printf("%-14s n=%6zu  index %8.3f s", s.what, n, secs);
      if (n == 10000) {
        double scan = 0;
        const size_t check = RunScan(v, s.base_form, &scan);
        std::printf("  scan %8.3f s%s", scan, check == sum ? "" : "  MISMATCH");
      }
      std::printf("\n");
    }
    std::printf("%-14s ratio 100k/10k = %.1f\n", s.what, t100 / t10);
  }
  return 0;
}
