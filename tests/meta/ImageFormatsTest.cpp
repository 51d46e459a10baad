// The plain image readers on small files built byte by byte, one row per
// thing each case breaks.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "files/ItemIds.h"
#include "meta/ImageFormats.h"

namespace {

std::string LE16(unsigned v) { return {char(v & 0xFF), char((v >> 8) & 0xFF)}; }
std::string LE32(unsigned v) { return LE16(v & 0xFFFF) + LE16(v >> 16); }
std::string BE32(unsigned v) { return {char(v >> 24), char((v >> 16) & 0xFF), char((v >> 8) & 0xFF), char(v & 0xFF)}; }

// A 40-byte bitmap information header of the given size and bit count.
std::string BitmapInfo(int width, int height, int bits) {
  return LE32(40) + LE32(width) + LE32(height) + LE16(1) + LE16(bits) + std::string(24, '\0');
}

std::string Bmp(const char* type, unsigned declared, int height = 480) {
  return std::string(type, 2) + LE32(declared) + LE32(0) + LE32(54) + BitmapInfo(640, height, 24) + "pixels";
}

std::string Gif(bool trailer) {
  return std::string("GIF89a") + LE16(320) + LE16(200) + char(0xF6) + std::string(20, '\0') + (trailer ? ";" : "");
}

std::string PngChunk(const char* type, const std::string& data) { return BE32(data.size()) + type + data + "CRC!"; }
std::string Png(int colour, int depth, const std::string& chunks) {
  return std::string("\x89PNG\r\n\x1a\n", 8) +
         PngChunk("IHDR", BE32(800) + BE32(600) + char(depth) + char(colour) + std::string(3, '\0')) + chunks +
         PngChunk("IEND", "");
}

std::string Pcx(int version) {
  std::string h(128, '\0');
  h[0] = 10;
  h[1] = char(version);
  h[3] = 8;                            // bits per pixel per plane
  h.replace(4, 8, LE16(10) + LE16(20) + LE16(329) + LE16(219));
  h[65] = 3;                           // planes
  return h;
}

// An icon or cursor directory with `count` entries, the first one 32x32
// pointing at a 4-bit bitmap header of imageSize bytes.
std::string Icon(int type, int count, unsigned imageSize) {
  const unsigned offset = 6 + 16 * count;
  std::string s = LE16(0) + LE16(type) + LE16(count);
  for (int i = 0; i < count; ++i)
    s += std::string{char(32), char(32), 0, 0} + LE16(1) + LE16(4) + LE32(imageSize) + LE32(offset);
  return s + BitmapInfo(32, 64, 4) + std::string(64, 'p');
}

struct Row {
  const char* breaks;
  std::string bytes;
  int (*read)(MetaExtractor&, const std::string&);
  int code;
  const char *width, *height, *bits, *info;  // nullptr: no value
  int64_t pictureOffset;
};

TEST(ImageFormats, EachReaderOnItsEdges) {
  const std::string tail = "IDAT" + std::string(4, 'x');
  const Row rows[] = {
      {"BMP whose size field matches", Bmp("BM", 60), ReadBmpFile, 0, "640", "480", "24", "BMP Windows", 0},
      {"BMP whose size field does not", Bmp("BM", 61), ReadBmpFile, -3, "640", "480", "24", "BMP Windows", -1},
      {"BMP stored top-down", Bmp("BM", 60, -480), ReadBmpFile, 0, "640", "480", "24", "BMP Windows", 0},
      {"OS/2 colour pointer", Bmp("CP", 60), ReadBmpFile, 0, "640", "480", "24", "BMP OS/2 Color Pointer", 0},
      {"OS/2 1.x header of 16-bit sizes",
       std::string("BM") + LE32(66) + LE32(0) + LE32(26) + LE32(12) + LE16(127) + LE16(64) + LE16(1) + LE16(8) +
           std::string(40, 'p'),
       ReadBmpFile, 0, "127", "64", "8", "BMP Windows", 0},
      {"unknown BMP type stores nothing", Bmp("XY", 60), ReadBmpFile, -2, nullptr, nullptr, nullptr, nullptr, -1},
      {"BMP cut inside its header", Bmp("BM", 60).substr(0, 40), ReadBmpFile, -1, nullptr, nullptr, nullptr, nullptr, -1},
      {"GIF with its trailer", Gif(true), ReadGifFile, 0, "320", "200", "7", "GIF89a", 0},
      {"truncated GIF", Gif(false), ReadGifFile, -3, "320", "200", "7", "GIF89a", -1},
      {"not a GIF", "GIX89a" + Gif(true).substr(6), ReadGifFile, -2, nullptr, nullptr, nullptr, nullptr, -1},
      {"PNG RGBA at 8 bits", Png(6, 8, ""), ReadPngFile, 0, "800", "600", "32", nullptr, -1},
      {"PNG RGB at 16 bits, Software text after another text",
       Png(2, 16, PngChunk("tEXt", std::string("Title\0x", 7)) + PngChunk("tEXt", std::string("Software\0Paint 9", 16))),
       ReadPngFile, 0, "800", "600", "48", "Paint 9", -1},
      {"PNG text chunk too short to hold a keyword", Png(0, 8, PngChunk("tEXt", "Software")), ReadPngFile, 0, "800",
       "600", "8", nullptr, -1},
      {"PNG whose first chunk is not its header",
       std::string("\x89PNG\r\n\x1a\n", 8) + PngChunk("IDAT", std::string(13, 'x')), ReadPngFile, -4, nullptr,
       nullptr, nullptr, nullptr, -1},
      {"PNG chunk length past the end", Png(3, 4, BE32(0xFFFFFFF0u) + tail), ReadPngFile, 0, "800", "600", "4",
       nullptr, -1},
      {"PCX 3.0, three planes", Pcx(5), ReadPcxFile, 0, "320", "200", "24", "PC Paintbrush 3.0", -1},
      {"PCX of an unknown version", Pcx(1), ReadPcxFile, 0, "320", "200", "24", nullptr, -1},
      {"not a PCX", "\x0b" + Pcx(5).substr(1), ReadPcxFile, -2, nullptr, nullptr, nullptr, nullptr, -1},
      {"icon of three images", Icon(1, 3, 40), ReadIconFile, 0, "32", "32", "4", "03 icons", 0},
      {"cursor of one image", Icon(2, 1, 40), ReadIconFile, 0, "32", "32", "4", "01 cursor", 0},
      {"icon whose image is as large as the file", Icon(1, 1, 200), ReadIconFile, -3, "32", "32", "4", "01 icon",
       -1},
      {"icon directory of no image", Icon(1, 0, 40), ReadIconFile, -2, nullptr, nullptr, nullptr, nullptr, -1},
      {"icon of type 3", Icon(3, 1, 40), ReadIconFile, -2, nullptr, nullptr, nullptr, nullptr, -1},
  };
  const std::string path = (std::filesystem::temp_directory_path() / "velto_image_test.bin").string();
  const CMetaOptions options;
  for (const Row& row : rows) {
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(row.bytes.data(), static_cast<std::streamsize>(row.bytes.size()));
    }
    CFichier entry;
    int code = 0;
    {
      MetaExtractor x(entry, options);
      code = row.read(x, path);
    }
    EXPECT_EQ(code, row.code) << row.breaks;
    const std::pair<int, const char*> expected[] = {
        {kItemIx, row.width}, {kItemIy, row.height}, {kItemIb, row.bits}, {kItemIi, row.info}};
    for (const auto& [item, text] : expected) {
      EXPECT_EQ(entry.items.Text(item), text ? text : "") << row.breaks << ", item " << item;
      if (item != kItemIi) {
        EXPECT_EQ(entry.items.ints.Find(item) != nullptr, text != nullptr) << row.breaks;
      }
    }
    EXPECT_EQ(entry.pictureOffset, row.pictureOffset) << row.breaks;
    EXPECT_EQ(entry.pictureSize, -1) << row.breaks;
  }
  std::remove(path.c_str());
}

TEST(ImageFormats, PicturesInsideAnotherFileAreReadFromTheirOffset) {
  const std::string gif = Gif(true);
  const std::string bytes = "ID3 prefix bytes" + gif + "after";
  const std::string path = (std::filesystem::temp_directory_path() / "velto_image_embed.bin").string();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  const CMetaOptions options;
  CFichier entry;
  MetaExtractor x(entry, options);
  ASSERT_EQ(x.File().OpenRead(path), 0);
  EXPECT_EQ(ReadGifAt(x, 16, static_cast<int64_t>(gif.size())), 0);
  EXPECT_EQ(ReadGifAt(x, 16, static_cast<int64_t>(gif.size()) + 1), -3);  // the byte after is no trailer
  EXPECT_EQ(entry.items.Text(kItemIx), "320");
  x.File().Close();
  std::remove(path.c_str());
}

}  // namespace
