// Files made by a test in the scratch directory ctest names
// (VELTO_TEST_ROOT), for the tests that read crafted bytes from disk.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// Path of `leaf` in the scratch directory, after the test group's prefix.
// A test program started by hand, without ctest, writes to the system's
// temporary directory rather than wherever it was started.
inline std::string ScratchFilePath(const std::string& prefix, const std::string& leaf) {
  const char* root = std::getenv("VELTO_TEST_ROOT");
  return (root ? std::string(root) : std::filesystem::temp_directory_path().string()) + "/" + prefix + leaf;
}

// Writes `bytes` to that path and returns it.
inline std::string WriteScratchFile(const std::string& prefix, const std::string& leaf, const std::string& bytes) {
  const std::string path = ScratchFilePath(prefix, leaf);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  EXPECT_NE(f, nullptr) << path;
  if (f) {
    if (!bytes.empty()) {
      EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
    }
    std::fclose(f);
  }
  return path;
}
