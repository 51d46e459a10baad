// Directory listing through the wide find functions, each name handed over
// in the ANSI code page with a word on whether it converted exactly. The
// ANSI find functions give a best-fit name instead ("Łódź.txt" can come back
// as "Lodz.txt"), which the ANSI file functions then take for another file
// of that name. Win32 only.
#pragma once

#include <windows.h>

#include "os/CNoms.h"

#include <string>

// The rule behind Exact(): ansi stands for wide only when it converts back to
// wide unchanged. Names are NUL-terminated; a name longer than a path is
// never exact.
bool AnsiNameIsExact(const wchar_t* wide, const char* ansi);

class CWideFind {
 public:
  // pattern: an ANSI path with wildcards ("dir\\*").
  explicit CWideFind(const std::string& pattern);
  ~CWideFind();
  CWideFind(const CWideFind&) = delete;
  CWideFind& operator=(const CWideFind&) = delete;

  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
  // The next entry; false at the end (last error ERROR_NO_MORE_FILES) or on
  // a failure (any other last error).
  bool Next();
  const WIN32_FIND_DATAA& Data() const { return fd_; }
  // Whether the names of Data() are exactly the file's names.
  bool Exact() const { return exact_; }
  bool IsDots() const { return EstEntreePoint(fd_.cFileName); }

 private:
  void Convert(const WIN32_FIND_DATAW& w);

  HANDLE h_;
  WIN32_FIND_DATAA fd_{};
  bool exact_ = false;
};
