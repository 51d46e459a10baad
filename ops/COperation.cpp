#include "ops/COperation.h"

#include <algorithm>
#include <string>

#include "ops/CFsHelpers.h"
#include "os/AnsiCase.h"
#include "os/CKCadence.h"
#include "os/CNoms.h"
#include "os/LocalTime.h"
#include "os/OsFs.h"

namespace {

// Creates the directories of target's path prefix, if it has one. A target
// in the directory `from` lies in needs none, and is not asked for: under
// Wine each question about a path scans its directory.
bool CreatePrefix(const std::string& from, const std::string& target) {
  const std::string dir = NomRepertoire(target);
  if (dir.empty() || AnsiEqualNoCase(NomRepertoire(from), dir)) return true;
  return CreatePathDirectories(dir) == 0;
}

int Fail(CFichier& e, unsigned long code) {
  e.lastError = static_cast<uint32_t>(code ? code : kFsGenFailure);
  return kOpFailed;
}

// Copies the entry's file or tree to target, creating missing directories;
// what the copy created goes to made.
int CopyEntry(CFichier& e, const std::string& target, std::vector<CCopie>* made) {
  unsigned long refused = 0;
  if (CheckTarget(e.name, target, e.isDir, &refused) != 0) return Fail(e, refused);
  if (!CreatePrefix(e.name, target) || CopyTree(e.name, target, made) != 0) return Fail(e, FsLastError());
  e.lastError = 0;
  return 0;
}

// Progress reports at the program's pace.
class CProgress {
 public:
  explicit CProgress(const COpCallbacks& cb) : cb_(cb) {}
  void Done(int n) {
    if (cb_.progress && cadence_.Due()) cb_.progress(n);
  }

 private:
  const COpCallbacks& cb_;
  CKCadence cadence_{false};
};

void Redraw(const COpCallbacks& cb, size_t i) {
  if (cb.redraw) cb.redraw(static_cast<int>(i));
}

// The entries holding a record of the step, in the order the step made them
// (backwards for an undo).
std::vector<size_t> ReplayOrder(const std::vector<CFichier>& entries, int step, bool backwards) {
  std::vector<std::pair<int, size_t>> order;
  for (size_t i = 0; i < entries.size(); ++i) {
    auto rec = entries[i].history.find(step);
    if (rec != entries[i].history.end()) order.push_back({rec->second.order, i});
  }
  std::stable_sort(order.begin(), order.end());
  if (backwards) std::reverse(order.begin(), order.end());
  std::vector<size_t> indexes;
  for (const auto& o : order) indexes.push_back(o.second);
  return indexes;
}

// A temporary name in the directory of `from`, no longer than its own name,
// so that it fits wherever the name itself fits.
std::string TempName(const std::string& from, int attempt) {
  static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  const std::string dir = NomRepertoire(from);
  const size_t len = from.size() - dir.size();
  std::string name = len <= 1 ? std::string() : std::string("~");
  unsigned value = TickCountMs() + static_cast<unsigned>(attempt);
  const size_t width = len <= 1 ? 1 : std::min<size_t>(len - 1, 6);
  for (size_t i = 0; i < width; ++i, value /= 36) name += kDigits[value % 36];
  return dir + name;
}

// Moves a file or directory. A change of letter case only goes through a
// free temporary name: some file systems take a direct case-only rename for
// a rename onto itself and leave the name as it was. When the second move
// fails the first is undone; should that fail too, *stuck is the name the
// file is left under.
bool MoveName(const std::string& from, const std::string& to, std::string* stuck) {
  if (!AnsiEqualNoCase(from, to)) return FsMove(from, to);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string temp = TempName(from, attempt);
    if (AnsiEqualNoCase(temp, from)) continue;
    if (!FsMove(from, temp)) {
      if (FsLastError() == kFsAlreadyExists || FsLastError() == kFsFileExists) continue;
      return false;
    }
    if (FsMove(temp, to)) return true;
    const unsigned long e = FsLastError();
    if (!FsMove(temp, from)) *stuck = temp;
    FsSetLastError(e);
    return false;
  }
  return false;
}

}  // namespace

int RenameEntry(CFichier& e, const std::string& target, const COpCallbacks& cb) {
  const bool extensionChanged = !AnsiEqualNoCase(NomExtension(e.name), NomExtension(target));
  unsigned long refused = 0;
  if (CheckTarget(e.name, target, e.isDir, &refused) != 0) return Fail(e, refused);
  if (!CreatePrefix(e.name, target)) return Fail(e, FsLastError());
  // A move never replaces an existing target.
  std::string stuck;
  if (!MoveName(e.name, target, &stuck)) {
    const unsigned long code = FsLastError();
    if (!stuck.empty()) e.name = stuck;
    return Fail(e, code);
  }
  e.lastError = 0;
  e.name = target;
  if (cb.refresh) cb.refresh(e, extensionChanged);
  return 0;
}

int OperateEntry(CFichier& e, int step, COpKind kind, const std::string& future, const COpCallbacks& cb) {
  return OperateEntry(e, step, kind, future, cb, 0);
}

int OperateEntry(CFichier& e, int step, COpKind kind, const std::string& future, const COpCallbacks& cb,
                 int order) {
  if (future.empty()) return -1;
  if (future == e.name) return -2;
  if (e.badName) return Fail(e, kFsNoUnicodeTranslation);
  const std::string before = e.name;
  std::vector<CCopie> made;
  const int r = kind == COpKind::Rename ? RenameEntry(e, future, cb) : CopyEntry(e, future, &made);
  if (r == 0) e.history[step] = CHistRecord{before, future, true, order, std::move(made)};
  return r;
}

int RunOperation(std::vector<CFichier>& entries, const std::vector<int>& selection, CHistorique& history,
                 COpKind kind, const COpCallbacks& cb, COpStats& stats) {
  stats = COpStats();
  if (kind == COpKind::None) return -1;
  if (selection.empty()) return 0;
  const int step = history.Begin(kind);
  CProgress progress(cb);
  int done = 0;
  for (int index : selection) {
    if (index < 0 || static_cast<size_t>(index) >= entries.size()) continue;
    CFichier& e = entries[index];
    const std::string future = e.futureName;
    const int r = OperateEntry(e, step, kind, future, cb, done);
    if (r == 0 || r == kOpFailed) {
      if (kind == COpKind::Rename || r == kOpFailed) Redraw(cb, index);
      if (e.lastError != 0) ++stats.failures;
      if (r == 0) stats.anySucceeded = true;
    }
    progress.Done(++done);
  }
  if (stats.anySucceeded)
    history.Commit(entries);
  else
    history.Abandon(entries);
  return 0;
}

namespace {

// Replays step `step` over the entries holding its records: backwards (undo)
// the records in effect, forwards (redo) the others.
void Replay(std::vector<CFichier>& entries, int step, COpKind kind, bool undo, const COpCallbacks& cb,
            COpStats& stats) {
  CProgress progress(cb);
  int done = 0;
  for (size_t i : ReplayOrder(entries, step, undo)) {
    CFichier& e = entries[i];
    CHistRecord& rec = e.history.find(step)->second;
    if (rec.applied != undo) continue;
    const std::string& target = undo ? rec.before : rec.after;
    int r = 0;
    int left = 0;
    if (kind == COpKind::Rename) {
      r = e.name == target ? 0 : RenameEntry(e, target, cb);
    } else if (kind == COpKind::Copy && undo) {
      // Only what the copy made and that still holds what it wrote goes;
      // each thing left counts as one failure.
      r = DeleteCopied(rec.copied, &left) == 0 ? 0 : Fail(e, FsLastError());
      if (r == 0) e.lastError = 0;
    } else if (kind == COpKind::Copy) {
      rec.copied.clear();
      r = CopyEntry(e, rec.after, &rec.copied);
    }
    if (r == 0) rec.applied = !undo;
    if (kind == COpKind::Rename || r != 0) Redraw(cb, i);
    if (e.lastError != 0) stats.failures += left > 1 ? left : 1;
    progress.Done(++done);
  }
}

}  // namespace

int Undo(std::vector<CFichier>& entries, CHistorique& history, const COpCallbacks& cb, COpStats& stats) {
  stats = COpStats();
  if (history.Position() < 1) return -1;
  const int step = history.Position();
  Replay(entries, step, history.Kind(step), true, cb, stats);
  history.SetPosition(step - 1);
  return 0;
}

int Redo(std::vector<CFichier>& entries, CHistorique& history, const COpCallbacks& cb, COpStats& stats) {
  stats = COpStats();
  // Only a step that exists can be redone: the position never passes the count.
  if (history.Position() < 0 || history.Position() >= history.Count()) return -1;
  history.SetPosition(history.Position() + 1);
  const int step = history.Position();
  Replay(entries, step, history.Kind(step), false, cb, stats);
  return 0;
}
