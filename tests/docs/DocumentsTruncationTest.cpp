// Every PDF, web page, torrent, WAVE, MIDI and Sun audio file of the sample
// corpus cut at every length up to 4 KB, then in steps to its end: each cut
// file is read without a crash or a hang, and gives no text the whole file
// does not give (an information text made of several events or streams may
// hold only some of the whole one's).
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "../exif/CorpusJson.h"
#include "ScratchFile.h"
#include "meta/MetaExtractor.h"

namespace {

CFichier Extract(const std::string& path) {
  CFichier entry;
  CMetaOptions options;
  ExtractMetadata(entry, path, options);
  return entry;
}

TEST(DocumentTruncation, CutFilesGiveNothingNew) {
  const char* corpus = std::getenv("VELTO_CORPUS");
  if (!corpus || !std::filesystem::exists(std::string(corpus) + "/files/pdf")) {
    GTEST_SKIP() << "the sample corpus is absent (VELTO_CORPUS unset or empty): nothing cut";
  }
  int reads = 0;
  for (const char* folder : {"pdf", "torrent", "html", "wav", "midi", "au", "ogg", "quicktime", "avi", "asf", "mpeg"}) {
    // Some values follow the file's length: a cut page may show a shorter
    // title, a Sun audio file whose data size passes its end takes the rest
    // of the file as data, a cut Ogg file's last page is an earlier one, and
    // an MPEG stream's duration follows its size and its last time code.
    const std::string f = folder;
    const bool compare = f != "html" && f != "au" && f != "ogg" && f != "mpeg";
    for (const auto& file : std::filesystem::directory_iterator(std::string(corpus) + "/files/" + folder)) {
      SCOPED_TRACE(file.path().string());
      const std::string bytes = corpus::LireFichier(file.path().string());
      const CFichier full = Extract(file.path().string());
      const std::string path = WriteScratchFile("cut_", file.path().filename().string(), bytes);
      const size_t size = bytes.size();
      const size_t step = std::max<size_t>(1, (size > 4096 ? size - 4096 : 0) / 128);
      std::vector<size_t> lengths;
      for (size_t n = 0; n < std::min<size_t>(size, 4096); ++n) lengths.push_back(n);
      for (size_t n = 4096; n < size; n += step) lengths.push_back(n);
      std::sort(lengths.rbegin(), lengths.rend());
      for (const size_t n : lengths) {
        ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(n)), 0);
        const CFichier cut = Extract(path);
        ++reads;
        if (!compare) continue;
        for (const auto& t : cut.items.text) {
          const std::string* whole = full.items.text.Find(t.first);
          const bool part = (t.first == kItemAi || t.first == kItemVi) && whole && whole->find(t.second) != std::string::npos;
          ASSERT_TRUE(whole && (*whole == t.second || part)) << "item " << t.first << " \"" << t.second << "\" at " << n;
        }
      }
      std::remove(path.c_str());
    }
  }
  EXPECT_GT(reads, 20000);
}

}  // namespace
