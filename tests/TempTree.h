// A scratch directory tree made of real files, removed at the end of a test.
// Paths are Windows path texts on both sides; natively the tree lives under
// the system's temporary directory and goes through the file-system seam.
#pragma once

#include <map>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

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
  // Content of a file, or "<missing>".
  std::string Read(const std::string& rel) const {
    HANDLE h = CreateFileA(Path(rel).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string s;
    char buf[4096];
    DWORD n = 0;
    while (ReadFile(h, buf, sizeof buf, &n, nullptr) && n > 0) s.append(buf, n);
    CloseHandle(h);
    return s;
  }
  bool Exists(const std::string& rel) const {
    return GetFileAttributesA(Path(rel).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  // Every file below the root: relative path -> content.
  std::map<std::string, std::string> Snapshot() const {
    std::map<std::string, std::string> files;
    Walk("", files);
    return files;
  }
  std::string Path(const std::string& rel) const { return root_ + "\\" + rel; }

  void Dir(const std::string& rel) const { CreateDirectoryA(Path(rel).c_str(), nullptr); }
  static constexpr DWORD kReadOnly = FILE_ATTRIBUTE_READONLY;
  // false when the file cannot be made (no such directory, a directory there).
  bool File(const std::string& rel, const std::string& content = "", DWORD attrs = 0) const {
    HANDLE h = CreateFileA(Path(rel).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    if (!content.empty()) WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(h);
    if (attrs) SetFileAttributesA(Path(rel).c_str(), attrs);
    return true;
  }

 private:
  void Walk(const std::string& rel, std::map<std::string, std::string>& files) const {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((root_ + "\\" + rel + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
      const std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        Walk(rel + name + "\\", files);
      else
        files[rel + name] = Read(rel + name);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  // Through the wide functions: a name the code page cannot hold (which
  // some tests make on purpose) would otherwise stay behind, and a later
  // test process given the same id would find its tree already there.
  static void Remove(const std::string& dir) {
    const int n = MultiByteToWideChar(CP_ACP, 0, dir.c_str(), -1, nullptr, 0);
    if (n <= 0) return;
    std::wstring wide(static_cast<size_t>(n - 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, dir.c_str(), -1, &wide[0], n);
    Remove(wide);
  }
  static void Remove(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring full = dir + L"\\" + name;
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          Remove(full);
        else
          DeleteFileW(full.c_str());
      } while (FindNextFileW(h, &fd));
      FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
  }
  std::string root_;
};
#else
#include <unistd.h>

#include <cstdlib>

#include "os/OsFile.h"
#include "os/OsFs.h"

class TempTree {
 public:
  TempTree() {
    static int counter = 0;
    const char* tmp = getenv("TMPDIR");
    root_ = std::string(tmp && *tmp ? tmp : "/tmp") + "/vt" + std::to_string(getpid()) + "_" +
            std::to_string(++counter);
    FsCreateDirectory(root_);
  }
  ~TempTree() { Remove(root_); }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  const std::string& Root() const { return root_; }
  std::string Read(const std::string& rel) const {
    COsFile f;
    if (f.OpenRead(Native(Path(rel)).c_str()) != 0) return "<missing>";
    std::string s;
    char buf[4096];
    uint32_t n = 0;
    while (f.Read(buf, sizeof buf, &n) == 0 && n > 0) s.append(buf, n);
    return s;
  }
  bool Exists(const std::string& rel) const {
    CFsStat st;
    return FsStat(Path(rel), &st);
  }
  std::map<std::string, std::string> Snapshot() const {
    std::map<std::string, std::string> files;
    Walk("", files);
    return files;
  }
  std::string Path(const std::string& rel) const { return root_ + "\\" + rel; }

  void Dir(const std::string& rel) const { FsCreateDirectory(Path(rel)); }
  static constexpr uint32_t kReadOnly = 0x1;
  bool File(const std::string& rel, const std::string& content = "", uint32_t attrs = 0) const {
    COsFile f;
    if (f.OpenWrite(Native(Path(rel)).c_str(), true) != 0) return false;
    uint32_t put = 0;
    if (!content.empty()) f.Write(content.data(), static_cast<uint32_t>(content.size()), &put);
    f.Close();
    if (attrs & kReadOnly) FsSetReadOnly(Path(rel), true);
    return true;
  }

 private:
  static std::string Native(std::string path) {
    for (char& c : path)
      if (c == '\\') c = '/';
    return path;
  }
  void Walk(const std::string& rel, std::map<std::string, std::string>& files) const {
    std::vector<std::string> names;
    FsListDirectory(Path(rel), &names);
    for (const std::string& name : names) {
      CFsStat st;
      if (!FsStat(Path(rel + name), &st)) continue;
      if (st.isDir)
        Walk(rel + name + "\\", files);
      else
        files[rel + name] = Read(rel + name);
    }
  }
  static void Remove(const std::string& dir) {
    std::vector<std::string> names;
    FsListDirectory(dir, &names);
    FsSetReadOnly(dir, false);
    for (const std::string& name : names) {
      const std::string full = dir + "\\" + name;
      CFsStat st;
      if (!FsStat(full, &st)) continue;
      FsSetReadOnly(full, false);
      if (st.isDir)
        Remove(full);
      else
        FsDeleteFile(full);
    }
    FsRemoveDirectory(dir);
  }
  std::string root_;
};
#endif
