// Musepack files: the SV7 stream header and the end tags that come with it.
#include <gtest/gtest.h>

#include "AudioFixtures.h"
#include "meta/Musepack.h"

using namespace audiotest;

namespace {

TEST(MusepackReader, StreamAndTags) {
  const std::string audio(20000, 'm');
  const std::string sv7 = Mpc(0x07, 100, 0, 10) + audio;
  const std::string ape = Ape({ApeItem("Title", "Ape title")});
  const std::string v1 = Id3v1("V1 title", "", "", "", 0, 0);
  const std::vector<CCas> cases = {
      {"profile", sv7, 0, kItemAi, "SV7.0 Standard"},
      {"minor version", Mpc(0x17, 100, 0, 11) + audio, 0, kItemAi, "SV7.1 Xtreme"},
      {"last version read", Mpc(0x71, 100, 0, 0) + audio, 0, kItemAi, "SV1.7 N/A"},
      {"version past 7.1", Mpc(0x72, 100, 0, 10) + audio, -3, kItemAi, ""},
      {"duration", sv7, 0, kItemAd, "00m02s"},
      {"bitrate from the size", sv7, 0, kItemAb, "62"},
      {"bitrate without the tags", sv7 + ape + v1, 0, kItemAb, "62"},
      {"sampling rate", Mpc(0x07, 100, 2, 10) + audio, 0, kItemAs, "37800"},
      {"always stereo", sv7, 0, kItemAM, "stereo"},
      {"no frames", Mpc(0x07, 0, 0, 10) + audio, 0, kItemAb, ""},
      {"APE title", sv7 + ape, 0, kItemAt, "Ape title"},
      {"APE tag before ID3v1", sv7 + ape + v1, 0, kItemAt, "Ape title"},
      {"ID3v1 after the APE tag", sv7 + ape + v1, 0, kItemmt, "V1 title"},
      {"ID3v1 without APE tag", sv7 + v1, 0, kItemmt, "V1 title"},
      {"ID3v1 gives no tag item", sv7 + v1, 0, kItemAt, ""},
      {"ID3v2 tag before the stream", Id3v2(3, Text(3, "TIT2", "skipped")) + sv7, 0, kItemAi,
       "SV7.0 Standard"},
      {"other stream version", "MPCK" + audio + ape, -2, kItemAt, "Ape title"},
      {"short file", "MP+", -1, kItemAi, ""},
  };
  Verifier(cases, "stream.mpc", ReadMusepackFile);
}

// The profile names at the edges of their ranges, and numbers with none.
TEST(MusepackReader, ProfileNames) {
  const std::pair<int, const char*> rows[] = {
      {0, "N/A"},
      {1, "Unstable/Experimental"},
      {4, "N/A"},
      {5, "below Telephone"},
      {6, "below Telephone"},
      {7, "Telephone"},
      {13, "BrainDead"},
      {14, "above BrainDead"},
      {15, "above BrainDead"},
      {16, "N/A"},
      {-1, "N/A"},
  };
  for (const auto& row : rows) EXPECT_STREQ(MusepackProfile(row.first), row.second) << row.first;
}

}  // namespace
