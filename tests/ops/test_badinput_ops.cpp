// Renames and copies to targets the file system refuses, on real trees: each
// failure keeps its own Win32 code, the other entries proceed, nothing is
// overwritten, and undoing the step restores the tree byte for byte (redo
// then makes the same successful part again).
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "OpsFixture.h"
#include "ops/CFsHelpers.h"

namespace {

const DWORD kNotTried = 0xFFFFFFFF;  // empty future name or the current name

struct BadCase {
  const char* label;
  COpKind kind;
  std::vector<std::pair<std::string, std::string>> ops;  // name, future name
  std::vector<DWORD> codes;                               // per entry: last error, 0 done
};

class BadInputOps : public OpsFixture {
 protected:
  // The same tree for every case: distinct contents, a read-only directory
  // holding a file, a directory with a file, a plain file named like a
  // directory of a target.
  void MakeTree(const TempTree& t) {
    t.File("a.txt", "A");
    t.File("b.txt", "B");
    t.File("c.txt", "C");
    t.Dir("dd");
    t.File("dd\\f.txt", "F");
    t.Dir("ro");
    t.File("ro\\b.txt", "old");
    SetFileAttributesA(t.Path("ro").c_str(), FILE_ATTRIBUTE_READONLY);
    t.File("blk", "K");
  }

  void Check(const BadCase& c) {
    TempTree t;
    SetCurrentDirectoryA(t.Root().c_str());
    MakeTree(t);
    const auto original = t.Snapshot();
    Select(c.ops);
    history.Clear();
    ASSERT_EQ(Run(c.kind), 0) << c.label;
    int failures = 0;
    bool anyDone = false;
    for (size_t i = 0; i < entries.size(); ++i) {
      const DWORD want = c.codes[i];
      if (want == kNotTried) {
        EXPECT_EQ(entries[i].history.count(1), 0u) << c.label << " entry " << i;
        continue;
      }
      EXPECT_EQ(entries[i].lastError, want) << c.label << " entry " << i << " -> " << c.ops[i].second;
      EXPECT_EQ(entries[i].history.count(1), want == 0 ? 1u : 0u) << c.label << " entry " << i;
      if (want != 0) ++failures;
      anyDone = anyDone || want == 0;
    }
    EXPECT_EQ(stats.failures, failures) << c.label;
    EXPECT_EQ(history.Count(), anyDone ? 1 : 0) << c.label;
    // What succeeded carries its source's bytes; every source that failed,
    // and every file that was there before, is untouched unless renamed away.
    const auto after = t.Snapshot();
    for (size_t i = 0; i < entries.size(); ++i) {
      const std::string& from = c.ops[i].first;
      if (!original.count(from)) continue;
      const std::string& holder = c.codes[i] == 0 ? c.ops[i].second : from;
      EXPECT_EQ(t.Read(holder), original.at(from)) << c.label << " entry " << i;
    }
    for (const auto& f : original) {
      if (!MovedAway(c, f.first)) {
        EXPECT_EQ(t.Read(f.first), f.second) << c.label << ": " << f.first;
      }
    }
    if (!anyDone) {
      EXPECT_EQ(after, original) << c.label;
      return Cleanup(t);
    }
    COpStats s;
    ASSERT_EQ(Undo(entries, history, callbacks, s), 0) << c.label;
    EXPECT_EQ(s.failures, 0) << c.label;
    EXPECT_EQ(t.Snapshot(), original) << c.label << " after undo";
    ASSERT_EQ(Redo(entries, history, callbacks, s), 0) << c.label;
    EXPECT_EQ(s.failures, 0) << c.label;
    EXPECT_EQ(t.Snapshot(), after) << c.label << " after redo";
    ASSERT_EQ(Undo(entries, history, callbacks, s), 0) << c.label;
    EXPECT_EQ(t.Snapshot(), original) << c.label << " after the second undo";
    Cleanup(t);
  }

  // True when a rename of the case took path (or the directory holding it)
  // to another name.
  static bool MovedAway(const BadCase& c, const std::string& path) {
    if (c.kind != COpKind::Rename) return false;
    for (size_t i = 0; i < c.ops.size(); ++i) {
      const std::string& from = c.ops[i].first;
      if (c.codes[i] == 0 && (path == from || path.rfind(from + "\\", 0) == 0)) return true;
    }
    return false;
  }

  void Cleanup(const TempTree& t) {
    SetFileAttributesA(t.Path("ro").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetCurrentDirectoryA(tree.Root().c_str());
  }
};

}  // namespace

TEST_F(BadInputOps, ReservedDeviceNames) {
  const BadCase cases[] = {
      {"device names", COpKind::Rename,
       {{"a.txt", "CON"}, {"b.txt", "nul"}, {"c.txt", "COM1"}, {"blk", "con.txt"}},
       {ERROR_INVALID_NAME, ERROR_INVALID_NAME, ERROR_INVALID_NAME, ERROR_INVALID_NAME}},
      {"device names in a path, and near misses", COpKind::Rename,
       {{"a.txt", "aux\\a.txt"}, {"b.txt", "x\\LPT1.log"}, {"c.txt", "CONFIG"}, {"blk", "COM10"}},
       {ERROR_INVALID_NAME, ERROR_INVALID_NAME, 0, 0}},
      {"device names, copy", COpKind::Copy,
       {{"a.txt", "CON"}, {"b.txt", "prn.txt"}, {"c.txt", "copy of c.txt"}},
       {ERROR_INVALID_NAME, ERROR_INVALID_NAME, 0}},
  };
  for (const BadCase& c : cases) Check(c);
}

TEST_F(BadInputOps, VanishedSelection) {
  const BadCase cases[] = {
      {"file gone before the run", COpKind::Rename, {{"gone.txt", "x.txt"}, {"a.txt", "y.txt"}}, {ERROR_FILE_NOT_FOUND, 0}},
      {"directory gone before the run", COpKind::Rename, {{"gone", "x"}, {"dd", "ee"}}, {ERROR_FILE_NOT_FOUND, 0}},
      {"file gone before a copy", COpKind::Copy, {{"gone.txt", "x.txt"}, {"a.txt", "y.txt"}}, {ERROR_FILE_NOT_FOUND, 0}},
  };
  for (const BadCase& c : cases) Check(c);
}

TEST_F(BadInputOps, DotsBlanksAndLength) {
  const std::string n300(300, 'z');
  const BadCase cases[] = {
      {"only spaces", COpKind::Rename, {{"a.txt", "   "}, {"b.txt", "b2.txt"}}, {ERROR_INVALID_NAME, 0}},
      {"dots and spaces", COpKind::Rename, {{"a.txt", ". . "}, {"b.txt", "b2.txt"}}, {ERROR_INVALID_NAME, 0}},
      {"a directory of dots", COpKind::Rename, {{"a.txt", "...\\a.txt"}, {"b.txt", "b2.txt"}}, {ERROR_INVALID_NAME, 0}},
      {"300 characters", COpKind::Rename, {{"a.txt", n300}, {"b.txt", "b2.txt"}}, {ERROR_FILENAME_EXCED_RANGE, 0}},
      {"300 characters, copy", COpKind::Copy, {{"a.txt", n300}, {"b.txt", "b2.txt"}}, {ERROR_FILENAME_EXCED_RANGE, 0}},
      {"300 characters as a directory", COpKind::Rename, {{"a.txt", n300 + "\\a.txt"}, {"b.txt", "b2.txt"}},
       {ERROR_FILENAME_EXCED_RANGE, 0}},
      {"empty and unchanged", COpKind::Rename, {{"a.txt", ""}, {"b.txt", "b.txt"}, {"c.txt", "c2.txt"}},
       {kNotTried, kNotTried, 0}},
  };
  for (const BadCase& c : cases) Check(c);
}

TEST_F(BadInputOps, DestinationsThatCannotTakeTheFile) {
  const BadCase cases[] = {
      {"read-only directory", COpKind::Rename, {{"a.txt", "ro\\a.txt"}, {"b.txt", "ro\\b.txt"}}, {0, ERROR_ALREADY_EXISTS}},
      {"read-only directory, copy", COpKind::Copy, {{"a.txt", "ro\\a.txt"}, {"b.txt", "ro\\b.txt"}},
       {0, ERROR_FILE_EXISTS}},
      {"a file where the directory should be", COpKind::Rename, {{"a.txt", "blk\\a.txt"}, {"b.txt", "blk\\x\\b.txt"}},
       {ERROR_PATH_NOT_FOUND, ERROR_PATH_NOT_FOUND}},
      {"drive that does not exist", COpKind::Rename, {{"a.txt", "Q:\\x\\a.txt"}, {"b.txt", "b2.txt"}}, {ERROR_FILE_NOT_FOUND, 0}},
      {"unreachable UNC share", COpKind::Rename, {{"a.txt", "\\\\nosuchhost\\share\\x"}, {"b.txt", "b2.txt"}}, {ERROR_BAD_DEV_TYPE, 0}},
      {"UNC path without a share", COpKind::Rename, {{"a.txt", "\\\\nosuchhost\\x"}, {"b.txt", "b2.txt"}}, {ERROR_BAD_PATHNAME, 0}},
      {"UNC share, copy", COpKind::Copy, {{"a.txt", "\\\\nosuchhost\\share\\x"}, {"b.txt", "b2.txt"}},
       {ERROR_PATH_NOT_FOUND, 0}},
      {"directory into itself", COpKind::Rename, {{"dd", "dd\\dd"}, {"a.txt", "dd\\a.txt"}}, {ERROR_BAD_PATHNAME, 0}},
      {"directory into itself, copy", COpKind::Copy, {{"dd", "DD\\x\\dd"}, {"a.txt", "dd\\a.txt"}}, {ERROR_BAD_PATHNAME, 0}},
  };
  for (const BadCase& c : cases) Check(c);
}

TEST(NameLimit, Edges) {
  struct Case {
    std::string path;
    DWORD code;
  };
  const std::string c200(200, 'c');
  const Case cases[] = {
      {std::string(255, 'n'), 0},
      {std::string(256, 'n'), ERROR_FILENAME_EXCED_RANGE},
      {"sub\\" + std::string(256, 'n') + "\\x", ERROR_FILENAME_EXCED_RANGE},
      {"C:\\" + c200 + "\\" + std::string(55, 'p'), 0},  // 259 characters
      {"C:\\" + c200 + "\\" + std::string(56, 'p'), ERROR_FILENAME_EXCED_RANGE},
      {".\\a.txt", 0},
      {"..\\a.txt", 0},
      {"a..b", 0},
      {" a", 0},
      {"\\\\host\\share\\x", 0},
      {"...", ERROR_INVALID_NAME},
      {"x\\ \\y", ERROR_INVALID_NAME},
      {". .", ERROR_INVALID_NAME},
  };
  for (const Case& c : cases) {
    unsigned long code = 0;
    EXPECT_EQ(NameLimit(c.path, &code), c.code == 0 ? 0 : c.code == ERROR_INVALID_NAME ? -2 : -1) << c.path;
    EXPECT_EQ(code, c.code) << c.path;
  }
}
