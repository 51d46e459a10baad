#include "ui/CCalculFond.h"

#include "expr/CCalculNoms.h"
#include "expr/CHooksProgramme.h"
#include "os/CNoms.h"

void CalculerNomsFuturs(const std::string& expression, const std::vector<CFichier*>& selection,
                        const ExprOptions& options, const CNettoyageOptions& cleanupOptions,
                        const std::string& currentDir, CSourcesExternes& sources,
                        std::function<void(size_t)> progress) {
  const CNettoyage cleanup(cleanupOptions);
  CHooksProgramme hooks(sources);
  CCalculNoms run(options, &hooks);
  run.repCourant = currentDir;
  run.nettoyage = [&cleanup](const CFichier& e, std::string& name) {
    cleanup.Appliquer(name, NomRepertoire(e.name));
  };
  if (progress) run.progression = [&progress](size_t done, size_t) { progress(done); };
  run.Calculer(expression, selection);
}

CCalculFond::CCalculFond(std::vector<CFichier> copies, std::string expression, ExprOptions options,
                         CNettoyageOptions cleanup, std::string currentDir, HWND notify, UINT message,
                         unsigned generation)
    : entries_(std::move(copies)),
      expression_(std::move(expression)),
      options_(std::move(options)),
      cleanup_(std::move(cleanup)),
      currentDir_(std::move(currentDir)),
      notify_(notify),
      message_(message),
      generation_(generation) {}

CCalculFond::~CCalculFond() { Wait(INFINITE); }

void CCalculFond::Run() {
  std::vector<CFichier*> selection;
  selection.reserve(entries_.size());
  for (CFichier& e : entries_) selection.push_back(&e);
  // Its own clipboard and text-file lines: nothing is shared with the main thread.
  CSourcesExternes sources;
  CalculerNomsFuturs(expression_, selection, options_, cleanup_, currentDir_, sources, nullptr);
  PostMessageA(notify_, message_, generation_, 0);
}
