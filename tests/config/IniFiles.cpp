#include "config/IniFiles.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "config/CConfig.h"

std::string ScratchDir() {
  const char* root = std::getenv("VELTO_TEST_ROOT");
  std::string dir = root ? root : ".";
  // A Unix path reaches the program unchanged; Wine maps "/" to drive Z:.
  if (!dir.empty() && dir[0] == '/') dir = "Z:" + dir;
  for (char& c : dir)
    if (c == '/') c = '\\';
  dir += "\\config";
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir + "\\";
}

std::string NewIniPath(const char* tag) {
  static int counter = 0;
  std::ostringstream name;
  name << ScratchDir() << tag << '_' << GetCurrentProcessId() << '_' << ++counter << ".ini";
  const std::string path = name.str();
  DeleteFileA(path.c_str());
  DeleteFileA((path + ".bak").c_str());
  return path;
}

std::string ProgramDir() {
  char buf[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, buf, sizeof buf);
  std::string p(buf, n);
  return p.substr(0, p.rfind('\\') + 1);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string RawValue(const std::string& path, const char* section, const char* key) {
  char buf[2048];
  const DWORD n = GetPrivateProfileStringA(section, key, "<absent>", buf, sizeof buf, path.c_str());
  return std::string(buf, n);
}

CArgs::CArgs(std::vector<std::string> args) : args_(std::move(args)) {
  for (std::string& a : args_) ptrs_.push_back(&a[0]);
  ptrs_.push_back(nullptr);
}

int LoadFrom(const std::string& path, bool* usingDefault) {
  CArgs args({"velto.exe", "/I", path});
  bool def = true;
  const int rc = LoadConfig(args.argc(), args.argv(), &def);
  if (usingDefault) *usingDefault = def;
  return rc;
}
