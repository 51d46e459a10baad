// The choice of a format reader by file-name extension, and the filling of
// an entry's metadata.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "meta/Asf.h"
#include "meta/Ciff.h"
#include "meta/ImageFormats.h"
#include "meta/Html.h"
#include "meta/Jpeg.h"
#include "meta/MetaExtractor.h"
#include "meta/Midi.h"
#include "meta/MpegAudio.h"
#include "meta/MpegVideo.h"
#include "meta/Musepack.h"
#include "meta/Ogg.h"
#include "meta/Pdf.h"
#include "meta/QuickTime.h"
#include "meta/RawFormats.h"
#include "meta/Riff.h"
#include "meta/SunAudio.h"
#include "meta/Tiff.h"
#include "meta/Torrent.h"
#ifdef _WIN32
#include "meta/SystemDocuments.h"
#endif
#include "os/AnsiCase.h"

namespace {

using CReader = int (*)(MetaExtractor&, const std::string&);

// Extensions (upper case, blank-separated) and their reader. The row that
// lists a file's extension reads the file; its content is never
// sniffed, so a file with another format's extension yields what that
// format's reader finds in it.
struct CFormat {
  const char* extensions;
  CReader read;
  bool trackNumbers;  // the track-number texts are rebuilt after it
};
const CFormat kFormats[] = {
    {"AU", ReadSunAudioFile, false},
    {"MP3 MP2", ReadMpegAudioFile, true},
    {"MPC", ReadMusepackFile, true},
    {"OGG", ReadOggFile, true},
    {"ASF WMV WMA", ReadAsfFile, true},
    {"TIF TIFF NEF ORF PEF SRF CR2 DNG", ReadTiffFile, false},
    {"CRW", ReadCrwFile, false},
    {"MRW", ReadMrwFile, false},
    {"RAF", ReadRafFile, false},
    {"JPG JPEG THM", ReadJpegFile, false},
    {"GIF", ReadGifFile, false},
    {"PNG", ReadPngFile, false},
    {"PCX", ReadPcxFile, false},
    {"BMP DIB", ReadBmpFile, false},
    {"ICO CUR", ReadIconFile, false},
    {"WAV", ReadWaveFile, false},
    {"MID KAR", ReadMidiFile, false},
    {"AVI DIVX", ReadAviFile, false},
    {"MOV M4V MP4", ReadQuickTimeFile, false},
    {"MPG MPEG", ReadMpegVideoFile, false},
    {"PDF", ReadPdfFile, false},
#ifdef _WIN32
    {"DOC XLS XLA XLT POT PPS PPT PPA MPP DOT MSI MSP MST", ReadOleFile, false},
#endif
    {"HTML HTM", ReadHtmlFile, false},
#ifdef _WIN32
    {"URL", ReadUrlFile, false},
#endif
    {"TORRENT", ReadTorrentFile, false},
#ifdef _WIN32
    {"EXE DLL COM OCX CPL TLB VBX OLB CNV RLL", ReadVersionFile, false},
#endif
};

// Every extension of the table with the row that reads it, sorted, made
// once: a load asks for each of its files, most of which no reader claims.
class CExtensionIndex {
 public:
  CExtensionIndex() {
    for (size_t row = 0; row < sizeof kFormats / sizeof kFormats[0]; ++row) {
      for (const char* p = kFormats[row].extensions; *p;) {
        const char* end = std::strchr(p, ' ');
        const size_t len = end ? static_cast<size_t>(end - p) : std::strlen(p);
        index_.emplace_back(std::string(p, len), &kFormats[row]);
        p += end ? len + 1 : len;
      }
    }
    // A stable sort keeps the first row that lists an extension first.
    std::stable_sort(index_.begin(), index_.end(),
                     [](const Entry& a, const Entry& b) { return a.first < b.first; });
  }
  const CFormat* Find(const std::string& ext) const {
    auto it = std::lower_bound(index_.begin(), index_.end(), ext,
                               [](const Entry& e, const std::string& x) { return e.first < x; });
    return it != index_.end() && it->first == ext ? it->second : nullptr;
  }

 private:
  using Entry = std::pair<std::string, const CFormat*>;
  std::vector<Entry> index_;
};

// Text after the last '.' of the last path component; empty when none.
std::string Extension(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return path.substr(dot + 1);
}

// The texts of the track numbers, made again from their values with the
// track-number width.
void RebuildTrackTexts(CFichier& entry, int width) {
  for (const int item : {kItemmT, kItemAT, kItemAn}) {
    const int64_t* value = entry.items.ints.Find(item);
    if (!value) continue;
    char text[64];
    std::snprintf(text, sizeof text, "%0*lld", width, static_cast<long long>(*value));
    entry.items.text.Set(item, text);
  }
}

}  // namespace

void ExtractMetadata(CFichier& entry, const std::string& path, const CMetaOptions& options) {
  entry.pictureOffset = -1;
  entry.pictureSize = -1;
  entry.thumbOffset = -1;
  entry.thumbSize = -1;
  entry.rotation = 0;
  if (entry.isDir || !options.extract) return;
  const std::string ext = AnsiUpperCopy(Extension(path));
  if (ext.empty()) return;
  static const CExtensionIndex index;
  const CFormat* format = index.Find(ext);
  if (!format) return;
  {
    MetaExtractor x(entry, options);
    format->read(x, path);
  }
  if (format->trackNumbers) RebuildTrackTexts(entry, options.trackWidth);
}
