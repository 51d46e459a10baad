// Randomized data safety: random trees, random colliding expressions' results
// (moves into new directories, swaps, chains, case changes, copies), then undo
// all, redo all, undo all. No file content may ever be lost or overwritten, and
// each undo-all must give back the original files byte for byte.
#include <chrono>
#include <cstdlib>
#include <random>
#include <set>

#include "OpsFixture.h"

namespace {

class Safety : public OpsFixture {};

// Every original content is still somewhere, and no file holds anything else.
::testing::AssertionResult NothingLost(const std::map<std::string, std::string>& original,
                                       const std::map<std::string, std::string>& now) {
  std::set<std::string> contents;
  for (const auto& f : original) contents.insert(f.second);
  std::set<std::string> seen;
  for (const auto& f : now) {
    if (!contents.count(f.second)) return ::testing::AssertionFailure() << f.first << " holds foreign data";
    seen.insert(f.second);
  }
  if (seen.size() != contents.size()) return ::testing::AssertionFailure() << "a content was lost";
  return ::testing::AssertionSuccess();
}

std::string RandomName(std::mt19937& rng) {
  static const char* bases[] = {"a", "b", "c", "A", "B", "x", "y", "d1\\a", "d1\\b", "D1\\x", "d2\\d3\\a"};
  static const char* exts[] = {".txt", ".TXT", ".jpg", ""};
  return std::string(bases[rng() % 11]) + exts[rng() % 4];
}

}  // namespace

TEST_F(Safety, RandomOperationsNeverLoseData) {
  const char* env = std::getenv("VELTO_SAFETY_SECONDS");
  const double seconds = env ? std::atof(env) : 15.0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  std::mt19937 rng(20061225);
  int iterations = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    TempTree t;
    SetCurrentDirectoryA(t.Root().c_str());
    std::vector<std::pair<std::string, std::string>> files;
    const int count = 2 + static_cast<int>(rng() % 5);
    std::set<std::string> used;
    for (int i = 0; i < count; ++i) {
      std::string name = "f" + std::to_string(i) + (i % 2 ? ".txt" : ".jpg");
      t.File(name, "content " + std::to_string(iterations) + "/" + std::to_string(i));
      files.push_back({name, ""});
    }
    if (rng() % 2) {
      t.Dir("tree");
      t.File("tree\\inside", "inside " + std::to_string(iterations), FILE_ATTRIBUTE_READONLY);
      files.push_back({"tree", ""});
    }
    const auto original = t.Snapshot();
    Select(files);
    history.Clear();
    const int steps = 1 + static_cast<int>(rng() % 4);
    for (int s = 0; s < steps; ++s) {
      for (CFichier& e : entries) {
        // Chains and swaps come from names of other entries.
        const int pick = static_cast<int>(rng() % 4);
        e.futureName = pick == 0 ? entries[rng() % entries.size()].name : RandomName(rng);
      }
      std::shuffle(selection.begin(), selection.end(), rng);
      Run(rng() % 4 == 0 ? COpKind::Copy : COpKind::Rename);
      ASSERT_TRUE(NothingLost(original, t.Snapshot())) << "iteration " << iterations;
    }
    COpStats st;
    for (int round = 0; round < 3; ++round) {
      if (round % 2 == 0) {
        while (Undo(entries, history, callbacks, st) == 0)
          ASSERT_TRUE(NothingLost(original, t.Snapshot())) << "iteration " << iterations;
        ASSERT_EQ(t.Snapshot(), original) << "iteration " << iterations << " round " << round;
      } else {
        while (Redo(entries, history, callbacks, st) == 0)
          ASSERT_TRUE(NothingLost(original, t.Snapshot())) << "iteration " << iterations;
      }
    }
    ++iterations;
  }
  RecordProperty("iterations", iterations);
  std::printf("data-safety iterations: %d\n", iterations);
  EXPECT_GT(iterations, 0);
}
