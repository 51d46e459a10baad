#include "meta/Midi.h"

#include <cstdint>

namespace {

// Karaoke files are a few hundred kilobytes; nothing past this is scanned.
constexpr uint32_t kMaxBytes = 16 * 1024 * 1024;

}  // namespace

int ReadMidiBytes(MetaExtractor& x, const std::string& bytes) {
  if (bytes.size() < 14 || bytes.compare(0, 4, "MThd") != 0) return -2;
  std::string info;
  bool haveK = false;
  bool haveV = false;
  int titles = 0;
  const int tItems[3] = {kItemAt, kItemAa, kItemAC};
  // A text event of the karaoke form: 00 FF 01, a one-byte length, '@',
  // a letter, then the text.
  for (size_t i = 0; i < bytes.size() && bytes.size() - i >= 6; ++i) {
    if (bytes[i] != '\0' || static_cast<uint8_t>(bytes[i + 1]) != 0xFF || bytes[i + 2] != '\x01' ||
        bytes[i + 4] != '@') {
      continue;
    }
    const size_t length = static_cast<uint8_t>(bytes[i + 3]);
    // A text cut by the end of the file is not read.
    if (length < 2 || length > bytes.size() - (i + 4)) continue;
    const std::string text = bytes.substr(i + 6, length - 2);
    const std::string clean = x.Clean(text);
    switch (bytes[i + 5]) {
      case 'K':
        if (!haveK) info = info.empty() || clean.empty() ? clean + info : clean + " - " + info;
        haveK = true;
        break;
      case 'V':
        if (!haveV) info = info.empty() || clean.empty() ? info + clean : info + " - " + clean;
        haveV = true;
        break;
      case 'L':
        x.SetText(kItemAg, text);
        break;
      case 'T':
        if (titles < 3) x.SetText(tItems[titles++], text);
        break;
      default:
        break;
    }
    i += 3 + length;
  }
  x.SetText(kItemAi, info);
  return 0;
}

int ReadMidiFile(MetaExtractor& x, const std::string& path) {
  FileReader& f = x.File();
  int64_t size = 0;
  std::string bytes;
  const bool ok = f.OpenRead(path) == 0 && f.Size(&size) == 0 &&
                  f.ReadCapped(&bytes, static_cast<uint64_t>(size), kMaxBytes) != -1;
  f.Close();
  if (!ok) return -5;
  return ReadMidiBytes(x, bytes);
}
