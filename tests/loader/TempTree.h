// A scratch directory tree made of real files, removed at the end of a test.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TempTree {
 public:
  TempTree() {
    char tmp[MAX_PATH];
    GetTempPathA(sizeof tmp, tmp);
    static int counter = 0;
    root_ = std::string(tmp) + "vt" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
    CreateDirectoryA(root_.c_str(), nullptr);
  }
  ~TempTree() { Remove(root_); }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  const std::string& Root() const { return root_; }
  std::string Path(const std::string& rel) const { return root_ + "\\" + rel; }

  void Dir(const std::string& rel) const { CreateDirectoryA(Path(rel).c_str(), nullptr); }
  void File(const std::string& rel, const std::string& content = "", DWORD attrs = 0) const {
    HANDLE h = CreateFileA(Path(rel).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    if (!content.empty()) WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(h);
    if (attrs) SetFileAttributesA(Path(rel).c_str(), attrs);
  }

 private:
  static void Remove(const std::string& dir) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = fd.cFileName;
        if (name == "." || name == "..") continue;
        const std::string full = dir + "\\" + name;
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          Remove(full);
        else
          DeleteFileA(full.c_str());
      } while (FindNextFileA(h, &fd));
      FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
  }
  std::string root_;
};
