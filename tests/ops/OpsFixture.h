// A scratch tree made the process current directory, and entries over it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempTree.h"
#include "files/CFichier.h"
#include "ops/COperation.h"

class OpsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    previous_ = cwd;
    SetCurrentDirectoryA(tree.Root().c_str());
  }
  void TearDown() override { SetCurrentDirectoryA(previous_.c_str()); }

  // One entry per name, all selected in the given order, with future names.
  void Select(const std::vector<std::pair<std::string, std::string>>& names) {
    entries.clear();
    selection.clear();
    for (const auto& n : names) {
      CFichier e;
      e.name = n.first;
      e.futureName = n.second;
      e.isDir = (GetFileAttributesA(n.first.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
                GetFileAttributesA(n.first.c_str()) != INVALID_FILE_ATTRIBUTES;
      e.selOrder = static_cast<int>(entries.size());
      selection.push_back(static_cast<int>(entries.size()));
      entries.push_back(e);
    }
  }
  int Run(COpKind kind) { return RunOperation(entries, selection, history, kind, callbacks, stats); }

  TempTree tree;
  std::vector<CFichier> entries;
  std::vector<int> selection;
  CHistorique history;
  COpCallbacks callbacks;
  COpStats stats;

 private:
  std::string previous_;
};
