#include "app/CCommandLine.h"

#include <windows.h>

#include "os/AsciiText.h"
#include "os/CNoms.h"

namespace {

bool Is(const char* arg, const char* sw) { return lstrcmpiA(arg, sw) == 0; }

}  // namespace

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
    value = Trim(argv[++i], " ");
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
      const std::string dir = RepertoireDe(full), name = NomSansChemin(full);
      if (out.startDir.empty()) out.startDir = dir;
      if (!dir.empty() && dir != out.startDir) continue;
      out.names.push_back(name);
    }
  }
  if (out.startDir.empty() && !out.names.empty()) out.startDir = ".";
}
