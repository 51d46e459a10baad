// Every photo of the sample corpus cut at every length up to 4 KB, then in
// steps to its end: each cut file is read without a crash or a hang, and
// gives no value the whole file does not give (the readers stop at the cut,
// they never take what follows it for something else). And a sparse file
// past 4 GB.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>

#include "CorpusCompare.h"
#include "CorpusJson.h"
#include "CorpusPhotos.h"
#include "ExifFixtures.h"

namespace {

struct Resultat {
  CFichier entry;
  void Lire(const corpus::Photo& p, const std::string& path) {
    CMetaOptions options;
    MetaExtractor x(entry, options);
    p.lire(x, path);
  }
};

// What `cut` holds that `full` does not; empty when nothing.
// In a TIFF structure a tag may stand in several IFDs and the first one read
// wins: when the cut drops the first one's value, a later IFD's copy takes
// its place, so there an item may change value but never appear from
// nowhere.
std::string Nouveau(const CFichier& cut, const CFichier& full, int64_t taille, bool tiff) {
  const auto change = [tiff](int) { return tiff; };
  const auto appear = [](int) { return false; };
  for (const std::string& e : {corpus::Compare(cut.items.text, full.items.text, change, appear, "text"),
                               corpus::Compare(cut.items.ints, full.items.ints, change, appear, "integer"),
                               corpus::Compare(cut.items.decs, full.items.decs, change, appear, "decimal"),
                               corpus::Compare(cut.items.dates, full.items.dates, change, appear, "date")})
    if (!e.empty()) return e;
  if (corpus::PictureFromNowhere(cut, full, taille)) return "picture location";
  if (cut.thumbOffset != -1 && (cut.thumbOffset != full.thumbOffset || cut.thumbSize != full.thumbSize))
    return "thumbnail location";
  if (cut.rotation != 0 && cut.rotation != full.rotation) return "rotation";
  return "";
}

TEST(ExifTruncation, CutFilesGiveNothingNew) {
  const std::string racine = corpus::Racine();
  if (racine.empty()) GTEST_SKIP() << "the sample corpus is absent (VELTO_CORPUS unset or empty): nothing cut";
  int lectures = 0;
  for (const corpus::Photo& p : corpus::kPhotos) {
    SCOPED_TRACE(p.chemin);
    const std::string bytes = corpus::LireFichier(racine + "/files/" + p.chemin);
    ASSERT_FALSE(bytes.empty());
    Resultat full;
    full.Lire(p, racine + "/files/" + p.chemin);
    const std::string chemin = p.chemin;
    const std::string ext = chemin.substr(chemin.rfind('.'));
    const bool tiff = chemin.compare(0, 5, "jpeg/") != 0 && chemin.compare(0, 4, "crw/") != 0;
    const std::string path = exiftest::Ecrire("cut" + ext, bytes);
    lectures += corpus::Couper(path, bytes.size(), [&](size_t n) {
      Resultat cut;
      cut.Lire(p, path);
      return Nouveau(cut.entry, full.entry, static_cast<int64_t>(n), tiff);
    });
  }
  EXPECT_GT(lectures, 50000);
}

// A JPEG of 5 GB (sparse: its frame at the start, its end marker at the end):
// its items are read, and a picture too large for a location gets none.
TEST(ExifLargeFiles, SparseJpegPastFourGigabytes) {
  const std::string tete = exiftest::Jpeg(exiftest::Sof(640, 480, 3));
  const std::string path = exiftest::Ecrire("sparse.jpg", tete.substr(0, tete.size() - 2));
  const off_t taille = 5LL << 30;
  ASSERT_EQ(truncate(path.c_str(), taille - 2), 0);
  std::FILE* f = std::fopen(path.c_str(), "r+b");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(fseeko(f, taille - 2, SEEK_SET), 0);
  ASSERT_EQ(std::fwrite("\xFF\xD9", 1, 2, f), 2u);
  std::fclose(f);
  exiftest::CLecture l;
  {
    MetaExtractor x(l.entry, l.options);
    l.code = ReadJpegFile(x, path);
  }
  EXPECT_EQ(l.code, -11);
  EXPECT_EQ(l.Texte(kItemIx), "640");
  EXPECT_EQ(l.entry.pictureOffset, -1);
  std::remove(path.c_str());
}

}  // namespace
