// The TIFF structure shared by TIFF files, the TIFF-based camera raws, the
// Exif block of a JPEG file and the TIFF blocks inside MRW and RAF files.
//
// A CTiff reads one structure: its header (byte order, magic, first IFD),
// then image file directories, each with a mask of the tag groups it may
// fill. Sub-IFDs (Exif, GPS, SubIFDs) are followed from the entries that
// point to them. Every IFD offset is remembered, the nesting is capped and
// so is the number of IFDs read, so no offset chain can loop or recurse
// without end: such a walk ends as a failure, keeping what was read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "meta/CBloc.h"
#include "meta/MetaExtractor.h"

// Groups of tags an IFD may fill.
enum ETiffGroupe : int {
  kGroupeTaille = 2,   // image size tags
  kGroupeVignette = 4, // thumbnail tags
  kGroupeExif = 8,     // main Exif tags
  kGroupeGps = 16,     // GPS tags
  kGroupeTous = -1,
};

// One IFD entry with the bytes of its value (at most 256 of them, in file
// order) and the readers of its values.
struct CExifValeur {
  uint16_t tag = 0;
  uint16_t type = 0;
  uint32_t count = 0;
  uint32_t offset = 0;  // the value field read as an offset
  bool bigEndian = false;
  std::string bytes;

  // Bytes per value of a TIFF type; 0 for a type that makes the entry invalid.
  static uint32_t TypeSize(uint16_t type);
  // Whole values held in `bytes`.
  uint32_t Values() const;
  // Value i of an integer type (BYTE, SHORT, LONG and their signed forms,
  // UNDEFINED); 0 for other types or past the values held.
  uint32_t Entier(uint32_t i) const;
  // The first value: 0 for ASCII, FLOAT and DOUBLE.
  uint32_t Premier() const;
  // Rational i as numerator and denominator: a zero denominator gives 0/1;
  // an integer type gives its value over 1. Signed types in the signed form.
  void Rationnel(uint32_t i, uint32_t* n, uint32_t* d) const;
  void RationnelSigne(uint32_t i, int32_t* n, int32_t* d) const;
};

class CTiff {
 public:
  // Deepest nesting of sub-IFDs, most IFDs and most entries read from one
  // structure: real files hold a few IFDs of a few dozen entries, and a
  // crafted one must not make a load read the same bytes over and over.
  static constexpr int kProfondeurMax = 16;
  static constexpr int kIfdMax = 128;
  static constexpr uint32_t kEntreesMax = 131072;

  CTiff(MetaExtractor& x, const CBloc& bloc) : x_(x), bloc_(bloc) {}

  // Checks the header. -1 not a TIFF header, -2 read failed.
  int LireEntete(uint32_t* premierIfd);
  // A TIFF file's chain: every IFD from the first with all groups, until a
  // next-IFD offset of 0. Stops at the first failure.
  int LireChaine();
  // The Exif block of a JPEG file: IFD0 with the Exif group, then IFD1 with
  // the thumbnail group.
  int LireExif();

  // Reads the IFD at `off` with group mask `groupes`; *suivant (may be null)
  // receives the next-IFD offset. -2 read failed, -3 outside the structure,
  // -4 an IFD already read, -5 nested too deep, -6 too many IFDs or entries.
  int LireIfd(uint32_t off, int groupes, uint32_t* suivant, int profondeur);

  bool BigEndian() const { return big_; }

 private:
  // Runs the rule of a tag that maps to an item (ExifTags.cpp).
  void Appliquer(const CExifValeur& v, const struct CExifTag& t, bool reduite, int profondeur);

  MetaExtractor& x_;
  const CBloc& bloc_;
  bool big_ = false;
  std::vector<uint32_t> lus_;  // offsets of the IFDs read
  uint32_t entrees_ = 0;       // entries read so far
};

// The item and rule of a tag when it belongs to one of the groups of
// `groupes`; null otherwise.
struct CExifTag {
  uint16_t tag;
  int groupe;
  int item;
  int regle;
  int noms;  // the names of a value, for the rules that name values
};
const CExifTag* TrouverTagExif(uint16_t tag, int groupes);

// Checks the thumbnail location the structure recorded: a JPEG start at the
// offset and its end marker within 10240 bytes before offset + size (the size
// is trimmed to end just after it). Otherwise the location is cleared.
void ValiderVignette(MetaExtractor& x);

// Readers of whole files by extension.
int ReadTiffFile(MetaExtractor& x, const std::string& path);
// Reads a TIFF structure of `size` bytes at `base` of the open file as a
// TIFF file is read (the whole chain with all groups), then checks the
// thumbnail.
int ReadTiffAt(MetaExtractor& x, int64_t base, uint64_t size);
