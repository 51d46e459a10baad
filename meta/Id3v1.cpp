#include "meta/Id3v1.h"

#include <cstring>
#include <string>

namespace {

constexpr uint32_t kTagSize = 128;

const char* const kGenres[kId3GenreCount] = {
    "Blues", "Classic Rock", "Country", "Dance", "Disco", "Funk", "Grunge", "Hip-Hop", "Jazz", "Metal",
    "New Age", "Oldies", "Other", "Pop", "R&B", "Rap", "Reggae", "Rock", "Techno", "Industrial",
    "Alternative", "Ska", "Death Metal", "Pranks", "Soundtrack", "Euro-Techno", "Ambient", "Trip-Hop",
    "Vocal", "Jazz+Funk", "Fusion", "Trance", "Classical", "Instrumental", "Acid", "House", "Game",
    "Sound Clip", "Gospel", "Noise", "Alt. Rock", "Bass", "Soul", "Punk", "Space", "Meditative",
    "Instrumental Pop", "Instrumental Rock", "Ethnic", "Gothic", "Darkwave", "Techno-Industrial",
    "Electronic", "Pop-Folk", "Eurodance", "Dream", "Southern Rock", "Comedy", "Cult", "Gangsta", "Top 40",
    "Christian Rap", "Pop/Funk", "Jungle", "Native American", "Cabaret", "New Wave", "Psychadelic", "Rave",
    "Showtunes", "Trailer", "Lo-Fi", "Tribal", "Acid Punk", "Acid Jazz", "Polka", "Retro", "Musical",
    "Rock & Roll", "Hard Rock",
    // The widespread extension of the list.
    "Folk", "Folk-Rock", "National Folk", "Swing", "Fast Fusion", "Bebob", "Latin", "Revival", "Celtic",
    "Bluegrass", "Avantgarde", "Gothic Rock", "Progressive Rock", "Psychedelic Rock", "Symphonic Rock",
    "Slow Rock", "Big Band", "Chorus", "Easy Listening", "Acoustic", "Humour", "Speech", "Chanson", "Opera",
    "Chamber Music", "Sonata", "Symphony", "Booty Bass", "Primus", "Porn Groove", "Satire", "Slow Jam",
    "Club", "Tango", "Samba", "Folklore", "Ballad", "Power Ballad", "Rhythmic Soul", "Freestyle", "Duet",
    "Punk Rock", "Drum Solo", "A capella", "Euro-House", "Dance Hall", "Goa", "Drum & Bass", "Club-House",
    "Hardcore", "Terror", "Indie", "BritPop", "Negerpunk", "Polsk Punk", "Beat", "Christian Gangsta Rap",
    "Heavy Metal", "Black Metal", "Crossover", "Contemporary C", "Christian Rock", "Merengue", "Salsa",
    "Thrash Metal", "Anime", "JPop", "Synthpop"};

}  // namespace

const char* Id3v1Genre(int index) { return index >= 0 && index < kId3GenreCount ? kGenres[index] : nullptr; }

int ReadId3v1(MetaExtractor& x, int64_t* audioEnd) {
  FileReader& f = x.File();
  uint8_t t[kTagSize];
  if (*audioEnd < kTagSize || f.Seek(*audioEnd - kTagSize) != 0 || f.ReadExact(t, kTagSize) != 0) return -1;
  if (std::memcmp(t, "TAG", 3) != 0) return -2;
  *audioEnd -= kTagSize;
  struct Field {
    int item;
    uint32_t at, size;
  };
  static const Field kFields[] = {
      {kItemmt, 3, 30}, {kItemma, 33, 30}, {kItemmA, 63, 30}, {kItemmy, 93, 4}, {kItemmc, 97, 30}};
  const std::string tag(reinterpret_cast<const char*>(t), kTagSize);
  for (const Field& field : kFields) x.OverwriteText(field.item, tag.substr(field.at, field.size));
  // ID3v1.1: a zero before the comment's last byte makes that byte the track.
  if (t[125] == 0 && t[126] != 0) x.OverwriteInt(kItemmT, t[126], std::to_string(t[126]));
  if (const char* genre = Id3v1Genre(t[127])) x.OverwriteText(kItemmg, genre);
  return 0;
}
