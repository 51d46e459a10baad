#include "app/CCommandLine.h"

#include <windows.h>

namespace {

std::string TrimSpaces(const std::string& s) {
  const size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  const size_t e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

bool Is(const char* arg, const char* sw) { return lstrcmpiA(arg, sw) == 0; }

// Splits a long name at its last backslash; a drive root keeps its backslash.
void SplitName(const std::string& full, std::string& dir, std::string& name) {
  const size_t slash = full.rfind('\\');
  if (slash == std::string::npos) {
    dir.clear();
    name = full;
    return;
  }
  const bool driveRoot = slash == 2 && full[1] == ':' && full.find('\\') == slash;
  dir = full.substr(0, driveRoot ? slash + 1 : slash);
  name = full.substr(slash + 1);
}

}  // namespace

std::string SystemLongName(const std::string& name) {
  char buf[261];
  const DWORD n = GetLongPathNameA(name.c_str(), buf, sizeof buf);
  if (n == 0 || n >= sizeof buf) return {};
  return std::string(buf, n);
}

bool CCommandLine::AdjustRecurse(bool stored) const {
  if (forceFlat) return false;
  if (forceRecurse) return true;
  if (!startDir.empty()) return false;
  return stored;
}

void ScanCommandLine(int argc, char** argv, CCommandLine& out,
                     const std::function<std::string(const std::string&)>& favourite,
                     const std::function<std::string(const std::string&)>& longName) {
  // A switch with a parameter takes the next argument only when there is one.
  auto param = [&](int& i, std::string& value) {
    if (i + 1 >= argc) return false;
    value = TrimSpaces(argv[++i]);
    return true;
  };
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    std::string value;
    if (Is(a, "/I")) {
      param(i, value);  // read by the configuration loader
    } else if (Is(a, "/?")) {
      out.help = true;
    } else if (Is(a, "/R")) {
      out.operation = COpKind::Rename;
    } else if (Is(a, "/C")) {
      out.operation = COpKind::Copy;
    } else if (Is(a, "/Q")) {
      out.quit = true;
    } else if (Is(a, "/T")) {
      out.forceRecurse = true;
    } else if (Is(a, "/N")) {
      out.forceFlat = true;
    } else if (Is(a, "/P")) {
      out.saveConfig = false;
    } else if (Is(a, "/E")) {
      if (param(i, value)) {
        out.hasExpression = true;
        out.expression = value;
      }
    } else if (Is(a, "/A")) {
      if (param(i, value)) {
        out.hasExpression = true;
        out.expression = favourite ? favourite(value) : std::string();
      }
    } else if (Is(a, "/F")) {
      if (param(i, value)) {
        out.hasFilter = true;
        out.filter = value;
      }
    } else if (Is(a, "/S")) {
      if (param(i, value)) out.selectFilter = value;
    } else if (Is(a, "/D")) {
      if (param(i, value)) out.startDir = value;
    } else {
      // A file that does not exist names nothing: it neither selects nor
      // decides the start directory. Taking the empty directory it gives
      // would load the caller's current directory, where a `/S` filter and
      // `/R` would then rename files the user never pointed at.
      const std::string full = longName(a);
      if (full.empty()) continue;
      std::string dir, name;
      SplitName(full, dir, name);
      if (out.startDir.empty()) out.startDir = dir;
      if (!dir.empty() && dir != out.startDir) continue;
      out.names.push_back(name);
    }
  }
  if (out.startDir.empty() && !out.names.empty()) out.startDir = ".";
}
