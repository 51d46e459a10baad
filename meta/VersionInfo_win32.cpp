#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

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

}  // namespace

int ReadVersionFile(MetaExtractor& x, const std::string& path) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return -2;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return -2;
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
