#include "files/CChargeRep.h"

#include "files/CEntryHook.h"
#include "files/CFiltre.h"
#include "files/Formats.h"
#include "os/WideFind.h"

namespace {

constexpr size_t kRoomAtStart = size_t{1} << 17;

// "C:\" or "\\server\share\".
bool IsRoot(const std::string& dir) {
  if (dir.size() == 3 && dir[1] == ':' && dir[2] == '\\') return true;
  if (dir.size() > 2 && dir[0] == '\\' && dir[1] == '\\') {
    const size_t share = dir.find('\\', 2);
    return share != std::string::npos && dir.find('\\', share + 1) == dir.size() - 1;
  }
  return false;
}

}  // namespace

CChargeRep::~CChargeRep() {
  RequestStop();
  Wait(10000);
}

void CChargeRep::Execute() {
  results.clear();
  // Room for many entries up front: a growing array copies every entry into
  // fresh memory at each step, which cost a large directory more than its
  // base items. Room never written to is only address space, never touched;
  // a directory of a few entries gives it back below, where moving them
  // costs nothing (moving ten thousand cost as much as a tenth of their load).
  results.reserve(kRoomAtStart);
  cadence_ = CKCadence(true);
  Enumerate("");
  if (results.size() < kRoomAtStart / 128) results.shrink_to_fit();
  if (owner && doneMessage) {
    if (request.threaded)
      PostMessageA(owner, doneMessage, generation, 0);
    else
      SendMessageA(owner, doneMessage, generation, 0);
  }
}

void CChargeRep::Progress(const std::string& path, bool force) {
  if (!cadence_.Due(force) || !showProgress) return;
  const std::string text = results.empty() ? FormatTexte(progressOne, {path})
                                            : FormatTexte(progressMany, {results.size(), path});
  showProgress(text);
}

void CChargeRep::Enumerate(const std::string& rel) {
  const std::string path = reload ? rel : baseDir + rel;
  const bool atRoot = IsRoot(baseDir);
  Progress(path, false);
  CWideFind find(path + "*");
  if (!find.Valid()) return;
  do {
    // Read for every entry, kept or not: a stop must end a walk through many
    // filtered-out names too.
    EntryRead();
    if (StopRequested()) return;
    const WIN32_FIND_DATAA& fd = find.Data();
    const DWORD attrs = fd.dwFileAttributes;
    if ((attrs & FILE_ATTRIBUTE_SYSTEM) && !listSystem) continue;
    if ((attrs & FILE_ATTRIBUTE_HIDDEN) && !listHidden) continue;
    const int len = static_cast<int>(strnlen(fd.cFileName, MAX_PATH));
    const bool isDir = (attrs & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (isDir && find.IsDots()) {
      // "." never; ".." only at the top, and never at a drive root.
      if (len == 1 || !rel.empty() || atRoot) continue;
    } else if (isDir) {
      // A directory whose name the code page cannot hold cannot be entered
      // by that name: its contents stay out of the list.
      if (recursive && find.Exact()) {
        Enumerate(rel + fd.cFileName + "\\");
        if (StopRequested()) return;
      }
      if (!listDirs) continue;
      if (filterDirs && !filter.empty() && !match(filter.c_str(), fd.cFileName, false)) continue;
    } else if (!filter.empty() && !match(filter.c_str(), fd.cFileName, false)) {
      continue;
    }
    results.emplace_back();
    FillBaseItems(results.back(), rel, fd, baseOptions);
    if (!find.Exact()) {
      // Listed, shown in error with the reason, and never operated on: its
      // ANSI name may be another file's.
      results.back().badName = true;
      results.back().lastError = ERROR_NO_UNICODE_TRANSLATION;
    }
    // A name the code page does not hold exactly may reach another file: its
    // content is never read.
    const CEntryHook hook = EntryHook();
    if (hook && !results.back().badName) {
      // One path buffer for the whole load rather than a string per entry.
      hookPath_.assign(reload ? "" : baseDir.c_str()).append(results.back().name);
      hook(results.back(), hookPath_);
    }
    Progress(path, false);
  } while (find.Next());
}
