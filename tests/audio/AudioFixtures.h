// Crafted audio files for the reader tests: ID3v1 and ID3v2 tags, APE tags,
// MPEG frames with their VBR headers and Musepack stream headers. The photo
// tests' runner writes them to a scratch file and reads them back.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "exif/ExifFixtures.h"

namespace audiotest {

inline std::string Be16(uint32_t v) { return {char(v >> 8), char(v)}; }
inline std::string Be24(uint32_t v) { return {char(v >> 16), char(v >> 8), char(v)}; }
inline std::string Be32(uint32_t v) { return Be16(v >> 16) + Be16(v & 0xFFFF); }
inline std::string Le32(uint32_t v) { return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }
inline std::string SyncSafe(uint32_t v) {
  return {char((v >> 21) & 0x7F), char((v >> 14) & 0x7F), char((v >> 7) & 0x7F), char(v & 0x7F)};
}
inline std::string Bytes(const char* s, size_t n) { return std::string(s, n); }

// A 128-byte ID3v1 tag; a track above 0 makes it ID3v1.1.
inline std::string Id3v1(const std::string& title, const std::string& artist, const std::string& year,
                         const std::string& comment, int track, int genre) {
  auto field = [](const std::string& s, size_t n) { return (s + std::string(n, '\0')).substr(0, n); };
  std::string c = field(comment, 30);
  if (track > 0) {
    c[28] = '\0';
    c[29] = char(track);
  }
  return "TAG" + field(title, 30) + field(artist, 30) + field("Album", 30) + field(year, 4) + c + char(genre);
}

// An ID3v2 frame of version 3 or 4 (4-letter id) or 2 (3-letter id).
inline std::string Frame(int version, const std::string& id, const std::string& data, uint8_t format = 0) {
  const uint32_t n = uint32_t(data.size());
  if (version == 2) return id + Be24(n) + data;
  return id + (version == 4 ? SyncSafe(n) : Be32(n)) + char(0) + char(format) + data;
}
// A text frame in encoding 0.
inline std::string Text(int version, const std::string& id, const std::string& text) {
  return Frame(version, id, std::string(1, '\0') + text);
}
// An ID3v2 tag around `frames` with `padding` zero bytes after them.
inline std::string Id3v2(int version, const std::string& frames, size_t padding = 0, uint8_t flags = 0) {
  return "ID3" + std::string(1, char(version)) + std::string(1, '\0') + char(flags) +
         SyncSafe(uint32_t(frames.size() + padding)) + frames + std::string(padding, '\0');
}
// UTF-16LE of ASCII text, with a byte-order mark.
inline std::string Utf16(const std::string& s, bool big = false, bool bom = true) {
  std::string r = bom ? (big ? Bytes("\xFE\xFF", 2) : Bytes("\xFF\xFE", 2)) : "";
  for (char c : s) r += big ? std::string{'\0', c} : std::string{c, '\0'};
  return r;
}

// An MPEG frame header: version 3 (MPEG 1), 2 or 0; layer index 0 (I) to 2
// (III); bitrate and sampling-rate indexes; channel mode.
inline std::string Header(int version, int layer, int bitrateIndex, int srIndex, int mode, int padding = 0) {
  const uint8_t b1 = uint8_t(0xE0 | version << 3 | (3 - layer) << 1 | 1);
  const uint8_t b2 = uint8_t(bitrateIndex << 4 | srIndex << 2 | padding << 1);
  return {'\xFF', char(b1), char(b2), char(mode << 6)};
}
// One whole frame of `length` bytes starting with `header`, the rest `fill`.
inline std::string FrameOf(const std::string& header, size_t length, const std::string& inside = "") {
  std::string f = header + inside;
  f.resize(length, '\x55');
  return f;
}
// MPEG 1 Layer III, 128 kbit/s, 44100 Hz: 417 bytes a frame.
inline std::string Cbr128(int mode = 1) { return Header(3, 2, 9, 0, mode); }
constexpr size_t kCbr128Length = 417;

// An APE item and a tag of items with its footer (and header when asked).
inline std::string ApeItem(const std::string& key, const std::string& value, uint32_t flags = 0) {
  return Le32(uint32_t(value.size())) + Le32(flags) + key + std::string(1, '\0') + value;
}
inline std::string ApeBlock(uint32_t version, uint32_t size, uint32_t count, uint32_t flags) {
  return "APETAGEX" + Le32(version) + Le32(size) + Le32(count) + Le32(flags) + std::string(8, '\0');
}
inline std::string Ape(const std::vector<std::string>& items, uint32_t version = 2000, bool header = false) {
  std::string body;
  for (const std::string& i : items) body += i;
  const uint32_t size = uint32_t(body.size() + 32);
  return (header ? ApeBlock(version, size, uint32_t(items.size()), 0xA0000000) : "") + body +
         ApeBlock(version, size, uint32_t(items.size()), header ? 0x80000000 : 0);
}

// A Musepack SV7 stream header: version byte, frame count, sampling index,
// profile.
inline std::string Mpc(uint8_t version, uint32_t frames, int srIndex, int profile) {
  return "MP+" + std::string(1, char(version)) + Le32(frames) +
         Le32(uint32_t(srIndex) << 16 | uint32_t(profile) << 20);
}

// The reader runner of the photo tests serves here too.
using exiftest::CLecture;
using exiftest::Lire;

// One row of a reader's table: what the bytes break, the code the reader
// returns, and the text one item then has.
struct CCas {
  const char* what;
  std::string bytes;
  int code;
  int item;
  std::string texte;
};
template <class Reader>
void Verifier(const std::vector<CCas>& cases, const std::string& leaf, Reader lire) {
  for (const CCas& c : cases) {
    SCOPED_TRACE(c.what);
    CLecture l;
    Lire(l, leaf, c.bytes, lire);
    EXPECT_EQ(l.code, c.code);
    EXPECT_EQ(l.Texte(c.item), c.texte);
  }
}

}  // namespace audiotest
