// Where a batch run's own time goes: the same work as the program's start-up
// load and future-name computation, phase by phase, over one directory.
//   batch_phases DIR [EXPRESSION [/T] [/R]]
// Prints the milliseconds of each phase and its cost per file. /T loads the
// sub-directories too; /R then renames the selection through the operation
// engine, without a window.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "expr/CCalculNoms.h"
#include "files/CDateFormat.h"
#include "expr/CHooksProgramme.h"
#include "expr/CNettoyage.h"
#include "files/CChargeRep.h"
#include "files/CListeModel.h"
#include "ops/COperation.h"

namespace {

class CClock {
 public:
  CClock() {
    QueryPerformanceFrequency(&freq_);
    QueryPerformanceCounter(&start_);
  }
  // Milliseconds since the last call (or construction).
  double Lap() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const double ms = 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / freq_.QuadPart;
    start_ = now;
    return ms;
  }

 private:
  LARGE_INTEGER freq_, start_;
};

size_t BareListing(const std::string& dir) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return 0;
  size_t n = 0;
  do ++n;
  while (FindNextFileA(h, &fd));
  FindClose(h);
  return n;
}

void Report(const char* phase, double ms, size_t files) {
  std::printf("%-28s %9.1f ms %7.2f us/file\n", phase, ms, files ? 1000.0 * ms / files : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::string dir = argv[1];
  if (dir.back() != '\\') dir += '\\';
  const std::string expression = argc > 2 ? argv[2] : "x_%f";
  bool recursive = false, rename = false;
  for (int i = 3; i < argc; ++i) {
    recursive = recursive || std::string(argv[i]) == "/T";
    rename = rename || std::string(argv[i]) == "/R";
  }
  if (!SetCurrentDirectoryA(dir.c_str())) return 1;
  CClock clock;

  const size_t listed = BareListing(dir);
  Report("bare listing", clock.Lap(), listed);

  CChargeRep loader;
  loader.baseDir = dir;
  loader.recursive = recursive;
  loader.Execute();
  const size_t files = loader.results.size();
  Report("load (entries, base items)", clock.Lap(), files);

  // What the date texts cost when every entry is shown: they are made on request.
  size_t dateChars = 0;  // read, so that no text is skipped
  for (const CFichier& e : loader.results)
    for (int item : {kItemDateCrea, kItemDateAcces, kItemDateModif}) dateChars += e.ItemText(item).size();
  Report("date texts of every entry", clock.Lap(), files);

  CListeModel model;
  int recomputes = 0;
  model.SetRecompute([&recomputes] { ++recomputes; });
  model.SetEntries(std::move(loader.results), recursive);
  Report("hand-over to the model", clock.Lap(), files);
  model.SelectFilter("*", false, true);
  Report("select with the filter", clock.Lap(), files);

  const ExprOptions options;
  const CNettoyage cleanup{CNettoyageOptions()};
  CHooksProgramme hooks;
  CCalculNoms run(options, &hooks);
  run.repCourant = dir;
  run.nettoyage = [&cleanup](const CFichier& e, std::string& name) {
    const size_t slash = e.name.rfind('\\');
    cleanup.Appliquer(name, slash == std::string::npos ? std::string() : e.name.substr(0, slash + 1));
  };
  std::vector<CFichier*> selection;
  for (int i : model.Selection()) selection.push_back(&model.Entry(i));
  Report("selection pointers", clock.Lap(), files);
  run.Calculer(expression, selection);
  Report("future names", clock.Lap(), selection.size());
  if (rename) {
    CHistorique history;
    COpStats stats;
    clock.Lap();
    RunOperation(model.MutableEntries(), model.Selection(), history, COpKind::Rename, COpCallbacks(), stats);
    Report("rename (operation engine)", clock.Lap(), selection.size());
    std::printf("%d failed\n", stats.failures);
  }
  clock.Lap();
  model.SetEntries({}, false);
  Report("free the entries", clock.Lap(), files);
  std::printf("%zu listed, %zu entries, %zu selected, %d recompute requests\n", listed, files,
              selection.size(), recomputes);
  return 0;
}
