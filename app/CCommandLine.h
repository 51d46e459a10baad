// The command-line scan: switches pre-set the start-up and may ask for one
// rename or copy followed by the end of the program.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ops/COpKind.h"

struct CCommandLine {
  COpKind operation = COpKind::None;  // /R, /C
  bool quit = false;          // /Q
  bool help = false;          // /?
  bool saveConfig = true;     // cleared by /P
  std::string startDir;       // /D or the first file name's directory
  std::vector<std::string> names;  // plain names to select after the start-up load
  std::string selectFilter;   // /S
  bool forceRecurse = false;  // /T
  bool forceFlat = false;     // /N
  bool hasExpression = false;  // /E or /A seen; expression holds the last one
  std::string expression;
  bool hasFilter = false;     // /F seen
  std::string filter;

  // The recurse setting after the scan, given its stored value.
  bool AdjustRecurse(bool stored) const;
};

// Scans argv[1..argc-1]. favourite gives the expression of a favourite by its
// exact title ("" when there is none); longName converts a file name to its
// long form ("" when the file does not exist).
void ScanCommandLine(int argc, char** argv, CCommandLine& out,
                     const std::function<std::string(const std::string&)>& favourite,
                     const std::function<std::string(const std::string&)>& longName);

