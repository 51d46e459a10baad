// The directory loader job. It runs on its own worker thread (interactive
// loads, which the user can stop) or directly on the main thread (start-up
// loads). The worker fills only the job's own result list and reads only the
// settings copied into the job before it started; the completion message
// (chosen by the owner) is the one hand-over to the main thread: posted when
// threaded, sent when synchronous, with the load's generation number as its
// WPARAM so that the owner can drop the completion of a load it gave up.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "files/CBaseItems.h"
#include "files/CFichier.h"
#include "os/CKCadence.h"
#include "os/CKThread.h"

// What the caller asks of the next load; moved into the job when it starts.
struct CLoadRequest {
  bool threaded = false;
  std::string focusName;
  std::string selectFilter;
  bool addToHistory = false;
};

class CChargeRep : public CKThread {
 public:
  ~CChargeRep() override;
  // Settings copied into the job when a load starts.
  HWND owner = nullptr;
  UINT doneMessage = 0;       // delivered to owner when the load ends
  unsigned generation = 0;    // the WPARAM of doneMessage
  // Shows a progress text; called on the worker thread, may be empty.
  std::function<void(const std::string&)> showProgress;
  std::string baseDir;        // absolute, ends with a backslash
  bool reload = false;        // the current directory is read again
  bool recursive = false;     // recurse
  bool listDirs = true;       // liste_rep
  bool filterDirs = true;     // liste_rep_fil
  bool listSystem = true;     // liste_systeme
  bool listHidden = true;     // liste_cache
  std::string filter;         // fil
  CBaseOptions baseOptions;
  std::string progressOne;    // "Loading %s ..."
  std::string progressMany;   // "Loading (%d) %s ..."
  CLoadRequest request;
  bool keep = false;          // a stop keeps the partial result

  std::vector<CFichier> results;

  // Enumerates the directory into results, then delivers the completion
  // message to the owner (when there is one).
  void Execute();

 protected:
  void Run() override { Execute(); }
  // Called for every entry the system returns, before the stop flag is read.
  virtual void EntryRead() {}

 private:
  void Enumerate(const std::string& rel);
  void Progress(const std::string& path, bool force);
  CKCadence cadence_{true};
  std::string hookPath_;
};
