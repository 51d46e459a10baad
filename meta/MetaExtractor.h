// MetaExtractor: fills one file entry with the values read from the file's
// own content. One extractor per file and per filling; it owns the file
// reader every format reader goes through and the per-item claims that make
// the first source of an item win for the rest of the file.
//
// Every setter first claims its item and does nothing when the item is
// already claimed, unless its comment says it overwrites. Texts are stored
// only when their cleaned form is not empty; a claim made for an empty value
// still blocks later sources of the same item.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>

#include "files/CFichier.h"
#include "files/Formats.h"
#include "meta/FileReader.h"

// Text encodings a reader may declare before reading texts.
enum class CTextEncoding { Ansi = 0, Utf8 = 1, Mac = 2 };

// Settings the extraction depends on.
struct CMetaOptions {
  bool extract = true;     // extr_meta: off leaves only the base items
  int trackWidth = 0;      // width of the rebuilt track-number texts ("%0*d")
  std::string divSymbol = "/";  // exif_symb_div: the fraction sign of Exif texts ("1/250s")
  // The image-count texts of icon and cursor files, in the interface's language.
  std::string iconFormat = "%02d icon%s";
  std::string cursorFormat = "%02d cursor%s";
  // Documents: the text of an encrypted PDF, the file-count text of a
  // torrent, and the size texts (fic_octet_lf and the unit texts).
  std::string encryptedText = "Encrypted file";
  // The information text of a movie whose header is compressed.
  std::string compressedHeaderText = "Compressed header";
  std::string fileCountFormat = "%d file%s";
  bool sizeInBytes = false;
  CSizeUnits units;
};

class MetaExtractor {
 public:
  // Longest text kept from one field.
  static constexpr uint32_t kTextMax = 256;

  // Bytes read at once when a reader opens the file: what the formats usually
  // keep near their start (a JPEG's Exif segment of up to 64 KB, an ID3v2
  // tag's first frames) then costs one read, and the file is reached again
  // only for what lies beyond.
  static constexpr uint32_t kHeadBytes = 72 * 1024;

  MetaExtractor(CFichier& entry, const CMetaOptions& options) : entry_(entry), options_(options) {
    file_.SetHead(kHeadBytes);
  }
  MetaExtractor(const MetaExtractor&) = delete;
  MetaExtractor& operator=(const MetaExtractor&) = delete;
  ~MetaExtractor() { file_.Close(); }

  CFichier& Entry() { return entry_; }
  const CMetaOptions& Options() const { return options_; }
  // The reader the format readers open, read and close. Reads near the start
  // of the file are served from one head read.
  FileReader& File() { return file_; }

  CTextEncoding encoding = CTextEncoding::Ansi;

  // Claims item (0 to 215, clear flag); false when already claimed or no item.
  bool Claim(int item);
  bool IsClaimed(int item) const;

  // Raw stores. SetText cleans the text (see Clean) and stores it when not
  // empty. The typed setters store the value and its text together.
  void SetText(int item, const std::string& raw);
  void SetInt(int item, int64_t value, const std::string& text);
  void SetDecimal(int item, double value, const std::string& text);
  // The date and its standard text ("%c" in local time; empty before 1970).
  void SetDate(int item, FileTime ft);
  // The same without claiming: overwrite whatever is there.
  void OverwriteText(int item, const std::string& raw);
  void OverwriteInt(int item, int64_t value, const std::string& text);
  void OverwriteDecimal(int item, double value, const std::string& text);
  // A date value with its own text (the edit time of a document is a
  // duration), or with the standard date text when text is empty.
  void OverwriteDate(int item, FileTime ft, const std::string& text);
  // Stores only when no source has claimed the item yet, without claiming it
  // (the reduced-resolution IFD rule).
  void SetTextIfUnclaimed(int item, const std::string& raw);

  // The named setters with their texts.
  void SetAudioBitrate(int variant, int kbps);        // %Ab: "VBR" prefix for variants 2-4
  void SetAudioSampling(int hz);                       // %As
  void SetAudioDuration(int64_t seconds);              // %Ad "%02dm%02ds"
  void SetAudioChannels(int channels);                 // %AM "mono"/"stereo"/"%d channels"
  void SetAudioMpegMode(int modeIndex);                // %AM from the MPEG channel-mode index
  void SetVideoSize(int width, int height);            // %Vx, %Vy
  void SetVideoSampling(int hz);                       // %Vs
  void SetVideoChannels(int channels);                 // %VM
  void SetVideoDuration(int64_t seconds);              // %Vd "%dh%02dm%02ds"
  void SetFrameRate(double fps);                       // %Vf "%.3lf"
  void SetImageSize(int width, int height);            // %Ix, %Iy
  void SetImageBits(int bits);                         // %Ib
  void SetShutterSpeed(double seconds);                // %Xss
  void SetFocalLength(double mm);                      // %Xfl, overwrites
  // A track text of the form n or n/m: n becomes the value of %AT, m that of
  // %An (each claimed); their texts are made again after the reader.
  void SetTrackNumbers(const std::string& text);

  // Text routines. Clean converts from the declared encoding to ANSI, cuts at
  // the first NUL, turns control characters into spaces (CR LF as one) and
  // trims trailing white space. ReadText reads min(n, kTextMax) bytes of an
  // n-byte field from the file and moves past all n; ReadUtf16Text the same
  // for UTF-16LE. Both return the cleaned text (empty on failure).
  std::string Clean(const std::string& bytes) const { return CleanAs(bytes, encoding); }
  // The same from another encoding than the declared one (a tag frame that
  // names its own).
  std::string CleanAs(const std::string& bytes, CTextEncoding from) const;
  std::string Utf16ToAnsi(const std::string& utf16le) const;
  int ReadText(uint64_t n, std::string* out);
  int ReadUtf16Text(uint64_t n, std::string* out);

  // Runs the picture dimension reader named by the MIME type at offset, and
  // records the picture location when that reader says so. The file position
  // is restored.
  void ProbeEmbeddedPicture(int64_t offset, int32_t size, const std::string& mime);

 private:
  CFichier& entry_;
  const CMetaOptions& options_;
  FileReader file_;
  std::bitset<kItemCount> claimed_;
};

// Opens `path` in the extractor's file reader, runs read(x) and closes the
// file: the shape of every file reader. -5 when the file cannot be opened.
template <class Read>
int ReadOpenedFile(MetaExtractor& x, const std::string& path, Read read) {
  if (x.File().OpenRead(path) != 0) return -5;
  const int r = read(x);
  x.File().Close();
  return r;
}

// Fills the entry's metadata: resets the value stores filled from content,
// then, for a file with extraction on, runs the reader its extension names.
// The base items must already be filled. path is the file's full path.
void ExtractMetadata(CFichier& entry, const std::string& path, const CMetaOptions& options);
