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

TEST(MusepackReader, ProfileNames) {
  const char* const names[16] = {"N/A",
                                 "Unstable/Experimental",
                                 "N/A",
                                 "N/A",
                                 "N/A",
                                 "below Telephone",
                                 "below Telephone",
                                 "Telephone",
                                 "Thumb",
                                 "Radio",
                                 "Standard",
                                 "Xtreme",
                                 "Insane",
                                 "BrainDead",
                                 "above BrainDead",
                                 "above BrainDead"};
  for (int p = 0; p < 16; ++p) EXPECT_STREQ(MusepackProfile(p), names[p]) << p;
}

}  // namespace
