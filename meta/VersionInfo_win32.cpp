#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "meta/PeVersion.h"
#include "meta/SystemDocuments.h"

namespace {

// The string names queried, in order, with their items; FileVersion first
// decides the translation.
const struct {
  const char* name;
  int item;
} kStrings[] = {{"FileVersion", kItemEv},     {"FileDescription", kItemEd}, {"LegalCopyright", kItemEC},
                {"Comments", kItemEc},        {"CompanyName", kItemEN},     {"InternalName", kItemEi},
                {"LegalTrademarks", kItemET}, {"OriginalFilename", kItemEo}, {"PrivateBuild", kItemEb},
                {"ProductName", kItemEn},     {"ProductVersion", kItemEV},  {"SpecialBuild", kItemEB}};

// Language and code page pairs tried when the file's own translation does
// not answer.
const DWORD kFallbacks[] = {0x040904B0, 0x040904E4, 0x04090000, 0x00090000};

bool Query(std::vector<char>& block, DWORD translation, const char* name, std::string* value) {
  char key[128];
  std::snprintf(key, sizeof key, "\\StringFileInfo\\%04X%04X\\%s", static_cast<unsigned>(translation >> 16),
                static_cast<unsigned>(translation & 0xFFFF), name);
  char* text = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), key, reinterpret_cast<void**>(&text), &length) || !text) return false;
  size_t n = 0;
  while (n < length && n < MetaExtractor::kTextMax && text[n]) ++n;
  value->assign(text, n);
  return true;
}

// The version block of a PE image read from the file, laid out as the
// system's GetFileVersionInfoA lays it out for VerQueryValueA: the resource,
// the "FE2X" mark after its own length, and room for the ANSI copies of the
// texts. 0, -2 no version resource, -3 not a PE image.
int ReadPeBlock(FileReader& f, std::vector<char>* block) {
  uint32_t at = 0, size = 0;
  const int found = FindPeVersionResource(f, &at, &size);
  if (found != 0) return found == -3 ? -3 : -2;
  block->assign(static_cast<size_t>(size) * 2 + 4, '\0');
  if (f.Seek(at) != 0 || f.ReadExact(block->data(), size) != 0) return -2;
  uint16_t length = 0;
  if (CBufReader(block->data(), size).U16LE(&length) != 0 || length < 6 || length > size) return -2;
  std::memcpy(block->data() + length, "FE2X", 4);
  return 0;
}

// The same through the system, for what is not a PE image (16-bit programs).
int ReadSystemBlock(const std::string& path, std::vector<char>* block) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return -2;
  block->assign(size, '\0');
  return GetFileVersionInfoA(path.c_str(), 0, size, block->data()) ? 0 : -2;
}

int ReadVersionBlock(MetaExtractor& x, const std::string& path, std::vector<char>* block) {
  FileReader& f = x.File();
  if (f.OpenRead(path) != 0) return -5;
  const int pe = ReadPeBlock(f, block);
  f.Close();
  return pe == -3 ? ReadSystemBlock(path, block) : pe;
}

}  // namespace

int ReadVersionFile(MetaExtractor& x, const std::string& path) {
  std::vector<char> block;
  if (const int read = ReadVersionBlock(x, path, &block); read != 0) return read;
  DWORD translation = 0x040904B0;
  WORD* pair = nullptr;
  UINT length = 0;
  if (VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pair), &length) && pair) {
    if (length < 4) return -2;
    translation = (static_cast<DWORD>(pair[0]) << 16) | pair[1];
  }
  std::string value;
  if (!Query(block, translation, kStrings[0].name, &value)) {
    const DWORD tried = translation;
    bool found = false;
    for (const DWORD fallback : kFallbacks) {
      if (fallback == tried || !Query(block, fallback, kStrings[0].name, &value)) continue;
      translation = fallback;
      found = true;
      break;
    }
    if (!found) return -2;
  }
  x.SetText(kStrings[0].item, value);
  for (size_t i = 1; i < sizeof kStrings / sizeof kStrings[0]; ++i) {
    if (Query(block, translation, kStrings[i].name, &value)) x.SetText(kStrings[i].item, value);
  }
  return 0;
}
