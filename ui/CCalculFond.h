// Future names computed on a worker thread, for the recompute that follows
// typing: the thread works on copies of the selected entries, so the window
// keeps taking keys and painting while it runs, and the names are put into
// the list only when nothing changed meanwhile.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "expr/CNettoyage.h"
#include "expr/ExprOptions.h"
#include "files/CFichier.h"
#include "os/CKThread.h"

struct CSourcesExternes;

// The run over the selection that every recompute makes: the expression,
// then the name clean-up of each entry.
void CalculerNomsFuturs(const std::string& expression, const std::vector<CFichier*>& selection,
                        const ExprOptions& options, const CNettoyageOptions& cleanup, const std::string& currentDir,
                        CSourcesExternes& sources, std::function<void(size_t)> progress);

class CCalculFond : public CKThread {
 public:
  // The copies are the selected entries in selection order; `generation`
  // comes back with the message posted to notify when the names are ready.
  CCalculFond(std::vector<CFichier> copies, std::string expression, ExprOptions options,
              CNettoyageOptions cleanup, std::string currentDir, HWND notify, UINT message, unsigned generation);
  ~CCalculFond() override;

  unsigned Generation() const { return generation_; }
  // The entries as copied, with their future names once the run is over.
  const std::vector<CFichier>& Entries() const { return entries_; }
  // The copies, for a next run over the same selection.
  std::vector<CFichier> TakeEntries() { return std::move(entries_); }

 protected:
  void Run() override;

 private:
  std::vector<CFichier> entries_;
  std::string expression_;
  ExprOptions options_;
  CNettoyageOptions cleanup_;
  std::string currentDir_;
  HWND notify_;
  UINT message_;
  unsigned generation_;
};
