// The audio readers on the shared sample corpus, compared field by field
// with the reference values ExifTool gives for each file (expected/*.json)
// and, for the stream values ExifTool does not read (mp2 files, average
// bitrates, Musepack durations), those of MediaInfo (expected/*.mediainfo.json).
// Every remaining difference is listed below with its reason. Skipped,
// saying so, when the corpus is absent.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

#include "CorpusAudio.h"
#include "exif/CorpusCompare.h"
#include "exif/CorpusJson.h"
#include "exif/CorpusPhotos.h"
#include "meta/Id3v1.h"
#include "os/AnsiText.h"

namespace {

enum Forme {
  kTexte,        // text equal (ours cut at 256 bytes)
  kEntier,       // integer value equal
  kKbps,         // "128 kbps", or bits per second
  kSecondes,     // whole seconds of "3.74 s (approx)" or of a number
  kMode,         // ExifTool's channel mode name
  kCommentaire,  // ExifTool's "(description) text": the text
  kCanaux,       // a channel count: 1 our "mono", 2 our "stereo..."
  kTrames,       // Musepack frames: whole seconds of 1152 samples each at 44100 Hz
};

struct Correspondance {
  int item;
  const char* groupe;  // ExifTool group, or its prefix ("ID3v2" for ID3v2_3)
  const char* tag;
  Forme forme;
};

const Correspondance kCorrespondances[] = {
    {kItemAs, "MPEG", "SampleRate", kEntier},
    {kItemAs, "MPC", "SampleRate", kEntier},
    {kItemAs, "MediaInfo", "SamplingRate", kEntier},
    {kItemAb, "MPEG", "AudioBitrate", kKbps},
    {kItemAb, "MediaInfo", "BitRate", kKbps},
    {kItemAd, "Composite", "Duration", kSecondes},
    {kItemAd, "MediaInfo", "Duration", kSecondes},
    {kItemAd, "MPC", "TotalFrames", kTrames},
    {kItemAM, "MPEG", "ChannelMode", kMode},
    {kItemAM, "MediaInfo", "Channels", kCanaux},
    {kItemmt, "ID3v1", "Title", kTexte},
    {kItemma, "ID3v1", "Artist", kTexte},
    {kItemmA, "ID3v1", "Album", kTexte},
    {kItemmy, "ID3v1", "Year", kTexte},
    {kItemmc, "ID3v1", "Comment", kTexte},
    {kItemmT, "ID3v1", "Track", kEntier},
    {kItemmg, "ID3v1", "Genre", kTexte},
};
// The audio tag items, from the ID3v2 and APE groups alike.
const Correspondance kTags[] = {
    {kItemAt, "", "Title", kTexte},
    {kItemAa, "", "Artist", kTexte},
    {kItemAA, "", "Album", kTexte},
    {kItemAy, "", "Year", kTexte},
    {kItemAc, "", "Comment-eng", kCommentaire},
    {kItemAy, "", "RecordingTime", kTexte},
    {kItemAc, "", "Comment", kCommentaire},
    {kItemAk, "", "Track", kTexte},
    {kItemAg, "", "Genre", kTexte},
    {kItemAp, "", "Composer", kTexte},
    {kItemAo, "", "OriginalArtist", kTexte},
    {kItemAC, "", "Copyright", kTexte},
    {kItemAu, "", "UserDefinedURL", kTexte},
    {kItemAe, "", "EncodedBy", kTexte},
    {kItemAIf, "", "PictureMIMEType", kTexte},
    {kItemAIf, "", "PictureFormat", kTexte},
};

// Differences that remain, by file and variable, with their reason.
struct Ecart {
  const char* fichier;
  int item;
  const char* raison;
};
const Ecart kEcarts[] = {
    {"mp3/MP3.mp3", kItemAs,
     "the file holds one frame header and no audio: a constant-bitrate stream counts once a second frame "
     "follows"},
    {"mp3/MP3.mp3", kItemAb, "as %As"},
    {"mp3/MP3.mp3", kItemAM, "as %As"},
    {"mp3/lame.mp3", kItemAs,
     "a Xing header of 4 frames lasts no whole second: the analysis stops before storing anything"},
    {"mp3/lame.mp3", kItemAb, "as %As"},
    {"mp3/lame.mp3", kItemAM, "as %As"},
    {"mp3/silence-44-s-mpeg2.mp3", kItemAb,
     "a Xing file's bitrate is its bytes over its whole seconds (22); ExifTool gives the first frame's, "
     "MediaInfo an exact average"},
    {"mp3/vbri.mp3", kItemAb,
     "the file is cut to 8 KB while its VBRI header counts the whole song: the bitrate is those 8 KB over "
     "222 s"},
    {"mp3/id3v1v2-combined.mp3", kItemmg, "genre 255 is no genre; ExifTool names it \"None\""},
    {"mp3/silence-44-s.mp3", kItemmg, "as id3v1v2-combined.mp3"},
    {"mp3/silence-44-s.mp3", kItemAa,
     "the tag holds two TPE1 frames: the first one wins, ExifTool shows the last"},
    {"mp3/id3v1v2-combined.mp3", kItemAy,
     "the 2.4 tag holds a TYER frame, which 2.4 does not define: ExifTool files it under group Unknown"},
    {"mpc/APE.mpc", kItemAM,
     "a Musepack stream is always stereo; neither reference names this file's channels"},
    {"mpc/fixture-sv8.mpc", kNoItem,
     "stream version 8 (\"MPCK\" packets) is not read, only its APE tag; ExifTool reads nothing of the file"},
    {"mpc/fixture-sv7.mpc", kItemAb,
     "bytes over samples of the stream header; MediaInfo counts the frames' bits (an 11-frame sample)"},
    {"mpc/click.mpc", kItemAb, "as fixture-sv7.mpc"},
};

const Ecart* Raison(const std::string& fichier, int item) {
  for (const Ecart& e : kEcarts)
    if (fichier == e.fichier && (item == e.item || e.item == kNoItem)) return &e;
  return nullptr;
}

// The reference text as we would store it: ANSI, control characters as
// spaces (CR LF as one), no trailing blanks.
std::string Nettoye(const std::string& utf8) {
  const std::string s = Utf8VersAnsi(utf8);
  std::string r;
  for (size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = s[i];
    r += c < 32 ? ' ' : char(c);
    if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
  }
  while (!r.empty() && (r.back() == ' ' || r.back() == '\t')) r.pop_back();
  return r.substr(0, 256);
}

// Our text against the reference's: equal, or, for a long text, its start:
// 256 bytes of a frame hold its encoding byte and description too, and only
// about 120 characters in UTF-16.
bool Texte(const std::string& ours, const std::string& ref) {
  const std::string r = Nettoye(ref);
  return ours == r || (ours.size() >= 100 && r.size() > ours.size() && r.compare(0, ours.size(), ours) == 0);
}

const char* NomMode(const std::string& exiftool) {
  if (exiftool == "Stereo") return "stereo";
  if (exiftool == "Joint Stereo") return "stereo (joint)";
  if (exiftool == "Dual Channel") return "stereo (dual channel)";
  if (exiftool == "Single Channel") return "mono";
  return "?";
}

bool Egal(const CFichier& e, const Correspondance& c, const corpus::Valeur& ref) {
  const CDonnees& d = e.items;
  const int64_t* v = d.ints.Find(c.item);
  switch (c.forme) {
    case kTexte:
      return Texte(d.Text(c.item), ref.texte);
    case kEntier:
      return v && ref.nombre && double(*v) == ref.v;
    case kKbps: {
      const double kbps = ref.nombre ? ref.v / 1000 : std::atof(ref.texte.c_str());
      return v && double(*v) == std::round(kbps);
    }
    case kSecondes: {
      const double s = std::floor(std::atof(ref.texte.c_str()));
      return v ? double(*v) == s : s == 0;
    }
    case kMode:
      return d.Text(c.item) == NomMode(ref.texte);
    case kCommentaire: {
      std::string t = ref.texte;
      const size_t ferme = t.find(") ");
      if (!t.empty() && t[0] == '(' && ferme != std::string::npos) t = t.substr(ferme + 2);
      return Texte(d.Text(c.item), t);
    }
    case kCanaux:
      return ref.v == 1 ? d.Text(c.item) == "mono" : d.Text(c.item).compare(0, 6, "stereo") == 0;
    case kTrames: {
      const double s = std::floor(ref.v * 1152 / 44100);
      return v ? double(*v) == s : s == 0;
    }
  }
  return false;
}

// The values of the audio track of a MediaInfo report, as group "MediaInfo".
void AjouterMediaInfo(const std::string& path, corpus::Reference* ref) {
  const std::string s = corpus::LireFichier(path);
  const size_t audio = s.find("\"@type\": \"Audio\"");
  if (audio == std::string::npos) return;
  for (const char* cle : {"SamplingRate", "BitRate", "Duration", "Channels"}) {
    const std::string motif = std::string("\"") + cle + "\": \"";
    const size_t at = s.find(motif, audio);
    if (at == std::string::npos) continue;
    const size_t debut = at + motif.size();
    corpus::Valeur v;
    v.texte = s.substr(debut, s.find('"', debut) - debut);
    char* fin = nullptr;
    v.v = std::strtod(v.texte.c_str(), &fin);
    v.nombre = fin && *fin == '\0';
    ref->tags[cle].push_back({"MediaInfo", v});
  }
}

// Whether group g of the reference holds values of c. A Musepack file's
// ID3v2 tag is passed over, not read.
bool Groupe(const std::string& g, const Correspondance& c, bool musepack) {
  if (*c.groupe) return g.compare(0, std::strlen(c.groupe), c.groupe) == 0;
  return (g.compare(0, 5, "ID3v2") == 0 && !musepack) || g == "APE";
}

TEST(AudioConformance, CorpusAgainstReference) {
  const std::string racine = corpus::Racine();
  if (racine.empty())
    GTEST_SKIP() << "the sample corpus is absent (VELTO_CORPUS unset or empty): nothing compared";
  std::vector<Correspondance> toutes(std::begin(kCorrespondances), std::end(kCorrespondances));
  toutes.insert(toutes.end(), std::begin(kTags), std::end(kTags));
  int compares = 0;
  std::set<const Ecart*> expliques;
  for (const corpus::Son& f : corpus::kSons) {
    SCOPED_TRACE(f.chemin);
    corpus::Reference ref;
    ASSERT_TRUE(corpus::LireReference(racine + "/expected/" + f.chemin + ".json", &ref));
    AjouterMediaInfo(racine + "/expected/" + f.chemin + ".mediainfo.json", &ref);
    CFichier entry;
    CMetaOptions options;
    {
      MetaExtractor x(entry, options);
      f.lire(x, racine + "/files/" + f.chemin);
    }
    const bool musepack = std::strncmp(f.chemin, "mpc/", 4) == 0;
    std::set<int> accords;
    std::map<int, std::string> desaccords;
    for (const Correspondance& c : toutes) {
      const auto* valeurs = ref.Find(c.tag);
      if (!valeurs) continue;
      for (const auto& g : *valeurs) {
        if (!Groupe(g.first, c, musepack)) continue;
        // ExifTool shows empty texts that we do not store.
        if (!g.second.nombre && Nettoye(g.second.texte).empty()) continue;
        ++compares;
        if (Egal(entry, c, g.second))
          accords.insert(c.item);
        else
          desaccords[c.item] += " " + g.first + ":" + c.tag + "=" + g.second.texte.substr(0, 80);
      }
    }
    // Every value we read that the reference can show must be one it shows.
    for (const Correspondance& c : toutes) {
      if (accords.count(c.item) || desaccords.count(c.item) || !entry.items.text.Find(c.item)) continue;
      desaccords[c.item] = " none";
    }
    corpus::Signaler(f.chemin, entry, accords, desaccords, Raison, &expliques);
  }
  EXPECT_GT(compares, 150);
  // The list of differences stays true: each one still occurs.
  for (const Ecart& e : kEcarts)
    EXPECT_TRUE(expliques.count(&e)) << e.fichier << " item " << e.item << " now agrees: " << e.raison;
}

}  // namespace
