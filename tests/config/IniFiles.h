// Scratch INI files for the configuration tests: each test gets files of its
// own, so the private-profile cache never serves a stale copy.
#pragma once

#include <string>
#include <vector>

// The tests' scratch directory, as a Windows path ending with a backslash.
std::string ScratchDir();
// A new, not yet existing file path in the scratch directory.
std::string NewIniPath(const char* tag);
// The directory of the running test program, ending with a backslash.
std::string ProgramDir();
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
// A key read straight from the file through the private-profile functions;
// "<absent>" when the key is not there.
std::string RawValue(const std::string& path, const char* section, const char* key);

// An argument vector as the runtime hands it to the program.
class CArgs {
 public:
  explicit CArgs(std::vector<std::string> args);
  int argc() const { return static_cast<int>(ptrs_.size()) - 1; }
  char** argv() { return ptrs_.data(); }

 private:
  std::vector<std::string> args_;
  std::vector<char*> ptrs_;
};

// LoadConfig with "/I path".
int LoadFrom(const std::string& path, bool* usingDefault = nullptr);
