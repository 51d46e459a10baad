// The document readers on crafted bytes: PDF cross-reference chains, dates
// and strings; web-page meta names and entities; torrent dictionaries; and
// the limits that keep a crafted file from looping or nesting without end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchFile.h"
#include "meta/Html.h"
#include "meta/Pdf.h"
#include "meta/Torrent.h"

namespace {

struct Read {
  CMetaOptions options;
  CFichier entry;
  int code = 0;
  std::string Text(int item) const { return entry.items.Text(item); }
};

// A PDF whose objects are numbered from 1 in the order given, with a classic
// cross-reference table and the trailer entries given.
std::string MakePdf(const std::vector<std::string>& objects, const std::string& trailer) {
  std::string pdf = "%PDF-1.4\n";
  std::vector<size_t> offsets;
  for (size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const size_t xref = pdf.size();
  pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (const size_t o : offsets) {
    char entry[32];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", o);
    pdf += entry;
  }
  std::string t = trailer;
  const size_t at = t.find("@XREF@");
  if (at != std::string::npos) t.replace(at, 6, std::to_string(xref));
  return pdf + "trailer\n<< " + t + " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
}

Read ReadPdf(const std::string& bytes) {
  Read r;
  const std::string path = WriteScratchFile("docs_", "t.pdf", bytes);
  MetaExtractor x(r.entry, r.options);
  r.code = ReadPdfFile(x, path);
  return r;
}

const std::string kCatalog = "<< /Type /Catalog /Pages 2 0 R >>";

TEST(Pdf, InfoPagesAndDates) {
  struct Row {
    const char* what;
    std::vector<std::string> objects;
    std::string trailer;
    int item;
    const char* text;
  };
  const std::string info = "<< /Title (A \\(nested\\) \\101\\102 title) /Author <4A6F> /Creator (Writer)"
                           " /Producer (Distiller) /CreationDate (D:20050718143045-04'00')"
                           " /ModDate (D:2005) /Keywords [ (not) (a string) ] /Subject (S) >>";
  const std::vector<std::string> doc = {kCatalog, "<< /Type /Pages /Count 3 >>", info};
  const Row rows[] = {
      {"escapes and nesting", doc, "/Root 1 0 R /Info 3 0 R", kItemOt, "A (nested) AB title"},
      {"hexadecimal string", doc, "/Root 1 0 R /Info 3 0 R", kItemOa, "Jo"},
      {"creator then producer", doc, "/Root 1 0 R /Info 3 0 R", kItemON, "Writer - Distiller"},
      {"an array is no string", doc, "/Root 1 0 R /Info 3 0 R", kItemOk, ""},
      {"a - offset is added", doc, "/Root 1 0 R /Info 3 0 R", kItemOn, "7/18/2005 6:30:45 PM"},
      {"year alone", doc, "/Root 1 0 R /Info 3 0 R", kItemOb, "1/1/2005 12:00:00 AM"},
      {"page count", doc, "/Root 1 0 R /Info 3 0 R", kItemOP, "3"},
      {"count through a reference", {kCatalog, "<< /Count 3 0 R >>", "7"}, "/Root 1 0 R", kItemOP, "7"},
      {"count referring to itself", {kCatalog, "<< /Count 2 0 R >>"}, "/Root 1 0 R", kItemOP, ""},
      {"UTF-16 title", {"<< /Title <FEFF00E9007400E9> >>"}, "/Info 1 0 R", kItemOt, "\xe9t\xe9"},
      {"+ offset is subtracted", {"<< /ModDate (D:20200513133227+02'00') >>"}, "/Info 1 0 R", kItemOb,
       "5/13/2020 11:32:27 AM"},
      {"bad date keeps its text", {"<< /ModDate (D:20x) >>"}, "/Info 1 0 R", kItemOb, "D:20x"},
      {"year alone then junk", {"<< /ModDate (D:2020x) >>"}, "/Info 1 0 R", kItemOb, "1/1/2020 12:00:00 AM"},
      {"encrypted", doc, "/Root 1 0 R /Info 3 0 R /Encrypt 9 0 R", kItemOc, "Encrypted file"},
      {"encrypted has no title", doc, "/Root 1 0 R /Info 3 0 R /Encrypt 9 0 R", kItemOt, ""},
      {"Prev chain looping on itself", doc, "/Root 1 0 R /Info 3 0 R /Prev @XREF@", kItemOa, "Jo"},
      {"arrays nested past the limit", {"<< /K " + std::string(5000, '[') + " /Title (T) >>"}, "/Info 1 0 R",
       kItemOt, ""},
  };
  for (const Row& row : rows) {
    const Read r = ReadPdf(MakePdf(row.objects, row.trailer));
    EXPECT_EQ(r.code, 0) << row.what;
    EXPECT_EQ(r.Text(row.item), row.text) << row.what;
  }
}

TEST(Pdf, NotAClassicPdf) {
  const std::string good = MakePdf({"<< /Title (T) >>"}, "/Info 1 0 R");
  const std::string cases[] = {
      "%!PS-Adobe" + good.substr(8),              // not a PDF first line
      good.substr(0, good.size() - 6),            // no %%EOF last line
      good.substr(0, good.rfind("startxref")) + "startxref\n0\n%%EOF\n",
      good.substr(0, good.rfind("xref\n0 2")) + "1 0 obj << /Type /XRef >> stream\nendstream\nendobj\n" +
          good.substr(good.rfind("trailer")),  // the offset names no "xref"
  };
  for (const std::string& bytes : cases) {
    const Read r = ReadPdf(bytes);
    EXPECT_EQ(r.code, -2);
    EXPECT_EQ(r.Text(kItemOt), "");
  }
}

TEST(Html, TitleMetaNamesAndEntities) {
  struct Row {
    const char* what;
    std::string page;
    int item;
    const char* text;
  };
  const Row rows[] = {
      {"title with attributes", "<TITLE lang=en>\n  Caf&eacute;  &amp;\t&#233;&#xE9; &euro;</title>", kItemOt,
       "Caf\xe9 & \xe9\xe9 \x80"},
      {"unknown entity kept", "<title>a &bogus; b</title>", kItemOt, "a &bogus; b"},
      {"base address", "<base target=_top href=\"http://x/y\">", kItemOu, "http://x/y"},
      {"DC. prefix dropped", "<meta name=\"DC.subject\" content=\"Birds\">", kItemOs, "Birds"},
      {"unquoted value", "<meta content=abc-1.2_x name=keywords>", kItemOk, "abc-1.2_x"},
      {"single quotes", "<meta name='generator' content='Ed 2'>", kItemON, "Ed 2"},
      {"first author wins", "<meta name=author content=A><meta name=creator content=B>", kItemOa, "A"},
      {"creation date", "<meta name=date-creation-yyyymmdd content=20040229>", kItemOn, "2/29/2004 12:00:00 AM"},
      {"bad date keeps its text", "<meta name=date-revision-yyyymmdd content=20041331>", kItemOb, "20041331"},
      {"colon is no DC. prefix", "<meta name=\"dc:subject\" content=\"Birds\">", kItemOs, ""},
  };
  for (const Row& row : rows) {
    Read r;
    MetaExtractor x(r.entry, r.options);
    EXPECT_EQ(ReadHtmlBytes(x, row.page), 0) << row.what;
    EXPECT_EQ(r.Text(row.item), row.text) << row.what;
  }
}

TEST(Html, APathologicalPageEnds) {
  // Titles and meta tags that never close: each start would make a lazy
  // match scan to the end of the text.
  std::string page;
  while (page.size() < 5120) page += "<title x>";
  while (page.size() < 10240) page += "<meta <";
  Read r;
  MetaExtractor x(r.entry, r.options);
  const int code = ReadHtmlBytes(x, page);
  EXPECT_TRUE(code == 0 || code == -1);
  EXPECT_EQ(r.Text(kItemOt), "");
}

TEST(Torrent, DictionaryKeysFilesAndLimits) {
  const std::string files = "5:filesld6:lengthi10e4:pathl1:aeed6:lengthi20eed6:lengthi5eee";
  struct Row {
    const char* what;
    std::string bytes;
    int code;
    int item;
    const char* text;
  };
  const Row rows[] = {
      {"three files", "d4:infod4:name3:abc" + files + "ee", 0, kItemOP, "3 files"},
      {"their size", "d4:infod" + files + "ee", 0, kItemOC, "35"},
      {"one file", "d4:infod6:lengthi2048eee", 0, kItemOP, "1 file"},
      {"its size in the unit form", "d4:infod6:lengthi2048eee", 0, kItemOC, "2.00 KB"},
      {"creation date", "d13:creation datei1000000000ee", 0, kItemOn, "9/9/2001 1:46:40 AM"},
      {"date past the file times", "d13:creation datei9223372036854775807ee", 0, kItemOn, ""},
      {"UTF-8 comment", "d7:comment5:caf\xc3\xa9" "e", 0, kItemOc, "caf\xe9"},
      {"unknown keys skipped", "d3:fooli1ed1:xi2eee8:announce3:urle", 0, kItemOu, "url"},
      {"cut inside a string, earlier keys stay", "d8:announce3:url7:comment9:abc", -1, kItemOu, "url"},
      {"integer too large", "d8:announce3:url3:fooi99999999999999999999ee", -1, kItemOu, "url"},
      {"nested past the limit", "d3:foo" + std::string(100000, 'l') + "e", -3, kItemOu, ""},
      {"not a dictionary", "li1ee", -2, kItemOu, ""},
  };
  for (const Row& row : rows) {
    Read r;
    MetaExtractor x(r.entry, r.options);
    EXPECT_EQ(ReadTorrentBytes(x, row.bytes), row.code) << row.what;
    EXPECT_EQ(r.Text(row.item), row.text) << row.what;
  }
}

}  // namespace

#ifdef _WIN32
#include <windows.h>

#include <cstdlib>

#include "meta/PeVersion.h"
#include "meta/SystemDocuments.h"

namespace {

TEST(SystemDocuments, VersionStringsThroughTheFallbackPairs) {
  const char* bin = std::getenv("VELTO_BINARY_DIR");
  ASSERT_NE(bin, nullptr);
  Read r;
  MetaExtractor x(r.entry, r.options);
  EXPECT_EQ(ReadVersionFile(x, std::string(bin) + "/tests/docs/version_sample.exe"), 0);
  EXPECT_EQ(r.Text(kItemEv), "1.2.3.4b");
  EXPECT_EQ(r.Text(kItemEN), "Velto tests");
  EXPECT_EQ(r.Text(kItemEn), "Version sample");
  EXPECT_EQ(r.Text(kItemEB), "fallback");
  EXPECT_EQ(r.Text(kItemEd), "");
}

// The version resource found by walking a program's headers is the block
// the system gives, byte for byte, on programs made by other toolchains (the
// system's own libraries) and here, and is absent exactly when the system
// finds none.
TEST(SystemDocuments, VersionResourceFoundAsTheSystemFindsIt) {
  std::vector<std::string> files = {std::string(std::getenv("VELTO_BINARY_DIR")) + "/tests/docs/version_sample.exe"};
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA("C:\\windows\\system32\\*.*", &fd);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  do {
    const std::string name = fd.cFileName;
    if (name.size() > 4 && (name.rfind(".dll") == name.size() - 4 || name.rfind(".exe") == name.size() - 4)) {
      files.push_back("C:\\windows\\system32\\" + name);
    }
  } while (files.size() < 60 && FindNextFileA(h, &fd));
  FindClose(h);
  int withVersion = 0;
  for (const std::string& file : files) {
    DWORD handle = 0;
    const DWORD systemSize = GetFileVersionInfoSizeA(file.c_str(), &handle);
    std::vector<char> system(systemSize);
    if (systemSize) {
      ASSERT_TRUE(GetFileVersionInfoA(file.c_str(), 0, systemSize, system.data())) << file;
    }
    FileReader f;
    ASSERT_EQ(f.OpenRead(file), 0) << file;
    uint32_t at = 0, size = 0;
    const int found = FindPeVersionResource(f, &at, &size);
    ASSERT_EQ(found == 0, systemSize != 0) << file;
    if (found != 0) continue;
    ++withVersion;
    std::vector<char> ours(size);
    ASSERT_EQ(f.Seek(at), 0);
    ASSERT_EQ(f.ReadExact(ours.data(), size), 0);
    const size_t length = static_cast<unsigned char>(ours[0]) | static_cast<unsigned char>(ours[1]) << 8;
    ASSERT_LE(length, system.size()) << file;
    EXPECT_EQ(std::string(ours.data(), length), std::string(system.data(), length)) << file;
  }
  EXPECT_GE(withVersion, 10) << files.size() << " programs";
  EXPECT_LT(withVersion, static_cast<int>(files.size()));
}

TEST(SystemDocuments, EditTimeInHoursAndMinutes) {
  const struct {
    uint64_t minutes;
    const char* text;
  } rows[] = {{125, "2h05m"}, {0, "0h00m"}, {59, "0h59m"}, {6000, "100h00m"}};
  for (const auto& row : rows) EXPECT_EQ(EditTimeText(row.minutes * 600000000ULL), row.text);
}

}  // namespace
#endif

#include <filesystem>
#include <fstream>
#include <sstream>

#include "meta/CompoundFile.h"

namespace {

std::string Slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

int CheckBytes(const std::string& bytes) {
  FileReader f;
  if (f.OpenRead(WriteScratchFile("docs_", "t.doc", bytes)) != 0) return -100;
  return CheckCompoundFile(f);
}

// Compound files from the sample corpus pass the check; copies with a
// directory link or a sector link turned back on itself do not.
TEST(CompoundFile, SoundFilesPassLoopsAreRefused) {
  const char* corpus = std::getenv("VELTO_CORPUS");
  if (!corpus || !std::filesystem::exists(std::string(corpus) + "/files/ole")) {
    GTEST_SKIP() << "VELTO_CORPUS is not set or has no ole folder: the shared sample corpus is absent";
  }
  int checked = 0;
  for (const auto& file : std::filesystem::directory_iterator(std::string(corpus) + "/files/ole")) {
    const std::string bytes = Slurp(file.path().string());
    EXPECT_EQ(CheckBytes(bytes), 0) << file.path();
    ++checked;
    // The root's child pointing back at the root.
    std::string loop = bytes;
    uint32_t dirStart = 0;
    CBufReader(bytes.data(), bytes.size()).PeekU32LE(0x30, &dirStart);
    const size_t root = (static_cast<size_t>(dirStart) + 1) * 512;
    if (root + 128 > loop.size()) continue;
    loop.replace(root + 0x4C, 4, std::string(4, '\0'));
    EXPECT_EQ(CheckBytes(loop), -3) << file.path() << " with a directory loop";
    // The directory's first sector chained to itself.
    std::string chain = bytes;
    uint32_t fat0 = 0;
    CBufReader(bytes.data(), bytes.size()).PeekU32LE(0x4C, &fat0);
    const size_t link = (static_cast<size_t>(fat0) + 1) * 512 + 4 * static_cast<size_t>(dirStart);
    if (link + 4 > chain.size()) continue;
    for (int i = 0; i < 4; ++i) chain[link + static_cast<size_t>(i)] = static_cast<char>((dirStart >> (8 * i)) & 0xFF);
    EXPECT_EQ(CheckBytes(chain), -3) << file.path() << " with a sector loop";
  }
  EXPECT_GT(checked, 3);
  EXPECT_EQ(CheckBytes(std::string(600, 'x')), -2);
}

}  // namespace
