// CBufReader: every read stays inside its buffer, whatever offset or count a
// parser computed from file data, including values that would wrap.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "meta/FileReader.h"

namespace {

const uint8_t kBytes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09};

TEST(BufReader, ByteOrders) {
  CBufReader r(kBytes, sizeof kBytes);
  uint16_t s;
  uint32_t l;
  uint64_t q;
  ASSERT_EQ(r.U16BE(&s), 0);
  EXPECT_EQ(s, 0x0102);
  ASSERT_EQ(r.U16LE(&s), 0);
  EXPECT_EQ(s, 0x0403);
  ASSERT_EQ(r.Seek(0), 0);
  ASSERT_EQ(r.U64LE(&q), 0);
  EXPECT_EQ(q, 0x0807060504030201ull);
  ASSERT_EQ(r.Seek(1), 0);
  ASSERT_EQ(r.U64BE(&q), 0);
  EXPECT_EQ(q, 0x0203040506070809ull);
  EXPECT_EQ(r.Remaining(), 0u);
  ASSERT_EQ(r.PeekU32BE(5, &l), 0);
  EXPECT_EQ(l, 0x06070809u);
  ASSERT_EQ(r.PeekU32LE(5, &l), 0);
  EXPECT_EQ(l, 0x09080706u);
}

struct BoundCase {
  const char* what;
  size_t start;
  int width;  // 1, 2, 4 or 8
  int expected;
};

TEST(BufReader, ReadsNeverPassTheEnd) {
  const BoundCase cases[] = {
      {"u8 at last byte", 8, 1, 0},    {"u8 at end", 9, 1, -1},
      {"u16 at last two", 7, 2, 0},    {"u16 one short", 8, 2, -1},
      {"u32 at last four", 5, 4, 0},   {"u32 one short", 6, 4, -1},
      {"u64 at last eight", 1, 8, 0},  {"u64 one short", 2, 8, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CBufReader r(kBytes, sizeof kBytes);
    ASSERT_EQ(r.Seek(c.start), 0);
    uint8_t b;
    uint16_t s;
    uint32_t l;
    uint64_t q;
    const int got = c.width == 1   ? r.U8(&b)
                    : c.width == 2 ? r.U16LE(&s)
                    : c.width == 4 ? r.U32BE(&l)
                                   : r.U64LE(&q);
    EXPECT_EQ(got, c.expected);
    EXPECT_EQ(r.Pos(), c.expected == 0 ? c.start + static_cast<size_t>(c.width) : c.start)
        << "a failed read does not move";
  }
}

TEST(BufReader, OffsetsThatWouldWrap) {
  CBufReader r(kBytes, sizeof kBytes);
  const size_t huge = std::numeric_limits<size_t>::max();
  uint16_t s = 7;
  uint32_t l = 7;
  EXPECT_EQ(r.PeekU32LE(huge, &l), -1);
  EXPECT_EQ(l, 0u);
  EXPECT_EQ(r.PeekU16BE(huge - 1, &s), -1);
  EXPECT_EQ(r.PeekU32BE(sizeof kBytes - 3, &l), -1);
  EXPECT_EQ(r.Seek(huge), -1);
  EXPECT_EQ(r.Seek(sizeof kBytes + 1), -1);
  EXPECT_EQ(r.Seek(sizeof kBytes), 0) << "the end itself is a valid position";
  ASSERT_EQ(r.Seek(4), 0);
  EXPECT_EQ(r.Skip(huge), -1);
  EXPECT_EQ(r.Skip(huge - 2), -1);
  EXPECT_EQ(r.Pos(), 4u);
  uint8_t out[16];
  EXPECT_EQ(r.Bytes(out, 6), -1);
  ASSERT_EQ(r.Bytes(out, 5), 0);
  EXPECT_EQ(out[0], 0x05);
  EXPECT_EQ(out[4], 0x09);
}

TEST(BufReader, SubReaders) {
  CBufReader r(kBytes, sizeof kBytes);
  ASSERT_EQ(r.Skip(2), 0);
  CBufReader sub = r.Sub(3);
  EXPECT_EQ(sub.Size(), 3u);
  EXPECT_EQ(r.Pos(), 5u);
  uint16_t s;
  ASSERT_EQ(sub.U16BE(&s), 0);
  EXPECT_EQ(s, 0x0304);
  EXPECT_EQ(sub.U16BE(&s), -1) << "the sub-reader ends where it was cut";
  CBufReader none = r.Sub(5);
  EXPECT_EQ(none.Size(), 0u);
  EXPECT_EQ(r.Pos(), 5u);
}

}  // namespace
