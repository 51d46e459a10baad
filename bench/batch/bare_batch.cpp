// The floor a batch run is held to: the directory listing and one MoveFileA
// (or CopyFileA) per file, with nothing else. Names are relative to the
// directory, made current first, as the program's own run does.
//   bare_batch list|rename|copy DIR [/T]
// list: the listing alone (what computing future names has to read);
// rename: each file to "x_" + its name, in its own directory;
// copy: each file copied to "x_" + its name, never overwriting.
// /T lists the sub-directories too, depth first.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Appends the files below sub (relative, ending with a backslash or empty).
void List(const std::string& sub, bool recursive, std::vector<std::string>& files) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((sub + "*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  std::vector<std::string> dirs;
  do {
    const char* n = fd.cFileName;
    if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (recursive) dirs.push_back(sub + n + "\\");
    } else {
      files.push_back(sub + n);
    }
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  for (const std::string& d : dirs) List(d, recursive, files);
}

std::string Target(const std::string& name) {
  const size_t slash = name.rfind('\\');
  const size_t base = slash == std::string::npos ? 0 : slash + 1;
  return name.substr(0, base) + "x_" + name.substr(base);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const std::string mode = argv[1];
  const bool recursive = argc > 3 && std::strcmp(argv[3], "/T") == 0;
  if (!SetCurrentDirectoryA(argv[2])) return 1;
  std::vector<std::string> files;
  List("", recursive, files);
  unsigned long failed = 0;
  for (const std::string& f : files) {
    if (mode == "rename") {
      if (!MoveFileA(f.c_str(), Target(f).c_str())) ++failed;
    } else if (mode == "copy") {
      if (!CopyFileA(f.c_str(), Target(f).c_str(), TRUE)) ++failed;
    }
  }
  std::printf("%lu files, %lu failed\n", static_cast<unsigned long>(files.size()), failed);
  return failed ? 3 : 0;
}
