// Every audio file of the sample corpus cut at every length up to 4 KB, then
// in steps to its end: each cut file is read without a crash or a hang, and
// gives no value the whole file does not give. And a sparse file past 4 GB.
#include <gtest/gtest.h>

#include <unistd.h>

#include "AudioFixtures.h"
#include "CorpusAudio.h"
#include "exif/CorpusCompare.h"
#include "exif/CorpusJson.h"
#include "exif/CorpusPhotos.h"

namespace {

void Lire(const corpus::Son& s, const std::string& path, CFichier* entry) {
  CMetaOptions options;
  MetaExtractor x(*entry, options);
  s.lire(x, path);
}

// What a cut may change, and why.
struct Tolerance {
  // The bitrate and duration of a constant-bitrate or Musepack stream come
  // from the size of the audio, which a cut makes smaller; the last comment
  // frame wins, and a cut may drop it for an earlier one.
  bool change(int item) const { return item == kItemAd || item == kItemAb || item == kItemAc || Id3v1(item); }
  // A Musepack file whose tags are larger than its (stripped) audio has no
  // bitrate; a cut that hides its tags gives it one.
  bool musepack = false;
  // A cut that leaves the "TAG" of an APE footer 128 bytes from the end
  // shows an ID3v1 tag there, as it would to any reader.
  bool apeTag = false;
  bool Id3v1(int item) const { return apeTag && item >= kItemmt && item <= kItemmg; }
  bool appear(int item) const { return (musepack && (item == kItemAb || item == kItemAd)) || Id3v1(item); }
};

std::string Nouveau(const CFichier& cut, const CFichier& full, int64_t taille, const Tolerance& t) {
  const auto change = [&t](int item) { return t.change(item); };
  const auto appear = [&t](int item) { return t.appear(item); };
  for (const std::string& e : {corpus::Compare(cut.items.text, full.items.text, change, appear, "text"),
                               corpus::Compare(cut.items.ints, full.items.ints, change, appear, "integer")})
    if (!e.empty()) return e;
  if (corpus::PictureFromNowhere(cut, full, taille)) return "picture location";
  return "";
}

TEST(AudioTruncation, CutFilesGiveNothingNew) {
  const std::string racine = corpus::Racine();
  if (racine.empty())
    GTEST_SKIP() << "the sample corpus is absent (VELTO_CORPUS unset or empty): nothing cut";
  int lectures = 0;
  for (const corpus::Son& s : corpus::kSons) {
    SCOPED_TRACE(s.chemin);
    const std::string bytes = corpus::LireFichier(racine + "/files/" + s.chemin);
    ASSERT_FALSE(bytes.empty());
    CFichier full;
    Lire(s, racine + "/files/" + s.chemin, &full);
    const std::string chemin = s.chemin;
    const std::string path = WriteScratchFile("audio_", "cut" + chemin.substr(chemin.rfind('.')), bytes);
    lectures += corpus::Couper(path, bytes.size(), [&](size_t n) {
      CFichier cut;
      Lire(s, path, &cut);
      Tolerance t;
      t.musepack = chemin.compare(0, 4, "mpc/") == 0;
      t.apeTag = n >= 131 && bytes.compare(n - 131, 8, "APETAGEX") == 0;
      return Nouveau(cut, full, static_cast<int64_t>(n), t);
    });
  }
  EXPECT_GT(lectures, 40000);
}

// An MP3 of 5 GB (sparse: its tag and frames at the start, its ID3v1 tag at
// the end): both tags are read and the duration comes from the whole size.
TEST(AudioLargeFiles, SparseMp3PastFourGigabytes) {
  using namespace audiotest;
  std::string head = Id3v2(3, Text(3, "TIT2", "Big"));
  for (int i = 0; i < 3; ++i) head += FrameOf(Cbr128(), kCbr128Length);
  const std::string path = WriteScratchFile("audio_", "sparse.mp3", head);
  const off_t taille = 5LL << 30;
  ASSERT_EQ(truncate(path.c_str(), taille), 0);
  std::FILE* f = std::fopen(path.c_str(), "r+b");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(fseeko(f, taille - 128, SEEK_SET), 0);
  const std::string v1 = Id3v1("Tail", "", "", "", 0, 0);
  ASSERT_EQ(std::fwrite(v1.data(), 1, v1.size(), f), v1.size());
  std::fclose(f);
  CLecture l;
  Lire(l, "sparse.mp3", std::string(),
       [&](MetaExtractor& x, const std::string&) { return ReadMpegAudioFile(x, path); });
  EXPECT_EQ(l.code, 0);
  EXPECT_EQ(l.Texte(kItemAt), "Big");
  EXPECT_EQ(l.Texte(kItemmt), "Tail");
  const int64_t audio = taille - 128 - int64_t(head.size() - 3 * kCbr128Length);
  EXPECT_EQ(*l.entry.items.ints.Find(kItemAd), audio * 8 / 128 / 1000);
  std::remove(path.c_str());
}

}  // namespace
