// Name functions over Windows path texts ('\' separates directories): the
// one home of the base name, extension, directory part, trailing separator,
// dot entries and the characters no name may hold. Names are byte strings in
// the ANSI code page; nothing here touches the disk.
#pragma once

#include <string>

// The nine characters no name component may hold, besides the control
// characters.
inline constexpr char kCaracteresInvalides[] = "\\/:*?\"<>|";

namespace noms_detail {
// The bits of the invalid characters from `base` to `base` + 63, with every
// control character below 32.
constexpr unsigned long long MasqueInvalides(int base) {
  unsigned long long m = 0;
  for (int c = base; c < base + 64; ++c)
    if (c < 32) m |= 1ull << (c - base);
  for (const char* p = kCaracteresInvalides; *p; ++p) {
    const int c = static_cast<unsigned char>(*p);
    if (c >= base && c < base + 64) m |= 1ull << (c - base);
  }
  return m;
}
}  // namespace noms_detail

// One of those nine, or a control character (below 32), which no Windows
// file name may hold either (a tag value can carry a tab or a line break).
// Asked of every character of every future name, so it is one bit test.
inline bool EstCaractereInvalide(unsigned char c) {
  constexpr unsigned long long kBas = noms_detail::MasqueInvalides(0);
  constexpr unsigned long long kHaut = noms_detail::MasqueInvalides(64);
  return c < 64 ? ((kBas >> c) & 1) != 0 : c < 128 && ((kHaut >> (c - 64)) & 1) != 0;
}
bool ContientInvalide(const std::string& s);

// "." or "..", the entries a directory listing gives for itself and its parent.
inline bool EstEntreePoint(const char* n) { return n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)); }

// Text after the last '\'.
std::string NomSansChemin(const std::string& name);
// Text after the last '\' and before the last '.' after it (all of it when
// there is no such '.').
std::string NomBase(const std::string& name);
// Text after the last '.' that follows the last '\'; empty when none.
std::string NomExtension(const std::string& name);
// Text up to and including the last '\'; empty when there is none.
std::string NomRepertoire(const std::string& name);
// The directory of name without its last '\', except where that '\' is the
// first of the name, a root ("C:\", "\"), which keeps it; empty without one.
std::string RepertoireDe(const std::string& name);
// A drive letter and a colon, or a leading "\\".
bool NomEstAbsolu(const std::string& name);
// The name itself when absolute, else curDir, a '\' if it lacks one, and the
// name; a name beginning with one '\' goes under the drive of curDir.
std::string NomAbsolu(const std::string& name, const std::string& curDir);
// Directory of the absolute name, ending with '\'.
std::string RepAbsolu(const std::string& name, const std::string& curDir);
// Directory part of a relative name, ending with '\'; empty for an absolute name.
std::string RepRelatif(const std::string& name);
// The directory with a final '\' added when it has none (empty stays empty).
std::string AvecAntislash(const std::string& dir);
// Parent directory name of the given level (1 = the file's own directory).
// Never the drive ("C:" or "\\server\share"); level 0 or past the first
// component after the drive gives empty text.
std::string RepParent(const std::string& name, const std::string& curDir, int level);
