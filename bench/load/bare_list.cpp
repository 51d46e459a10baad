// Lists a directory with the bare find loop and nothing else.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string pattern = std::string(argv[1]) + "\\*";
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return 1;
  unsigned long n = 0;
  do ++n;
  while (FindNextFileA(h, &fd));
  FindClose(h);
  std::printf("%lu\n", n);
  return 0;
}
