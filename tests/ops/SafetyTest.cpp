// Randomized data safety: random trees, random colliding expressions' results
// (moves into new directories, swaps, chains, case changes, copies, renames
// into copied trees), then undo all, redo all, undo all, with "another
// program" creating and deleting files of its own between the steps in half
// of the runs. No file content, ours or the other program's, may ever be lost
// or overwritten; when nobody else touched the tree, each undo-all must give
// back the original files byte for byte.
#include <chrono>
#include <cstdlib>
#include <random>
#include <set>

#include "OpsFixture.h"

namespace {

class Safety : public OpsFixture {};

// Every content that must live is still somewhere, and no file holds
// anything but a known content.
::testing::AssertionResult NothingLost(const std::set<std::string>& live, const std::set<std::string>& known,
                                       const std::map<std::string, std::string>& now) {
  std::set<std::string> seen;
  for (const auto& f : now) {
    if (!known.count(f.second)) return ::testing::AssertionFailure() << f.first << " holds foreign data";
    seen.insert(f.second);
  }
  for (const auto& c : live)
    if (!seen.count(c)) return ::testing::AssertionFailure() << "lost: " << c;
  return ::testing::AssertionSuccess();
}

// The other program: makes a file of its own where a name is free, or deletes
// one it made that is still where it put it.
class CIntrus {
 public:
  CIntrus(const TempTree& t, std::set<std::string>& live, std::set<std::string>& known)
      : t_(t), live_(live), known_(known) {}
  void Act(std::mt19937& rng, int tag) {
    static const char* names[] = {"a.txt", "b.jpg", "x", "f0.jpg", "f1.txt", "cp\\tree\\a.txt", "d1\\b.txt"};
    const std::string name = names[rng() % 7];
    auto mine = made_.find(name);
    if (mine != made_.end()) {
      if (t_.Read(name) == mine->second && FsDeleteFile(t_.Path(name))) {
        live_.erase(mine->second);
        made_.erase(mine);
      }
      return;
    }
    const std::string content = "intruder " + std::to_string(tag) + " " + name;
    if (t_.Exists(name) || !t_.File(name, content)) return;  // taken, or no such directory
    made_[name] = content;
    live_.insert(content);
    known_.insert(content);
  }

 private:
  const TempTree& t_;
  std::set<std::string>& live_;
  std::set<std::string>& known_;
  std::map<std::string, std::string> made_;
};

std::string RandomName(std::mt19937& rng) {
  static const char* bases[] = {"a", "b", "c", "A", "B", "x", "y", "d1\\a", "d1\\b", "D1\\x", "d2\\d3\\a",
                                "cp\\tree\\a", "CP\\tree\\in\\b"};
  static const char* exts[] = {".txt", ".TXT", ".jpg", ""};
  return std::string(bases[rng() % 13]) + exts[rng() % 4];
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
    ChangeDirectory(t.Root());
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
      t.File("tree\\inside", "inside " + std::to_string(iterations), TempTree::kReadOnly);
      files.push_back({"tree", ""});
    }
    const auto original = t.Snapshot();
    std::set<std::string> live, known;
    for (const auto& f : original) live.insert(f.second);
    known = live;
    CIntrus other(t, live, known);
    const bool meddle = rng() % 2 == 0;
    auto meanwhile = [&]() {
      if (meddle && rng() % 2 == 0) other.Act(rng, iterations);
    };
    Select(files);
    history.Clear();
    const int steps = 1 + static_cast<int>(rng() % 4);
    for (int s = 0; s < steps; ++s) {
      for (CFichier& e : entries) {
        // Chains and swaps come from names of other entries; a directory is
        // often copied to cp\tree, where later steps move files into it.
        const int pick = static_cast<int>(rng() % 4);
        e.futureName = pick == 0 ? entries[rng() % entries.size()].name : RandomName(rng);
        if (e.isDir && rng() % 2) e.futureName = "cp\\tree";
      }
      std::shuffle(selection.begin(), selection.end(), rng);
      Run(rng() % 4 == 0 ? COpKind::Copy : COpKind::Rename);
      ASSERT_TRUE(NothingLost(live, known, t.Snapshot())) << "iteration " << iterations;
      meanwhile();
    }
    COpStats st;
    for (int round = 0; round < 3; ++round) {
      const bool undo = round % 2 == 0;
      int failures = 0;
      while ((undo ? Undo(entries, history, callbacks, st) : Redo(entries, history, callbacks, st)) == 0) {
        failures += st.failures;
        ASSERT_TRUE(NothingLost(live, known, t.Snapshot())) << "iteration " << iterations;
        meanwhile();
      }
      // An undo-all that reported no failure gives back the original tree.
      // (One can fail without losing anything: a directory created for a
      // future name stays after its undo and may take back a name.)
      if (undo && !meddle && failures == 0) {
        ASSERT_EQ(t.Snapshot(), original) << "iteration " << iterations << " round " << round;
      }
    }
    ASSERT_TRUE(NothingLost(live, known, t.Snapshot())) << "iteration " << iterations;
    ++iterations;
  }
  RecordProperty("iterations", iterations);
  std::printf("data-safety iterations: %d\n", iterations);
  EXPECT_GT(iterations, 0);
}
