// Rename, copy, undo and redo on real files under the system's own calls.
#include "OpsFixture.h"

namespace {

class Operation : public OpsFixture {};

}  // namespace

TEST_F(Operation, RenameOutcomes) {
  struct Case {
    const char* label;
    std::vector<std::pair<std::string, std::string>> files;  // name, future name
    std::vector<int> results;                                // per entry: 0 ok, 1 failed, -2 unchanged
    int failures;
    int steps;  // steps kept in the history
    std::map<std::string, std::string> after;
  };
  const Case cases[] = {
      {"into a new sub-directory", {{"a.txt", "new\\deeper\\a.txt"}}, {0}, 0, 1,
       {{"new\\deeper\\a.txt", "A"}, {"b.txt", "B"}}},
      {"same future name", {{"a.txt", "x.txt"}, {"b.txt", "x.txt"}}, {0, 1}, 1, 1,
       {{"x.txt", "A"}, {"b.txt", "B"}}},
      {"swap", {{"a.txt", "b.txt"}, {"b.txt", "a.txt"}}, {1, 1}, 2, 0, {{"a.txt", "A"}, {"b.txt", "B"}}},
      {"chain", {{"b.txt", "c.txt"}, {"a.txt", "b.txt"}}, {0, 0}, 0, 1, {{"c.txt", "B"}, {"b.txt", "A"}}},
      {"unchanged", {{"a.txt", "a.txt"}}, {-2}, 0, 0, {{"a.txt", "A"}, {"b.txt", "B"}}},
      {"case only", {{"a.txt", "A.TXT"}}, {0}, 0, 1, {{"A.TXT", "A"}, {"b.txt", "B"}}},
      {"empty future name", {{"a.txt", ""}}, {-1}, 0, 0, {{"a.txt", "A"}, {"b.txt", "B"}}},
      {"vanished", {{"gone.txt", "x.txt"}, {"a.txt", "y.txt"}}, {1, 0}, 1, 1, {{"y.txt", "A"}, {"b.txt", "B"}}},
      {"device name", {{"a.txt", "CON"}, {"b.txt", "sub\\nul.txt"}}, {1, 1}, 2, 0,
       {{"a.txt", "A"}, {"b.txt", "B"}}},
      {"300 characters", {{"a.txt", std::string(300, 'z') + ".txt"}}, {1}, 1, 0, {{"a.txt", "A"}, {"b.txt", "B"}}},
  };
  for (const Case& c : cases) {
    TempTree t;
    ChangeDirectory(t.Root());
    t.File("a.txt", "A");
    t.File("b.txt", "B");
    Select(c.files);
    history.Clear();
    ASSERT_EQ(Run(COpKind::Rename), 0) << c.label;
    EXPECT_EQ(stats.failures, c.failures) << c.label;
    EXPECT_EQ(history.Count(), c.steps) << c.label;
    for (size_t i = 0; i < entries.size(); ++i) {
      const bool recorded = entries[i].history.count(1) > 0;
      EXPECT_EQ(recorded, c.results[i] == 0) << c.label << " entry " << i;
      EXPECT_EQ(entries[i].lastError != 0, c.results[i] == 1) << c.label << " entry " << i;
      if (c.results[i] == 0) { EXPECT_EQ(entries[i].name, c.files[i].second) << c.label; }
    }
    EXPECT_EQ(t.Snapshot(), c.after) << c.label;
  }
}

TEST_F(Operation, ErrorCodesOfFailures) {
  tree.File("a.txt", "A");
  tree.File("b.txt", "B");
  Select({{"a.txt", "b.txt"}, {"b.txt", "CON"}, {"missing.txt", "m.txt"}});
  Run(COpKind::Rename);
  EXPECT_TRUE(entries[0].lastError == kFsAlreadyExists || entries[0].lastError == kFsFileExists)
      << entries[0].lastError;
  EXPECT_EQ(entries[1].lastError, kFsInvalidName);
  EXPECT_EQ(entries[2].lastError, kFsFileNotFound);
}

#ifdef _WIN32
// Only Windows refuses to rename a file another handle holds without sharing.
TEST_F(Operation, FileHeldOpenWithoutSharing) {
  tree.File("locked.txt", "L");
  tree.File("free.txt", "F");
  HANDLE h = CreateFileA("locked.txt", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  Select({{"locked.txt", "l2.txt"}, {"free.txt", "f2.txt"}});
  Run(COpKind::Rename);
  CloseHandle(h);
  EXPECT_EQ(entries[0].lastError, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_EQ(entries[1].lastError, 0u);
  EXPECT_EQ(tree.Read("locked.txt"), "L");
  EXPECT_EQ(tree.Read("f2.txt"), "F");
}
#endif

TEST_F(Operation, CopyNeverOverwrites) {
  tree.File("a.txt", "A");
  tree.File("b.txt", "B");
  Select({{"a.txt", "b.txt"}, {"a.txt", "c\\a copy.txt"}});
  Run(COpKind::Copy);
  EXPECT_EQ(stats.failures, 1);
  EXPECT_EQ(tree.Read("b.txt"), "B");
  EXPECT_EQ(tree.Read("c\\a copy.txt"), "A");
  EXPECT_EQ(entries[1].name, "a.txt");  // a copy leaves the entry's name alone
}

TEST_F(Operation, CopyOfATreeWithReadOnlyFilesAndItsUndo) {
  tree.Dir("album");
  tree.Dir("album\\cd1");
  tree.File("album\\cd1\\t1.mp3", "T1", TempTree::kReadOnly);
  tree.File("album\\cover.jpg", "C", TempTree::kReadOnly);
  Select({{"album", "backup\\album"}});
  Run(COpKind::Copy);
  EXPECT_EQ(stats.failures, 0);
  EXPECT_EQ(tree.Read("backup\\album\\cd1\\t1.mp3"), "T1");
  COpStats s;
  ASSERT_EQ(Undo(entries, history, callbacks, s), 0);
  EXPECT_EQ(s.failures, 0);
  EXPECT_FALSE(tree.Exists("backup\\album"));
  EXPECT_TRUE(tree.Exists("backup"));  // created directories stay
  EXPECT_EQ(tree.Read("album\\cd1\\t1.mp3"), "T1");
  // Redo copies it again.
  ASSERT_EQ(Redo(entries, history, callbacks, s), 0);
  EXPECT_EQ(tree.Read("backup\\album\\cover.jpg"), "C");
}

TEST_F(Operation, DirectoryIntoItsOwnTreeIsRefused) {
  tree.Dir("photos");
  tree.File("photos\\p.jpg", "P");
  for (COpKind kind : {COpKind::Rename, COpKind::Copy}) {
    Select({{"photos", "photos\\photos"}, {"photos", "PHOTOS\\x\\y"}});
    history.Clear();
    Run(kind);
    for (const CFichier& e : entries) EXPECT_EQ(e.lastError, kFsBadPathname) << static_cast<int>(kind);
    EXPECT_EQ(stats.failures, 2);
    EXPECT_EQ(history.Count(), 0);
    // Nothing was created.
    EXPECT_EQ(tree.Snapshot(), (std::map<std::string, std::string>{{"photos\\p.jpg", "P"}}));
    EXPECT_FALSE(tree.Exists("photos\\photos"));
    EXPECT_FALSE(tree.Exists("photos\\x"));
  }
  // A sibling whose name merely begins with the directory's name is fine.
  Select({{"photos", "photos2\\photos"}});
  Run(COpKind::Copy);
  EXPECT_EQ(stats.failures, 0);
  EXPECT_EQ(tree.Read("photos2\\photos\\p.jpg"), "P");
}

TEST_F(Operation, UndoRedoRoundTrip) {
  tree.File("a.txt", "A");
  tree.File("b.txt", "B");
  Select({{"a.txt", "sub\\a1.txt"}, {"b.txt", "b1.txt"}});
  Run(COpKind::Rename);
  // Step 2 renames only a.
  entries[0].futureName = "a2.txt";
  selection = {0};
  Run(COpKind::Rename);
  ASSERT_EQ(history.Count(), 2);
  COpStats s;
  ASSERT_EQ(Undo(entries, history, callbacks, s), 0);
  EXPECT_EQ(tree.Snapshot(), (std::map<std::string, std::string>{{"sub\\a1.txt", "A"}, {"b1.txt", "B"}}));
  ASSERT_EQ(Undo(entries, history, callbacks, s), 0);
  EXPECT_EQ(tree.Snapshot(), (std::map<std::string, std::string>{{"a.txt", "A"}, {"b.txt", "B"}}));
  EXPECT_TRUE(tree.Exists("sub"));  // undo leaves created directories in place
  EXPECT_EQ(Undo(entries, history, callbacks, s), -1);
  ASSERT_EQ(Redo(entries, history, callbacks, s), 0);
  ASSERT_EQ(Redo(entries, history, callbacks, s), 0);
  EXPECT_EQ(Redo(entries, history, callbacks, s), -1);
  EXPECT_EQ(history.Position(), 2);
  EXPECT_EQ(tree.Snapshot(), (std::map<std::string, std::string>{{"a2.txt", "A"}, {"b1.txt", "B"}}));
}

TEST_F(Operation, NewOperationDiscardsUndoneSteps) {
  tree.File("a.txt", "A");
  tree.File("c.txt", "C");
  Select({{"a.txt", "b.txt"}, {"c.txt", "d.txt"}});
  selection = {0};
  Run(COpKind::Rename);
  COpStats s;
  Undo(entries, history, callbacks, s);
  selection = {1};
  Run(COpKind::Rename);
  EXPECT_EQ(history.Count(), 1);
  EXPECT_TRUE(entries[0].history.empty());  // the undone step's record is gone
  Undo(entries, history, callbacks, s);
  EXPECT_EQ(Undo(entries, history, callbacks, s), -1);
  EXPECT_EQ(tree.Snapshot(), (std::map<std::string, std::string>{{"a.txt", "A"}, {"c.txt", "C"}}));
}

TEST_F(Operation, UndoNeverDeletesAFileItsStepDidNotMake) {
  tree.File("a.txt", "A");
  Select({{"a.txt", "b.txt"}});
  Run(COpKind::Copy);
  COpStats s;
  Undo(entries, history, callbacks, s);
  EXPECT_FALSE(tree.Exists("b.txt"));
  tree.File("b.txt", "someone else's");
  Redo(entries, history, callbacks, s);  // fails: b.txt exists
  EXPECT_EQ(s.failures, 1);
  Undo(entries, history, callbacks, s);
  EXPECT_EQ(tree.Read("b.txt"), "someone else's");
}

TEST_F(Operation, UndoOfACopyLeavesWhatOthersPutInIt) {
  tree.Dir("album");
  tree.File("album\\cover.jpg", "C");
  tree.File("album\\t1.mp3", "T1");
  tree.File("x.jpg", "mine");
  Select({{"album", "backup\\album"}, {"x.jpg", "backup\\album\\x.jpg"}});
  selection = {0};
  Run(COpKind::Copy);
  selection = {1};
  Run(COpKind::Rename);
  ASSERT_EQ(history.Count(), 2);
  tree.File("x.jpg", "camera import");
  tree.File("backup\\album\\t1.mp3", "edited");
  COpStats s;
  ASSERT_EQ(Undo(entries, history, callbacks, s), 0);  // x.jpg is taken: step 2 fails
  EXPECT_EQ(s.failures, 1);
  ASSERT_EQ(Undo(entries, history, callbacks, s), 0);
  EXPECT_EQ(s.failures, 2);  // the edited copy and the directory holding others' files
  EXPECT_EQ(tree.Snapshot(), (std::map<std::string, std::string>{{"album\\cover.jpg", "C"},
                                                                   {"album\\t1.mp3", "T1"},
                                                                   {"x.jpg", "camera import"},
                                                                   {"backup\\album\\x.jpg", "mine"},
                                                                   {"backup\\album\\t1.mp3", "edited"}}));
}

TEST_F(Operation, AnOperationThatChangesNothingKeepsTheRedoSteps) {
  tree.File("a.txt", "A");
  tree.File("b.txt", "B");
  Select({{"a.txt", "a2.txt"}, {"b.txt", "a.txt"}});
  selection = {0};
  Run(COpKind::Rename);
  COpStats s;
  Undo(entries, history, callbacks, s);
  selection = {1};
  Run(COpKind::Rename);  // a.txt is back: b.txt cannot take its name
  EXPECT_EQ(stats.failures, 1);
  EXPECT_EQ(history.Count(), 1);
  ASSERT_EQ(Redo(entries, history, callbacks, s), 0);
  EXPECT_EQ(tree.Snapshot(), (std::map<std::string, std::string>{{"a2.txt", "A"}, {"b.txt", "B"}}));
}

TEST_F(Operation, CaseOnlyRenameOfTheLongestNameThatFits) {
  // The full path of the longest name is one short of the ANSI calls' limit.
  const size_t room = kFsMaxPath - 1 - (tree.Root().size() + 1);
  const std::string name = std::string(std::min<size_t>(room, 250) - 4, 'q') + ".txt";
  std::string upper = name;
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  tree.File(name, "L");
  Select({{name, upper}});
  Run(COpKind::Rename);
  EXPECT_EQ(stats.failures, 0) << entries[0].lastError;
  EXPECT_EQ(entries[0].name, upper);
  EXPECT_EQ(tree.Snapshot(), (std::map<std::string, std::string>{{upper, "L"}}));
}
