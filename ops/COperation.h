// Renaming and copying entries to their future names, and replaying the
// history backwards (undo) and forwards (redo). Everything runs on the main
// thread; names are relative to the process current directory.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "files/CFichier.h"
#include "ops/CHistorique.h"

struct COpCallbacks {
  // An entry was renamed (extensionChanged: to another extension); its name
  // is already the new one. May be empty.
  std::function<void(CFichier& entry, bool extensionChanged)> refresh;
  // A row whose display changed.
  std::function<void(int index)> redraw;
  // At most every 500 ms: the number of entries handled so far.
  std::function<void(int done)> progress;
};

struct COpStats {
  int failures = 0;          // entries left with a last error
  bool anySucceeded = false;
};

// A rename or copy of an entry that failed: the entry's last error holds the code.
constexpr int kOpFailed = -3;

// The per-entry operation: -1 when the future name is empty, -2 when it equals
// the current name, 0 on success, kOpFailed on failure. Records (current,
// future) under the step on success only.
int OperateEntry(CFichier& entry, int step, COpKind kind, const std::string& future, const COpCallbacks& cb);
// The same, giving the entry's rank within the step (undo replays backwards).
int OperateEntry(CFichier& entry, int step, COpKind kind, const std::string& future, const COpCallbacks& cb,
                 int order);

// Renames the entry to target, creating missing directories. 0 or kOpFailed.
int RenameEntry(CFichier& entry, const std::string& target, const COpCallbacks& cb);

// Runs one step (rename or copy) over the selection (entry indexes in
// selection order). A step in which nothing succeeded is dropped. Returns -1
// for COpKind::None.
int RunOperation(std::vector<CFichier>& entries, const std::vector<int>& selection, CHistorique& history,
                 COpKind kind, const COpCallbacks& cb, COpStats& stats);
// Undoes the step at the position; -1 when there is none. A step is replayed
// over the entries holding its records, in the reverse of the order it made
// them (redo: in that order), so that chained renames come back.
int Undo(std::vector<CFichier>& entries, CHistorique& history, const COpCallbacks& cb, COpStats& stats);
// Redoes the step after the position; -1 when there is none.
int Redo(std::vector<CFichier>& entries, CHistorique& history, const COpCallbacks& cb, COpStats& stats);
