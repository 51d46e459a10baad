// Lists a directory through the program's loader, one entry a line with its
// base items: what the file list would show.
#include <windows.h>

#include <cstdio>

#include "files/CChargeRep.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: velto_list DIR [/T]\n");
    return 2;
  }
  CChargeRep job;
  job.baseDir = argv[1];
  if (job.baseDir.back() != '\\') job.baseDir += '\\';
  job.recursive = argc > 2 && lstrcmpiA(argv[2], "/T") == 0;
  job.Execute();
  for (const CFichier& e : job.results)
    std::printf("%-40s %-14s %10s  %-6s %s\n", e.name.c_str(), e.items.Text(kItemNomDos).c_str(),
                e.items.Text(kItemTaille).c_str(), e.ItemText(kItemAttributs).c_str(),
                e.ItemText(kItemType).c_str());
  return 0;
}
