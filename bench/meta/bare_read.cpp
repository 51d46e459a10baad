// The floor of reading a directory's metadata: list the directory and, for
// every file, one CreateFileA, one ReadFile of the head a reader needs and
// one CloseHandle.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string dir = argv[1];
  const DWORD head = argc > 2 ? static_cast<DWORD>(std::atol(argv[2])) : 65536;
  std::vector<char> buf(head);
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return 1;
  unsigned long n = 0;
  unsigned long long bytes = 0;
  do {
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    HANDLE f = CreateFileA((dir + "\\" + fd.cFileName).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) continue;
    DWORD got = 0;
    if (ReadFile(f, buf.data(), head, &got, nullptr)) bytes += got;
    CloseHandle(f);
    ++n;
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  std::printf("%lu files, %llu bytes\n", n, bytes);
  return 0;
}
