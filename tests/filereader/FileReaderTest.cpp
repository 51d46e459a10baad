// FileReader on crafted files in the scratch directory: exact and partial
// reads, 64-bit positions, backward marker searches across chunk boundaries,
// and line reads in both directions with terminators split across chunks.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "ScratchFile.h"
#include "meta/FileReader.h"

namespace {

std::string ScratchPath(const std::string& leaf) { return ScratchFilePath("filereader_", leaf); }

std::string WriteFile(const std::string& leaf, const std::string& bytes) {
  return WriteScratchFile("filereader_", leaf, bytes);
}

std::string Marker32() { return std::string("\x11\x22\x33\x44", 4); }
constexpr uint32_t kMarker32 = 0x44332211;  // the same four bytes read little-endian

TEST(FileReader, OpenCodes) {
  FileReader r;
  EXPECT_EQ(r.OpenRead(""), -1);
  EXPECT_EQ(r.OpenRead(ScratchPath("does_not_exist")), -2);
  EXPECT_FALSE(r.IsOpen());
  const char* root = std::getenv("VELTO_TEST_ROOT");
  EXPECT_EQ(r.OpenRead(root ? root : "."), -2) << "a directory is not a file";
  EXPECT_EQ(r.OpenWrite("", true), -1);
  EXPECT_EQ(r.OpenWrite(ScratchPath("missing_for_write"), false), -2);
  const std::string path = WriteFile("open", "0123456789");
  ASSERT_EQ(r.OpenRead(path), 0);
  int64_t size = -1;
  EXPECT_EQ(r.Size(&size), 0);
  EXPECT_EQ(size, 10);
  // Opening again closes the first handle and starts at offset 0.
  ASSERT_EQ(r.Seek(5), 0);
  ASSERT_EQ(r.OpenRead(path), 0);
  EXPECT_EQ(r.Tell(), 0);
  r.Close();
  EXPECT_FALSE(r.IsOpen());
  EXPECT_EQ(r.Tell(), -1);
  char c;
  EXPECT_EQ(r.ReadExact(&c, 1), -1);
}

TEST(FileReader, ExactAndPartialReads) {
  const std::string path = WriteFile("reads", "0123456789");
  FileReader r;
  ASSERT_EQ(r.OpenRead(path), 0);
  char buf[16] = {};
  EXPECT_EQ(r.ReadExact(buf, 4), 0);
  EXPECT_EQ(std::string(buf, 4), "0123");
  EXPECT_EQ(r.ReadExact(buf, 16), -2) << "only six bytes remain";
  ASSERT_EQ(r.Seek(-3, SeekFrom::End), 0);
  uint32_t n = 16;
  EXPECT_EQ(r.ReadUpTo(buf, &n), 0);
  EXPECT_EQ(n, 3u);
  EXPECT_EQ(std::string(buf, 3), "789");
  n = 16;
  EXPECT_EQ(r.ReadUpTo(buf, &n), 0);
  EXPECT_EQ(n, 0u) << "end of file";
  EXPECT_EQ(r.Seek(-1, SeekFrom::Begin), -1) << "before the start";
  ASSERT_EQ(r.Seek(2), 0);
  EXPECT_EQ(r.Seek(3, SeekFrom::Current), 0);
  EXPECT_EQ(r.Tell(), 5);
}

TEST(FileReader, EmptyFile) {
  const std::string path = WriteFile("empty", "");
  FileReader r;
  ASSERT_EQ(r.OpenRead(path), 0);
  int64_t size = -1;
  EXPECT_EQ(r.Size(&size), 0);
  EXPECT_EQ(size, 0);
  char c;
  EXPECT_EQ(r.ReadExact(&c, 1), -2);
  std::string line = "x";
  EXPECT_EQ(r.ReadLine(&line), -2);
  EXPECT_TRUE(line.empty());
  EXPECT_EQ(r.ReadLineBack(&line), -2);
  EXPECT_EQ(r.FindMarker32Back(kMarker32, 4096), -3);
  EXPECT_EQ(r.FindMarker16Back(0x1122, 0, 0, 64), -3);
}

TEST(FileReader, WriteCreateTruncateAndExisting) {
  const std::string path = ScratchPath("write");
  {
    FileReader w;
    ASSERT_EQ(w.OpenWrite(path, true), 0);
    EXPECT_EQ(w.WriteExact("abcdef", 6), 0);
  }
  {
    FileReader w;  // existing file, not truncated: overwrite its start
    ASSERT_EQ(w.OpenWrite(path, false), 0);
    EXPECT_EQ(w.WriteExact("XY", 2), 0);
  }
  FileReader r;
  ASSERT_EQ(r.OpenRead(path), 0);
  char buf[6];
  ASSERT_EQ(r.ReadExact(buf, 6), 0);
  EXPECT_EQ(std::string(buf, 6), "XYcdef");
  r.Close();
  {
    FileReader w;
    ASSERT_EQ(w.OpenWrite(path, true), 0);  // truncates
  }
  ASSERT_EQ(r.OpenRead(path), 0);
  int64_t size = -1;
  EXPECT_EQ(r.Size(&size), 0);
  EXPECT_EQ(size, 0);
}

// Positions and sizes beyond 4 GiB must survive the 32-bit build.
TEST(FileReader, SixtyFourBitPositions) {
  const std::string path = ScratchPath("big");
  const int64_t far = (int64_t{5} << 30) + 7;
  {
    FileReader w;
    ASSERT_EQ(w.OpenWrite(path, true), 0);
    ASSERT_EQ(w.Seek(far), 0);
    EXPECT_EQ(w.Tell(), far);
    ASSERT_EQ(w.WriteExact("Z", 1), 0);
  }
  FileReader r;
  ASSERT_EQ(r.OpenRead(path), 0);
  int64_t size = 0;
  ASSERT_EQ(r.Size(&size), 0);
  EXPECT_EQ(size, far + 1);
  ASSERT_EQ(r.Seek(-1, SeekFrom::End), 0);
  EXPECT_EQ(r.Tell(), far);
  char c = 0;
  ASSERT_EQ(r.ReadExact(&c, 1), 0);
  EXPECT_EQ(c, 'Z');
  ASSERT_EQ(r.FindMarker32Back(0x5A000000, 4096), 0) << "three zero bytes then Z";
  EXPECT_EQ(r.Tell(), far + 1);
  r.Close();
  std::remove(path.c_str());
}

// The handle closes with its object: the file can then be deleted (Windows
// refuses to delete an open file) and a moved-from reader holds nothing.
TEST(FileReader, RaiiAndMove) {
  const std::string path = WriteFile("raii", "abc");
  {
    FileReader a;
    ASSERT_EQ(a.OpenRead(path), 0);
    FileReader b(std::move(a));
    EXPECT_FALSE(a.IsOpen());
    ASSERT_TRUE(b.IsOpen());
    char c;
    EXPECT_EQ(b.ReadExact(&c, 1), 0);
    EXPECT_EQ(c, 'a');
    FileReader d;
    d = std::move(b);
    EXPECT_EQ(d.ReadExact(&c, 1), 0);
    EXPECT_EQ(c, 'b');
  }
  EXPECT_EQ(std::remove(path.c_str()), 0);
}

TEST(FileReader, ReadCappedSkipsTheRest) {
  const std::string field(300, 'f');
  const std::string path = WriteFile("capped", field + "NEXT" + "tail");
  FileReader r;
  ASSERT_EQ(r.OpenRead(path), 0);
  std::string text;
  ASSERT_EQ(r.ReadCapped(&text, 300, 256), 0);
  EXPECT_EQ(text, std::string(256, 'f'));
  char buf[4];
  ASSERT_EQ(r.ReadExact(buf, 4), 0);
  EXPECT_EQ(std::string(buf, 4), "NEXT");
  EXPECT_EQ(r.ReadCapped(&text, 10, 256), -2) << "the field runs past the end";
  EXPECT_EQ(text, "tail");
  ASSERT_EQ(r.Seek(0), 0);
  ASSERT_EQ(r.ReadCapped(&text, 0, 256), 0);
  EXPECT_TRUE(text.empty());
  EXPECT_EQ(r.Tell(), 0);
}

struct Marker32Case {
  const char* what;
  size_t size;        // file size
  int64_t at;         // marker offset, -1 for none
  uint64_t limit;
  int64_t second;     // an earlier copy of the marker, -1 for none
  int expected;
};

TEST(FileReader, FindMarker32Back) {
  const Marker32Case cases[] = {
      {"at the very end", 10000, 10000 - 4, 8192, -1, 0},
      {"at offset 0 of a small file", 4, 0, 4096, -1, 0},
      {"file shorter than the marker", 3, -1, 4096, -1, -3},
      {"exactly the first chunk's start", 10000, 10000 - 4096, 8192, -1, 0},
      {"straddling the first chunk boundary", 10000, 10000 - 4096 - 2, 8192, -1, 0},
      {"straddling by one byte", 10000, 10000 - 4096 - 3, 8192, -1, 0},
      {"last byte before the boundary", 10000, 10000 - 4096 - 4, 8192, -1, 0},
      {"straddling the second boundary", 10000, 10000 - 8192 - 1, 9000, -1, 0},
      {"limit just covers it", 10000, 6000, 4000, -1, 0},
      {"limit one byte short", 10000, 6000, 3999, -1, -3},
      {"not present", 10000, -1, 100000, -1, -3},
      {"limit beyond the start of the file", 5000, 1, 1000000, -1, 0},
      {"the last of two copies wins", 10000, 9000, 8192, 5000, 0},
      {"zero limit", 10000, 10000 - 4, 0, -1, -3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string bytes(c.size, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>('a' + i % 23);
    if (c.second >= 0) bytes.replace(static_cast<size_t>(c.second), 4, Marker32());
    if (c.at >= 0) bytes.replace(static_cast<size_t>(c.at), 4, Marker32());
    const std::string path = WriteFile("m32", bytes);
    FileReader r;
    ASSERT_EQ(r.OpenRead(path), 0);
    EXPECT_EQ(r.FindMarker32Back(kMarker32, c.limit), c.expected);
    if (c.expected == 0) {
      EXPECT_EQ(r.Tell(), c.at + 4) << "position just after the marker";
    }
  }
}

struct Marker16Case {
  const char* what;
  int64_t at;  // marker offset in a 1000-byte file, -1 for none
  int64_t from;
  int64_t lower;
  uint64_t limit;
  int expected;
};

TEST(FileReader, FindMarker16Back) {
  const Marker16Case cases[] = {
      {"right below from", 498, 500, 0, 1000, 0},
      {"straddling the 64-byte chunk boundary", 500 - 64 - 1, 500, 0, 1000, 0},
      {"at the chunk boundary", 500 - 64, 500, 0, 1000, 0},
      {"above from is not seen", 500, 500, 0, 1000, -3},
      {"one byte above from is not seen", 499, 500, 0, 1000, -3},
      {"at the lower bound", 200, 500, 200, 1000, 0},
      {"half below the lower bound", 199, 500, 200, 1000, -3},
      {"outside the limit", 100, 500, 0, 399, -3},
      {"limit just covers it", 100, 500, 0, 400, 0},
      {"from past the end counts from the end", 998, 5000, 0, 1000, 0},
      {"from at the lower bound", 100, 100, 100, 1000, -3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string bytes(1000, '.');
    if (c.at >= 0) bytes.replace(static_cast<size_t>(c.at), 2, "\x2E\xFF");
    const std::string path = WriteFile("m16", bytes);
    FileReader r;
    ASSERT_EQ(r.OpenRead(path), 0);
    EXPECT_EQ(r.FindMarker16Back(0xFF2E, c.from, c.lower, c.limit), c.expected);
    if (c.expected == 0) {
      EXPECT_EQ(r.Tell(), c.at + 2);
    }
  }
}

struct LineCase {
  const char* what;
  std::string content;
  std::vector<std::string> lines;
};

std::vector<LineCase> LineCases() {
  const std::string a63(63, 'a'), b64(64, 'b'), c130(130, 'c');
  return {
      {"LF lines", "one\ntwo\n", {"one", "two"}},
      {"CR LF and a last line without terminator", "one\r\ntwo", {"one", "two"}},
      {"lone CR", "one\rtwo\r", {"one", "two"}},
      {"empty lines", "\r\n\n\r", {"", "", ""}},
      {"CR LF split across the 64-byte chunks", a63 + "\r\nnext", {a63, "next"}},
      {"CR at the chunk end before other text", a63 + "\rnext", {a63, "next"}},
      {"CR at the chunk end and at the end of file", a63 + "\r", {a63}},
      {"CR CR at the chunk end", a63 + "\r\r\n", {a63, ""}},
      {"line of exactly one chunk", b64 + "\n" + "x", {b64, "x"}},
      {"line spanning three chunks", c130 + "\r\n" + c130, {c130, c130}},
      {"NUL bytes stay in the line", std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
  };
}

TEST(FileReader, ReadLineForwards) {
  for (const auto& c : LineCases()) {
    SCOPED_TRACE(c.what);
    const std::string path = WriteFile("lines", c.content);
    FileReader r;
    ASSERT_EQ(r.OpenRead(path), 0);
    std::string line;
    for (const auto& expected : c.lines) {
      ASSERT_EQ(r.ReadLine(&line), 0);
      EXPECT_EQ(line, expected);
    }
    EXPECT_EQ(r.ReadLine(&line), -2);
    EXPECT_EQ(r.Tell(), static_cast<int64_t>(c.content.size()));
  }
}

TEST(FileReader, ReadLineForwardsLeavesPositionAfterTerminator) {
  const std::string path = WriteFile("linepos", "ab\r\ncd\nef");
  FileReader r;
  ASSERT_EQ(r.OpenRead(path), 0);
  std::string line;
  ASSERT_EQ(r.ReadLine(&line), 0);
  EXPECT_EQ(r.Tell(), 4);
  ASSERT_EQ(r.ReadLine(&line), 0);
  EXPECT_EQ(r.Tell(), 7);
}

TEST(FileReader, ReadLineBackwards) {
  for (const auto& c : LineCases()) {
    SCOPED_TRACE(c.what);
    const std::string path = WriteFile("linesback", c.content);
    FileReader r;
    ASSERT_EQ(r.OpenRead(path), 0);
    ASSERT_EQ(r.Seek(0, SeekFrom::End), 0);
    std::string line;
    for (size_t k = c.lines.size(); k > 0; --k) {
      ASSERT_EQ(r.ReadLineBack(&line), 0);
      EXPECT_EQ(line, c.lines[k - 1]);
    }
    EXPECT_EQ(r.Tell(), 0) << "the first line starts at offset 0";
    EXPECT_EQ(r.ReadLineBack(&line), -2);
  }
}

TEST(FileReader, ReadLineBackwardsFromTheMiddle) {
  const std::string path = WriteFile("backmid", "first\r\nsecond\r\nthird");
  FileReader r;
  ASSERT_EQ(r.OpenRead(path), 0);
  ASSERT_EQ(r.Seek(15), 0);  // just after "second\r\n"
  std::string line;
  ASSERT_EQ(r.ReadLineBack(&line), 0);
  EXPECT_EQ(line, "second");
  EXPECT_EQ(r.Tell(), 7);
  ASSERT_EQ(r.ReadLine(&line), 0) << "forwards again from the line start";
  EXPECT_EQ(line, "second");
}

// A line without terminator is capped in memory, and the read still ends
// after it.
TEST(FileReader, LongLinesAreCapped) {
  const std::string big(FileReader::kMaxLine + 1000, 'z');
  const std::string path = WriteFile("longline", big + "\nshort\n");
  FileReader r;
  ASSERT_EQ(r.OpenRead(path), 0);
  std::string line;
  ASSERT_EQ(r.ReadLine(&line), 0);
  EXPECT_EQ(line.size(), FileReader::kMaxLine);
  ASSERT_EQ(r.ReadLine(&line), 0);
  EXPECT_EQ(line, "short");
  ASSERT_EQ(r.ReadLineBack(&line), 0);
  EXPECT_EQ(line, "short");
  ASSERT_EQ(r.ReadLineBack(&line), 0);
  EXPECT_EQ(line.size(), FileReader::kMaxLine);
  EXPECT_EQ(r.Tell(), 0);
}

TEST(FileReader, IntegerReads) {
  const std::string path = WriteFile("ints", std::string("\x01\x02\x03\x04\x05\x06\x07\x08\xFF", 9));
  FileReader r;
  ASSERT_EQ(r.OpenRead(path), 0);
  uint16_t s = 0;
  uint32_t l = 0;
  EXPECT_EQ(r.ReadU16LE(&s), 0);
  EXPECT_EQ(s, 0x0201);
  EXPECT_EQ(r.ReadU16BE(&s), 0);
  EXPECT_EQ(s, 0x0304);
  EXPECT_EQ(r.ReadU32LE(&l), 0);
  EXPECT_EQ(l, 0x08070605u);
  EXPECT_EQ(r.ReadU32BE(&l), -2) << "one byte left";
  EXPECT_EQ(l, 0u);
  ASSERT_EQ(r.Seek(5), 0);
  EXPECT_EQ(r.ReadU32BE(&l), 0);
  EXPECT_EQ(l, 0x060708FFu);
}

}  // namespace

// Every read, seek and search gives the same results whatever part of the
// file was read ahead: none, less than a search chunk, or all of it.
TEST(FileReader, AHeadChangesNoResult) {
  std::string big;
  for (int i = 0; i < 150000; ++i) big += static_cast<char>((i * 7919) >> 3);
  big.replace(70000, 4, Marker32());
  big.replace(140000, 6, "line\r\n");
  const std::string files[] = {WriteFile("head_big", big), WriteFile("head_small", "ab\ncd" + Marker32() + "ef")};
  const auto script = [](const std::string& path, uint32_t head) {
    FileReader r;
    r.SetHead(head);
    std::vector<int64_t> out;
    out.push_back(r.OpenRead(path));
    int64_t size = 0;
    out.push_back(r.Size(&size));
    out.push_back(size);
    char buf[300];
    const std::pair<int64_t, SeekFrom> seeks[] = {{0, SeekFrom::Begin},   {10, SeekFrom::Current},
                                                  {-5, SeekFrom::End},    {65530, SeekFrom::Begin},
                                                  {-100, SeekFrom::Current}, {size + 10, SeekFrom::Begin},
                                                  {-1, SeekFrom::Begin},  {3, SeekFrom::Begin}};
    for (const auto& [distance, from] : seeks) {
      out.push_back(r.Seek(distance, from));
      out.push_back(r.Tell());
      uint32_t n = sizeof buf;
      out.push_back(r.ReadUpTo(buf, &n));
      out.push_back(n);
      for (uint32_t i = 0; i < n; i += 37) out.push_back(buf[i]);
      out.push_back(r.ReadExact(buf, 8));
      out.push_back(r.Tell());
    }
    out.push_back(r.FindMarker32Back(kMarker32, 1 << 20));
    out.push_back(r.Tell());
    std::string line;
    out.push_back(r.Seek(139998));
    out.push_back(r.ReadLine(&line));
    out.push_back(static_cast<int64_t>(line.size()));
    out.push_back(r.ReadLineBack(&line));
    out.push_back(r.Tell());
    return out;
  };
  for (const std::string& path : files) {
    const std::vector<int64_t> plain = script(path, 0);
    for (const uint32_t head : {16u, 4096u, 65536u, 1u << 20}) EXPECT_EQ(script(path, head), plain) << path << " " << head;
  }
}
