// velto-meta: prints what the program reads from files, as the file list
// has it: for each file a line "== FILE", then one line per item with a
// value, in item-number order: the variable, a tab, the text, then the typed
// value (i=integer, d=decimal, t=file time); then the picture and thumbnail
// locations and the rotation code when set.
//
// The Windows program runs the loader's own steps (the listing's base items,
// then the metadata, with the settings of the INI file given by /I); the
// native build runs the metadata readers alone, with the default settings.
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "expr/CColonnes.h"
#include "meta/MetaExtractor.h"

#ifdef _WIN32
#include <windows.h>

#include "config/CConfig.h"
#include "files/CBaseItems.h"
#include "ui/CEngineOptions.h"
#endif

namespace {

// The entry of one file as a load fills it; false when the file is not found.
bool Fill(const std::string& path, CFichier& entry) {
#ifdef _WIN32
  WIN32_FIND_DATAA fd;
  const HANDLE h = FindFirstFileA(path.c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return false;
  FindClose(h);
  FillBaseItems(entry, "", fd, CBaseOptions());
  ExtractMetadata(entry, path, MetaOptions());
#else
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    std::fclose(f);
  } else {
    return false;
  }
  entry.name = path;
  ExtractMetadata(entry, path, CMetaOptions());
#endif
  return true;
}

void Print(const CFichier& e) {
  for (int item = 0; item < kItemCount; ++item) {
    const CColonne* c = Colonne(item);
    if (!c || !c->variable) continue;
    const std::string& text = e.ItemText(item);
    const int64_t* i = e.items.ints.Find(item);
    const double* d = e.items.decs.Find(item);
    const FileTime* t = e.items.dates.Find(item);
    if (text.empty() && !i && !d && !t) continue;
    std::printf("%s\t%s", c->variable, text.c_str());
    if (i) std::printf("\ti=%" PRId64, *i);
    if (d) std::printf("\td=%.17g", *d);
    if (t) std::printf("\tt=%" PRIu64, *t);
    std::printf("\n");
  }
  if (e.pictureOffset != -1 || e.pictureSize != -1)
    std::printf("picture=%" PRId64 ",%" PRId32 "\n", e.pictureOffset, e.pictureSize);
  if (e.thumbOffset != -1 || e.thumbSize != -1)
    std::printf("thumbnail=%" PRId64 ",%" PRId32 "\n", e.thumbOffset, e.thumbSize);
  if (e.rotation != 0) std::printf("rotation=%d\n", e.rotation);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  for (int a = 1; a < argc; ++a) {
    if ((std::strcmp(argv[a], "/I") == 0 || std::strcmp(argv[a], "/i") == 0) && a + 1 < argc) {
#ifdef _WIN32
      char* args[] = {argv[0], argv[a], argv[a + 1]};
      bool usingDefault = true;
      if (LoadConfig(3, args, &usingDefault) != 0) std::fprintf(stderr, "velto-meta: cannot read %s\n", argv[a + 1]);
#endif
      ++a;
      continue;
    }
    files.push_back(argv[a]);
  }
  if (files.empty()) {
    std::fprintf(stderr, "usage: velto-meta [/I ini] FILE...\n");
    return 2;
  }
  int rc = 0;
  for (const std::string& path : files) {
    std::printf("== %s\n", path.c_str());
    CFichier entry;
    if (!Fill(path, entry)) {
      std::fprintf(stderr, "velto-meta: %s: not found\n", path.c_str());
      rc = 1;
      continue;
    }
    Print(entry);
  }
  return rc;
}
