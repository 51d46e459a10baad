// The photo readers on the shared sample corpus, compared field by field
// with the reference values ExifTool gives for each file (expected/*.n.json,
// raw numbers). Our texts differ from ExifTool's by design ("F2.8",
// "1/250s", "top-left"), so the underlying values are compared: integers and
// decimals by value, dates by their local time, names through the number
// ExifTool read. Every remaining difference is listed below with its reason.
// Skipped, saying so, when the corpus is absent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <sstream>

#include "CorpusCompare.h"
#include "CorpusJson.h"
#include "CorpusPhotos.h"
#include "files/CFichier.h"
#include "meta/Ciff.h"
#include "meta/Jpeg.h"
#include "meta/RawFormats.h"
#include "meta/Tiff.h"
#include "os/LocalTime.h"

namespace {

enum Forme {
  kEntier,   // integer value equal
  kDecimal,  // decimal value within 0.1 %
  kTexte,    // text equal (ours may be cut at 256 bytes)
  kDate,     // local time "YYYY:MM:DD HH:MM:SS"
  kNom,      // our name of ExifTool's number (table below)
  kBits,     // sum of the listed values
  kListe,    // ExifTool's list joined by ", "
  kFois8,    // eight bits per component
  kDms,      // "DDD.dddd d MM.mmm m SS.sss s" against decimal degrees
  kOctets,   // bytes joined by "." against ExifTool's by " "
  kBinaire,  // a length against ExifTool's "(Binary data N bytes ...)"
};

struct Correspondance {
  int item;
  const char* tag;  // ExifTool tag name, in any group
  Forme forme;
};

const Correspondance kCorrespondances[] = {
    {kItemIx, "ImageWidth", kEntier},          {kItemIy, "ImageHeight", kEntier},
    {kItemIb, "BitsPerSample", kBits},          {kItemIb, "ColorBitDepth", kEntier},
    {kItemIb, "ColorComponents", kFois8},
    {kItemIi, "Comment", kTexte},
    {kItemXde, "ImageDescription", kTexte},    {kItemXmk, "Make", kTexte},
    {kItemXmo, "Model", kTexte},               {kItemXor, "Orientation", kNom},
    {kItemXor, "Rotation", kNom},              {kItemXxr, "XResolution", kDecimal},
    {kItemXyr, "YResolution", kDecimal},       {kItemXru, "ResolutionUnit", kNom},
    {kItemXso, "Software", kTexte},            {kItemXso, "CanonFirmwareVersion", kTexte},
    {kItemXdt, "ModifyDate", kDate},           {kItemXar, "Artist", kTexte},
    {kItemXar, "OwnerName", kTexte},           {kItemXyp, "YCbCrPositioning", kNom},
    {kItemXco, "Copyright", kTexte},           {kItemXet, "ExposureTime", kDecimal},
    {kItemXfn, "FNumber", kDecimal},           {kItemXep, "ExposureProgram", kNom},
    {kItemXsr, "ISO", kEntier},                {kItemXve, "ExifVersion", kTexte},
    {kItemXdo, "DateTimeOriginal", kDate},     {kItemXdd, "CreateDate", kDate},
    {kItemXcc, "ComponentsConfiguration", kNom}, {kItemXbp, "CompressedBitsPerPixel", kDecimal},
    {kItemXss, "ShutterSpeedValue", kDecimal}, {kItemXss, "TargetExposureTime", kDecimal},
    {kItemXav, "ApertureValue", kDecimal},     {kItemXav, "TargetAperture", kDecimal},
    {kItemXbv, "BrightnessValue", kDecimal},   {kItemXev, "ExposureCompensation", kDecimal},
    {kItemXma, "MaxApertureValue", kDecimal},  {kItemXsd, "SubjectDistance", kDecimal},
    {kItemXmm, "MeteringMode", kNom},          {kItemXls, "LightSource", kNom},
    {kItemXfa, "Flash", kNom},                 {kItemXfl, "FocalLength", kDecimal},
    {kItemXuc, "UserComment", kTexte},         {kItemXSt, "SubSecTime", kTexte},
    {kItemXSo, "SubSecTimeOriginal", kTexte},  {kItemXSd, "SubSecTimeDigitized", kTexte},
    {kItemXfv, "FlashpixVersion", kTexte},     {kItemXcs, "ColorSpace", kNom},
    {kItemXiw, "ExifImageWidth", kEntier},     {kItemXih, "ExifImageHeight", kEntier},
    {kItemXfx, "FocalPlaneXResolution", kDecimal}, {kItemXfy, "FocalPlaneYResolution", kDecimal},
    {kItemXfu, "FocalPlaneResolutionUnit", kNom}, {kItemXsm, "SensingMethod", kNom},
    {kItemXfs, "FileSource", kNom},            {kItemXst, "SceneType", kNom},
    {kItemXcr, "CustomRendered", kNom},        {kItemXem, "ExposureMode", kNom},
    {kItemXwb, "WhiteBalance", kNom},          {kItemXdz, "DigitalZoomRatio", kDecimal},
    {kItemXfL, "FocalLengthIn35mmFormat", kEntier}, {kItemXsc, "SceneCaptureType", kNom},
    {kItemXgc, "GainControl", kNom},           {kItemXct, "Contrast", kNom},
    {kItemXsu, "Saturation", kNom},            {kItemXsh, "Sharpness", kNom},
    {kItemXsD, "SubjectDistanceRange", kNom},  {kItemXui, "ImageUniqueID", kTexte},
    {kItemXts, "ThumbnailLength", kEntier},    {kItemXts, "JpgFromRawLength", kEntier},
    {kItemXts, "JpgFromRaw", kBinaire},        {kItemXts, "ThumbnailImage", kBinaire},
    {kItemXep, "EasyMode", kNom},              {kItemXfa, "CanonFlashMode", kNom},
    {kItemXem, "CanonExposureMode", kNom},
    {kItemXgv, "GPSVersionID", kOctets},        {kItemXlA, "GPSLatitudeRef", kTexte},
    {kItemXla, "GPSLatitude", kDms},       {kItemXlO, "GPSLongitudeRef", kTexte},
    {kItemXlo, "GPSLongitude", kDms},      {kItemXaL, "GPSAltitudeRef", kNom},
    {kItemXal, "GPSAltitude", kDecimal},       {kItemXmd, "GPSMapDatum", kTexte},
    {kItemYon, "ObjectName", kTexte},          {kItemYes, "EditStatus", kTexte},
    {kItemYpr, "Urgency", kTexte},             {kItemYca, "Category", kTexte},
    {kItemYsc, "SupplementalCategories", kListe}, {kItemYji, "FixtureIdentifier", kTexte},
    {kItemYkw, "Keywords", kListe},            {kItemYsi, "SpecialInstructions", kTexte},
    {kItemYdc, "DateCreated", kDate},          {kItemYdr, "ReleaseDate", kDate},
    {kItemYpg, "OriginatingProgram", kTexte},  {kItemYpv, "ProgramVersion", kTexte},
    {kItemYoc, "ObjectCycle", kTexte},         {kItemYbl, "By-line", kTexte},
    {kItemYbt, "By-lineTitle", kTexte},        {kItemYct, "City", kTexte},
    {kItemYsl, "Sub-location", kTexte},        {kItemYst, "Province-State", kTexte},
    {kItemYcc, "Country-PrimaryLocationCode", kTexte}, {kItemYco, "Country-PrimaryLocationName", kTexte},
    {kItemYot, "OriginalTransmissionReference", kTexte}, {kItemYhl, "Headline", kTexte},
    {kItemYcr, "Credit", kTexte},              {kItemYsr, "Source", kTexte},
    {kItemYcy, "CopyrightNotice", kTexte},     {kItemYcp, "Caption-Abstract", kTexte},
    {kItemYcw, "Writer-Editor", kTexte},
};

// Our names of the numbers the corpus holds, by ExifTool tag.
struct Nom {
  const char* tag;
  const char* nombre;
  const char* texte;
};
const Nom kNoms[] = {
    {"Orientation", "1", "top-left"},
    {"Orientation", "6", "right-top"},
    {"Rotation", "0", "top-left"},
    {"ResolutionUnit", "2", "inch"},
    {"FocalPlaneResolutionUnit", "2", "inch"},
    {"FocalPlaneResolutionUnit", "3", "cm"},
    {"YCbCrPositioning", "1", "centered"},
    {"YCbCrPositioning", "2", "co-sited"},
    {"ExposureProgram", "1", "manual control"},
    {"ExposureProgram", "2", "program normal"},
    {"ExposureProgram", "3", "aperture priority"},
    {"ExposureProgram", "4", "shutter priority"},
    {"ComponentsConfiguration", "1 2 3 0", "YCbCr"},
    {"ComponentsConfiguration", "0 0 0 0", ""},
    {"Canon:MeteringMode", "3", "evaluative"},
    {"Canon:EasyMode", "1", "manual"},
    {"Canon:CanonFlashMode", "0", "no flash"},
    {"Canon:CanonFlashMode", "2", "flash"},
    {"Canon:CanonExposureMode", "1", "program"},
    {"Canon:MeteringMode", "5", "center weighted average"},
    {"MeteringMode", "0", "unknown"},
    {"MeteringMode", "1", "average"},
    {"MeteringMode", "2", "center weighted average"},
    {"MeteringMode", "5", "pattern"},
    {"LightSource", "0", "unknown"},
    {"LightSource", "10", "cloudy weather"},
    {"Flash", "0", "no flash"},
    {"Flash", "1", "flash"},
    {"Flash", "16", "no flash, suppressed"},
    {"Flash", "24", "no flash, auto"},
    {"Flash", "80", "no flash, suppressed, red-eye reduction mode"},
    {"ColorSpace", "1", "sRGB"},
    {"ColorSpace", "65535", "uncalibrated"},
    {"SensingMethod", "2", "one-chip color area sensor"},
    {"FileSource", "3", "DSC"},
    {"SceneType", "1", "directly photographed image"},
    {"CustomRendered", "0", "normal"},
    {"ExposureMode", "0", "auto"},
    {"ExposureMode", "1", "manual"},
    {"WhiteBalance", "0", "auto"},
    {"WhiteBalance", "1", "manual"},
    {"SceneCaptureType", "0", "standard"},
    {"GainControl", "0", "none"},
    {"Contrast", "0", "normal"},
    {"Saturation", "0", "normal"},
    {"Sharpness", "0", "normal"},
    {"SubjectDistanceRange", "0", "unknown"},
    {"SubjectDistanceRange", "3", "distant view"},
    {"GPSAltitudeRef", "0", "sea level"},
};

// Differences that remain, by file and variable, with their reason.
struct Ecart {
  const char* fichier;
  int item;
  const char* raison;
};
const Ecart kEcarts[] = {
    {"jpeg/ExifTool.jpg", kItemIi,
     "the file holds several comments; we keep the first (\"a comment\"), ExifTool shows the last"},
    {"crw/CanonRaw.crw", kItemXet,
     "the CIFF heap gives the shutter speed (%Xss); ExifTool's ExposureTime is a maker-note value"},
    {"crw/exiv2-canon-powershot-s40.crw", kItemXet, "as for CanonRaw.crw"},
    {"tiff/DNG.dng", kItemXts,
     "ExifTool calls the strip of a JPEG-compressed sub-image JpgFromRaw; thumbnails come only from tags 513 and 514"},
    {"crw/", kItemXfn,
     "the aperture is 2^(v/64) of the shot-info value; ExifTool rounds third stops first (3.51 against 3.56)"},
    {"crw/", kItemXav, "as %Xfn"},
    {"crw/", kItemXct, "contrast, saturation and sharpness are Canon camera settings that CIFF reading leaves out"},
    {"crw/", kItemXsu, "as %Xct"},
    {"crw/", kItemXsh, "as %Xct"},
    {"tiff/hopper_bigtiff.tif", kItemIx, "BigTIFF (magic 43) is not a TIFF structure the reader accepts"},
    {"tiff/hopper_bigtiff.tif", kItemIy, "BigTIFF"},
    {"tiff/hopper_bigtiff.tif", kItemIb, "BigTIFF"},
    {"tiff/hopper_bigtiff.tif", kItemXde, "BigTIFF"},
    {"tiff/hopper_bigtiff.tif", kItemXor, "BigTIFF"},
    {"tiff/hopper_bigtiff.tif", kItemXxr, "BigTIFF"},
    {"tiff/hopper_bigtiff.tif", kItemXyr, "BigTIFF"},
    {"tiff/hopper_bigtiff.tif", kItemXru, "BigTIFF"},
    {"raf/FujiFilm.raf", kItemIx,
     "ExifTool gives the size of the embedded JPEG's frame; the RAF reader reads only its TIFF structure"},
    {"raf/FujiFilm.raf", kItemIy, "as %Ix"},
    {"raf/FujiFilm.raf", kItemIb, "as %Ix"},
};

// A difference listed for the file, or for its whole folder ("crw/").
const Ecart* Raison(const std::string& fichier, int item) {
  for (const Ecart& e : kEcarts)
    if (fichier.compare(0, std::strlen(e.fichier), e.fichier) == 0 && item == e.item) return &e;
  return nullptr;
}

// ExifTool writes UTF-8; the readers give ANSI text. Characters below 256
// become their byte.
std::string VersAnsi(const std::string& s) {
  std::string r;
  for (size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = s[i];
    if ((c & 0xE0) == 0xC0 && i + 1 < s.size()) {
      r += static_cast<char>(((c & 0x1F) << 6) | (s[i + 1] & 0x3F));
      ++i;
    } else {
      r += static_cast<char>(c);
    }
  }
  return r;
}

std::string Nettoye(std::string s) {
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

std::string DateLocale(FileTime ft) {
  CTempsLocal t;
  if (FileTimeToLocalTime(ft, &t) != 0) return "";
  char b[32];
  std::snprintf(b, sizeof b, "%04d:%02d:%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return b;
}

bool Egal(const CFichier& e, const Correspondance& c, const std::string& groupe, const corpus::Valeur& ref,
          const std::vector<std::pair<std::string, corpus::Valeur>>& toutes) {
  const CDonnees& d = e.items;
  switch (c.forme) {
    case kEntier: {
      const int64_t* v = d.ints.Find(c.item);
      return v && ref.nombre && static_cast<double>(*v) == ref.v;
    }
    case kDecimal: {
      const double* v = d.decs.Find(c.item);
      return v && ref.nombre && std::fabs(*v - ref.v) <= 1e-3 * std::fabs(ref.v) + 1e-6;
    }
    case kTexte: {
      // The file's bytes may be UTF-8 already, or ANSI that ExifTool
      // converted.
      const std::string& t = d.Text(c.item);
      return t == Nettoye(ref.texte).substr(0, 256) || t == Nettoye(VersAnsi(ref.texte)).substr(0, 256);
    }
    case kDate: {
      // An IPTC date may come without its time (midnight then); a text that
      // is not a date stays as it is.
      const FileTime* v = d.dates.Find(c.item);
      const size_t n = std::min<size_t>(ref.texte.size(), 19);
      if (!v) return d.Text(c.item) == ref.texte;
      return n >= 10 && DateLocale(*v).compare(0, n, ref.texte, 0, n) == 0;
    }
    case kDms: {
      double deg = 0, min = 0, sec = 0;
      if (std::sscanf(d.Text(c.item).c_str(), "%lfd%lfm%lfs", &deg, &min, &sec) != 3 || !ref.nombre) return false;
      return std::fabs(deg + min / 60 + sec / 3600 - ref.v) < 1e-5;
    }
    case kBinaire: {
      const int64_t* v = d.ints.Find(c.item);
      long n = -1;
      return v && std::sscanf(ref.texte.c_str(), "(Binary data %ld bytes", &n) == 1 && n == *v;
    }
    case kOctets: {
      std::string t = ref.texte;
      for (char& ch : t)
        if (ch == ' ') ch = '.';
      return d.Text(c.item) == t;
    }
    case kFois8: {
      const int64_t* v = d.ints.Find(c.item);
      return v && ref.nombre && static_cast<double>(*v) == 8 * ref.v;
    }
    case kNom:
      // A name of the tag in its group first (CIFF and Exif number some
      // values differently), then of the tag in any group.
      for (const std::string& cle : {groupe + ":" + c.tag, std::string(c.tag)})
        for (const Nom& n : kNoms)
          if (cle == n.tag && ref.texte == n.nombre) return d.Text(c.item) == n.texte;
      return false;
    case kBits: {
      double somme = 0;
      std::istringstream in(ref.texte);
      for (double x; in >> x;) somme += x;
      const int64_t* v = d.ints.Find(c.item);
      return v && static_cast<double>(*v) == somme;
    }
    case kListe: {
      std::string joint;
      for (const auto& g : toutes) {
        if (g.first != "IPTC") continue;
        if (!joint.empty()) joint += ", ";
        joint += g.second.texte;
      }
      return d.Text(c.item) == joint;
    }
  }
  return false;
}

// Groups whose values the readers do not read at all. The Canon group holds
// maker-note values, except in a crw file, where it holds those of the CIFF
// records the reader reads.
bool GroupeIgnore(const std::string& g, bool ciff) {
  if (g == "Canon") return !ciff;
  return g == "System" || g == "ExifTool" || g == "Composite" || g.compare(0, 4, "XMP-") == 0 || g == "JFIF" ||
         g == "Photoshop" || g == "SPIFF" || g == "JSON" || g == "Ducky" || g == "ICC_Profile" ||
         g == "PictureInfo" || g == "Nikon" || g == "FujiFilm" || g == "Olympus" || g == "Sony" ||
         g == "MakerNotes" || g == "Minolta" || g == "Adobe" || g == "APP14" || g == "CIFF";
}

TEST(ExifConformance, CorpusAgainstReference) {
  const std::string racine = corpus::Racine();
  if (racine.empty()) GTEST_SKIP() << "the sample corpus is absent (VELTO_CORPUS unset or empty): nothing compared";
  int compares = 0;
  std::set<const Ecart*> expliques;
  for (const corpus::Photo& f : corpus::kPhotos) {
    SCOPED_TRACE(f.chemin);
    corpus::Reference ref;
    ASSERT_TRUE(corpus::LireReference(racine + "/expected/" + f.chemin + ".n.json", &ref));
    CFichier entry;
    CMetaOptions options;
    {
      MetaExtractor x(entry, options);
      f.lire(x, racine + "/files/" + f.chemin);
    }
    const bool ciff = std::string(f.chemin).compare(0, 4, "crw/") == 0;
    // An item agrees when one of its tags, in one of the groups read, gives
    // the value we read.
    std::set<int> accords;
    std::map<int, std::string> desaccords;
    for (const Correspondance& c : kCorrespondances) {
      const auto* valeurs = ref.Find(c.tag);
      if (!valeurs) continue;
      for (const auto& g : *valeurs) {
        if (GroupeIgnore(g.first, ciff)) continue;
        if (g.second.texte == "undef" || g.second.texte == "inf") continue;
        // ExifTool shows empty texts that we do not store.
        if (!g.second.nombre && Nettoye(g.second.texte).empty()) continue;
        ++compares;
        if (Egal(entry, c, g.first, g.second, *valeurs))
          accords.insert(c.item);
        else
          desaccords[c.item] += " " + g.first + ":" + c.tag + "=" + g.second.texte;
      }
    }
    // And every value we read that has a reference tag must be one the
    // reference shows.
    for (const Correspondance& c : kCorrespondances) {
      if (accords.count(c.item) || desaccords.count(c.item) || !entry.items.text.Find(c.item)) continue;
      bool ailleurs = false;
      for (const Correspondance& autre : kCorrespondances)
        if (autre.item == c.item && ref.Find(autre.tag)) ailleurs = true;
      if (!ailleurs) desaccords[c.item] = " none";
    }
    corpus::Signaler(f.chemin, entry, accords, desaccords, Raison, &expliques);
  }
  EXPECT_GT(compares, 300);
  // The list of differences stays true: each one still occurs.
  for (const Ecart& e : kEcarts)
    EXPECT_TRUE(expliques.count(&e)) << e.fichier << " item " << e.item << " now agrees: " << e.raison;
}

}  // namespace
