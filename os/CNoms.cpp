#include "os/CNoms.h"

#include "os/AsciiText.h"

bool ContientInvalide(const std::string& s) {
  for (char c : s)
    if (EstCaractereInvalide(static_cast<unsigned char>(c))) return true;
  return false;
}

namespace {

size_t AfterLastSlash(const std::string& name) {
  const size_t p = name.rfind('\\');
  return p == std::string::npos ? 0 : p + 1;
}

// Length of the drive component of an absolute directory: "C:" or "\\server\share".
size_t DriveLength(const std::string& dir) {
  if (dir.size() >= 2 && dir[1] == ':') return 2;
  if (dir.compare(0, 2, "\\\\") == 0) {
    size_t p = dir.find('\\', 2);
    if (p == std::string::npos) return dir.size();
    p = dir.find('\\', p + 1);
    return p == std::string::npos ? dir.size() : p;
  }
  return 0;
}

}  // namespace

std::string NomSansChemin(const std::string& name) { return name.substr(AfterLastSlash(name)); }

std::string NomBase(const std::string& name) {
  const size_t start = AfterLastSlash(name);
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot < start) return name.substr(start);
  return name.substr(start, dot - start);
}

std::string NomExtension(const std::string& name) {
  const size_t start = AfterLastSlash(name);
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot < start) return std::string();
  return name.substr(dot + 1);
}

std::string NomRepertoire(const std::string& name) { return name.substr(0, AfterLastSlash(name)); }

std::string RepertoireDe(const std::string& name) {
  const size_t slash = name.rfind('\\');
  if (slash == std::string::npos) return std::string();
  return name.substr(0, slash == name.find('\\') ? slash + 1 : slash);
}

bool NomEstAbsolu(const std::string& name) {
  if (name.size() >= 2 && IsAsciiLetter(name[0]) && name[1] == ':') return true;
  return name.compare(0, 2, "\\\\") == 0;
}

std::string AvecAntislash(const std::string& dir) {
  if (dir.empty() || dir.back() == '\\') return dir;
  return dir + '\\';
}

std::string NomAbsolu(const std::string& name, const std::string& curDir) {
  if (NomEstAbsolu(name)) return name;
  // A name from the root of the drive takes the current directory's drive,
  // rather than being glued after the whole directory.
  if (!name.empty() && name[0] == '\\') return curDir.substr(0, DriveLength(curDir)) + name;
  return AvecAntislash(curDir) + name;
}

std::string RepAbsolu(const std::string& name, const std::string& curDir) {
  return NomRepertoire(NomAbsolu(name, curDir));
}

std::string RepRelatif(const std::string& name) {
  if (NomEstAbsolu(name)) return std::string();
  return NomRepertoire(name);
}

std::string RepParent(const std::string& name, const std::string& curDir, int level) {
  if (level <= 0) return std::string();
  std::string dir = RepAbsolu(name, curDir);
  if (!dir.empty() && dir.back() == '\\') dir.pop_back();
  const size_t drive = DriveLength(dir);
  size_t end = dir.size();
  for (int k = 1; end > drive; ++k) {
    const size_t slash = dir.rfind('\\', end - 1);
    const size_t start = (slash == std::string::npos || slash < drive) ? drive : slash + 1;
    if (k == level) return dir.substr(start, end - start);
    if (start <= drive) break;
    end = start - 1;
  }
  return std::string();
}
