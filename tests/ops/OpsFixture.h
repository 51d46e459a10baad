// A scratch tree made the process current directory, and entries over it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempTree.h"
#include "files/CFichier.h"
#include "ops/COperation.h"
#include "os/CurrentDir.h"
#include "os/OsFs.h"

class OpsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = CurrentDirectory();
    ChangeDirectory(tree.Root());
  }
  void TearDown() override { ChangeDirectory(previous_); }

  // One entry per name, all selected in the given order, with future names.
  void Select(const std::vector<std::pair<std::string, std::string>>& names) {
    entries.clear();
    selection.clear();
    for (const auto& n : names) {
      CFichier e;
      e.name = n.first;
      e.futureName = n.second;
      e.isDir = IsDirectory(n.first);
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
