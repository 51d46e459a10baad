// Clipboard and text-file lines: line splitting, when sources are read
// again, UTF-16 files, and sources that are missing, empty, binary or huge.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "../expr/ExprTestUtil.h"
#include "expr/CCalculNoms.h"
#include "expr/CHooksProgramme.h"
#include "expr/CLignes.h"
#include "os/Clipboard.h"
#include "os/OsFile.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using Lines = std::vector<std::string>;

std::string Scratch(const std::string& leaf) {
  const char* root = std::getenv("VELTO_TEST_ROOT");
  return std::string(root ? root : ".") + "/lignes_" + leaf;
}

void Write(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr) << path;
  if (!bytes.empty()) { ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), f), bytes.size()); }
  std::fclose(f);
}

// Evaluates expr over n selected entries with the given sources.
Lines RunOver(CSourcesExternes& sources, const std::string& expr, int n) {
  std::vector<CFichier> entries;
  for (int i = 0; i < n; ++i) entries.push_back(Fichier(EntreeTest{"f" + std::to_string(i) + ".txt"}));
  std::vector<CFichier*> sel;
  for (auto& e : entries) sel.push_back(&e);
  ExprOptions o;
  CHooksProgramme hooks(sources);
  CCalculNoms calc(o, &hooks);
  calc.Calculer(expr, sel);
  Lines out;
  for (const auto& e : entries) out.push_back(e.futureName);
  return out;
}

// A clipboard whose text and availability the test sets.
struct FakeClipboard {
  std::string text;
  int result = 0;
  int reads = 0;
  uint32_t sequence = 0;
  CLignesPressePapier Make() {
    return CLignesPressePapier(
        [this](std::string& t) {
          ++reads;
          t = text;
          return result;
        },
        [this] { return sequence; });
  }
};

}  // namespace

TEST(Lignes, Splitting) {
  const std::string longLine(300, 'x');
  struct Row {
    std::string text;
    Lines expected;
  } rows[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"a\n\nb", {"a", "", "b"}},
      {"\r\n\r\n", {"", ""}},
      {"\n\r", {"", ""}},
      {"x\ty \t  \r\n", {"x y"}},
      {std::string("a\0b", 3), {"a b"}},
      {"\x01\x1f\x7f", {""}},
      {"   ", {""}},
      {longLine + "\nz", {std::string(256, 'x'), "z"}},
      // Blanks are trimmed after the cut at 256 characters.
      {std::string(250, 'y') + std::string(10, ' ') + "w", {std::string(250, 'y')}},
      {"\xe9t\xe9 ", {"\xe9t\xe9"}},
  };
  for (const auto& r : rows) EXPECT_EQ(DecouperLignes(r.text), r.expected) << r.text;
  const Lines l{"a", "b"};
  EXPECT_EQ(LigneNumero(l, 0), "");
  EXPECT_EQ(LigneNumero(l, 2), "b");
  EXPECT_EQ(LigneNumero(l, 3), "");
  EXPECT_EQ(LigneNumero(l, -1), "");
}

TEST(Lignes, Utf16FilesAreConverted) {
  struct Row {
    std::string bytes;
    std::string expected;
  } rows[] = {
      {std::string("\xff\xfe" "a\0\xe9\0\r\0\n\0b\0", 12), "a\xe9\r\nb"},
      {std::string("\xfe\xff" "\0a\0\xe9\0\n\0b", 10), "a\xe9\nb"},
      {std::string("\xfe\xff" "\x20\xac", 4), "\x80"},  // the euro sign
      {std::string("\xff\xfe" "a\0b", 5), "a"},        // an odd last byte is dropped
      {std::string("\xff\xfe", 2), ""},
      {"plain \xe9", "plain \xe9"},
      {std::string("\xef\xbb\xbf" "u", 4), "\xef\xbb\xbf" "u"},  // not UTF-16: taken as ANSI
  };
  for (const auto& r : rows) EXPECT_EQ(TexteFichier(r.bytes), r.expected);
}

TEST(Lignes, ClipboardIsReadOnlyWhenStaleAndOnlyForTheFirstFile) {
  FakeClipboard fake;
  fake.text = "one\r\ntwo\r\nthree";
  CSourcesExternes sources{fake.Make(), CFichiersTexte()};
  EXPECT_EQ(RunOver(sources, "%C", 4), (Lines{"one", "two", "three", ""}));
  EXPECT_EQ(fake.reads, 1);
  EXPECT_EQ(RunOver(sources, "%C2|%C0|%C9", 2), (Lines{"two||", "two||"}));
  EXPECT_EQ(fake.reads, 1) << "a fresh copy is not read again";
  fake.text = "new";
  EXPECT_EQ(RunOver(sources, "%C", 1), (Lines{"one"}));
  sources.pressePapier.MarquerPerime();
  EXPECT_EQ(RunOver(sources, "%C", 1), (Lines{"new"}));
  EXPECT_EQ(fake.reads, 2);
  // A change of the clipboard's sequence number also makes the copy stale.
  fake.text = "seq";
  fake.sequence = 7;
  EXPECT_EQ(RunOver(sources, "%C", 1), (Lines{"seq"}));
  // A clipboard without text gives empty lines; one that cannot be opened too, and stays stale.
  sources.pressePapier.MarquerPerime();
  fake.result = -2;
  EXPECT_EQ(RunOver(sources, "[%C]", 2), (Lines{"[]", "[]"}));
  sources.pressePapier.MarquerPerime();
  fake.result = -1;
  EXPECT_EQ(RunOver(sources, "[%C]", 1), (Lines{"[]"}));
  const int reads = fake.reads;
  fake.result = 0;
  fake.text = "back";
  EXPECT_EQ(RunOver(sources, "%C", 1), (Lines{"back"}));
  EXPECT_EQ(fake.reads, reads + 1);
}

TEST(Lignes, ClipboardOfManyLines) {
  FakeClipboard fake;
  std::string text;
  for (int i = 1; i <= 100000; ++i) text += "line" + std::to_string(i) + "\r\n";
  fake.text = text;
  CSourcesExternes sources{fake.Make(), CFichiersTexte()};
  const Lines got = RunOver(sources, "%C|%C9", 3);
  EXPECT_EQ(got, (Lines{"line1|line9", "line2|line9", "line3|line9"}));
  EXPECT_EQ(sources.pressePapier.Lignes(false).size(), 100000u);
}

TEST(Lignes, TextFilesFollowTheirRules) {
  const std::string a = Scratch("a.txt"), b = Scratch("b.txt");
  Write(a, "a1\na2\na3");
  Write(b, "b1\r\nb2");
  CSourcesExternes sources;
  // No file ever named: empty.
  EXPECT_EQ(RunOver(sources, "[%T]", 2), (Lines{"[]", "[]"}));
  const std::string qa = "{\"" + a + "\"}", qb = "{\"" + b + "\"}";
  EXPECT_EQ(RunOver(sources, "%T" + qa, 4), (Lines{"a1", "a2", "a3", ""}));
  // Without a block the current file is the one named last; %Td takes line d.
  EXPECT_EQ(RunOver(sources, "%T" + qa + "%T" + qb + "|%T|%T1", 2), (Lines{"a1b1|b1|b1", "a2b2|b2|b1"}));
  EXPECT_EQ(RunOver(sources, "%T0|%T2", 1), (Lines{"|b2"}));
  EXPECT_EQ(sources.fichiersTexte.Taille(), 2u);
}

TEST(Lignes, TextFileNamesCompareWithoutCaseAndNewNamesOnlyOnTheFirstFile) {
  const std::string a = Scratch("case.txt");
  Write(a, "c1\nc2");
  CFichiersTexte files;
  EXPECT_EQ(files.Ligne(&a, true, 1), "c1");
  std::string upper = a;
  const size_t leaf = upper.rfind("case.txt");
  upper.replace(leaf, 8, "CASE.TXT");
  // The list entry is found whatever the case: the stored name is opened.
  EXPECT_EQ(files.Ligne(&upper, true, 2), "c2");
  EXPECT_EQ(files.Taille(), 1u);
  // A later file naming an unknown file selects none, and adds nothing.
  const std::string other = Scratch("other.txt");
  Write(other, "o1");
  EXPECT_EQ(files.Ligne(&other, false, 1), "");
  EXPECT_EQ(files.Ligne(nullptr, false, 1), "");
  EXPECT_EQ(files.Taille(), 1u);
  const std::string empty;
  EXPECT_EQ(files.Ligne(&upper, false, 1), "c1");
  EXPECT_EQ(files.Ligne(&empty, false, 2), "c2") << "an empty name keeps the current file";
}

TEST(Lignes, TextFileChangedOrDeletedBetweenRuns) {
  const std::string p = Scratch("changing.txt");
  Write(p, "first");
  CSourcesExternes sources;
  const std::string q = "%T1{\"" + p + "\"}";
  EXPECT_EQ(RunOver(sources, q, 1), (Lines{"first"}));
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  Write(p, "second");
  // A later file of a run does not look at the disk; the next run does.
  CFichiersTexte& files = sources.fichiersTexte;
  EXPECT_EQ(files.Ligne(&p, false, 1), "first");
  EXPECT_EQ(RunOver(sources, q, 2), (Lines{"second", "second"}));
  std::remove(p.c_str());
  EXPECT_EQ(RunOver(sources, "[" + q + "]", 1), (Lines{"[]"}));
  Write(p, "third");
  EXPECT_EQ(RunOver(sources, q, 1), (Lines{"third"}));
}

TEST(Lignes, EmptyBinaryAndHugeTextFiles) {
  const std::string empty = Scratch("empty.txt"), binary = Scratch("binary.bin"), huge = Scratch("huge.txt");
  Write(empty, "");
  std::string bytes;
  for (int i = 0; i < 2000; ++i) bytes += static_cast<char>(i * 37 % 256);
  Write(binary, bytes);
  // 100 MB: one line of text, then the end of the file far away (sparse).
  {
    Write(huge, std::string(50000, 'h') + "\nunreached");
    COsFile f;
    ASSERT_EQ(f.OpenWrite(huge.c_str(), false), 0);
    ASSERT_EQ(f.Seek(100LL * 1024 * 1024 - 1, SeekFrom::Begin, nullptr), 0);
    uint32_t put = 0;
    ASSERT_EQ(f.Write("z", 1, &put), 0);
  }
  CFichiersTexte files;
  EXPECT_EQ(files.Ligne(&empty, true, 1), "");
  // Binary bytes give lines of at most 256 characters without control characters.
  for (int n = 1; n <= 30; ++n) {
    const std::string line = files.Ligne(&binary, n == 1, n);
    EXPECT_LE(line.size(), kLongMaxLigne);
    for (char c : line) EXPECT_GE(static_cast<unsigned char>(c), 0x20);
  }
  EXPECT_EQ(files.Ligne(&huge, true, 1), std::string(256, 'h'));
  EXPECT_EQ(files.Ligne(&huge, false, 2), "") << "only the first 40959 bytes are read";
  std::remove(huge.c_str());
}

#ifdef _WIN32
// The real clipboard under Wine: text put there by the Win32 calls comes
// back through CF_TEXT; an emptied clipboard holds no text.
TEST(Lignes, RealClipboard) {
  const char text[] = "clip one\r\nclip two";
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
  ASSERT_NE(h, nullptr);
  std::memcpy(GlobalLock(h), text, sizeof text);
  GlobalUnlock(h);
  ASSERT_NE(SetClipboardData(CF_TEXT, h), nullptr);
  CloseClipboard();
  std::string got;
  EXPECT_EQ(LireTextePressePapier(got), 0);
  EXPECT_EQ(got, text);
  CSourcesExternes sources;
  EXPECT_EQ(RunOver(sources, "%C", 2), (Lines{"clip one", "clip two"}));
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_EQ(LireTextePressePapier(got), -2);
  EXPECT_EQ(got, "");
  // The sequence number changed: the next run reads the emptied clipboard.
  EXPECT_EQ(RunOver(sources, "[%C]", 1), (Lines{"[]"}));
}
#endif
