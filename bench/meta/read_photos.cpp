// The photo readers alone: list the directory and read every file's
// metadata with the JPEG reader, as a load does for each entry, without the
// rest of the program.
#include <windows.h>

#include <cstdio>
#include <string>

#include "files/CFichier.h"
#include "meta/Jpeg.h"
#include "meta/MetaExtractor.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string dir = argv[1];
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return 1;
  CMetaOptions options;
  unsigned long n = 0, dates = 0;
  do {
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    CFichier entry;
    MetaExtractor x(entry, options);
    ReadJpegFile(x, dir + "\\" + fd.cFileName);
    ++n;
    if (entry.items.dates.Find(kItemXdo)) ++dates;
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  std::printf("%lu files, %lu with a date taken\n", n, dates);
  return 0;
}
