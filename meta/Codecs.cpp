#include "meta/Codecs.h"

#include <cstdio>
#include <cstring>

namespace {

struct CCode {
  const char* code;
  const char* name;
};

const CCode kVideo[] = {{"RLE ", "Microsoft RLE"}, {"RV10", "RealVideo 1.0"}, {"RV20", "RealVideo 2.0"},
                        {"RV30", "RealVideo 3.0"}, {"RV40", "RealVideo 4.0"}, {"IV32", "Indeo 3.2"},
                        {"IV50", "Indeo Interactive"}, {"DX50", "DivX 5"}, {"DIV5", "DivX 5"},
                        {"DIVX", "DivX 4"}, {"DIV3", "DivX 3 LM"}, {"DIV4", "DivX 3 FM"},
                        {"XVID", "XVID"}, {"AVC1", "H.264"}, {"SVQ1", "Sorenson Video 1"},
                        {"SVQ3", "Sorenson Video 3"}, {"MPG4", "Mpeg4 Video"}, {"MP4V", "Mpeg4 Video"},
                        {"MSVC", "Microsoft Video 1"}, {"WHAM", "Microsoft Video 1"},
                        {"CRAM", "Microsoft Video 1"}, {"CVID", "Cinepak"}, {"MJPG", "Motion JPEG"}};
const char* const kDv[] = {"CDVC", "DVHD", "DVSD", "DSVD", "DVSL"};

const CCode kQuickTimeAudio[] = {{"QDM2", "QDesign 2"}, {"QDMC", "QDesign"}, {".MP3", "Mpeg L3"},
                                 {"MP4A", "AAC"},       {"QCLP", "Qualcomm"}};

bool Printable(const uint8_t code[4]) {
  for (int i = 0; i < 4; ++i) {
    if (code[i] < 0x20 || code[i] > 0x7E) return false;
  }
  return true;
}

void Upper(const uint8_t code[4], char out[5]) {
  for (int i = 0; i < 4; ++i) {
    const char c = static_cast<char>(code[i]);
    out[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  out[4] = '\0';
}

std::string WithCode(const char* name, const uint8_t code[4]) {
  char text[96];
  std::snprintf(text, sizeof text, "%s (%.4s)", name, reinterpret_cast<const char*>(code));
  return text;
}

}  // namespace

std::string VideoCodecText(const uint8_t code[4], bool* dv) {
  if (dv) *dv = false;
  char up[5];
  Upper(code, up);
  for (const char* d : kDv) {
    if (std::strcmp(up, d) == 0) {
      if (dv) *dv = true;
      return Printable(code) ? WithCode("DV Video", code) : std::string();
    }
  }
  if (!Printable(code)) return std::string();
  const char* name = "Video";
  if (std::strncmp(up, "IV4", 3) == 0 && up[3] >= '0' && up[3] <= '9') name = "Indeo Interactive";
  for (const CCode& c : kVideo) {
    if (std::strcmp(up, c.code) == 0) name = c.name;
  }
  return WithCode(name, code);
}

std::string AudioTagText(uint16_t tag) {
  static const struct {
    uint16_t tag;
    const char* name;
  } kTags[] = {{1, "PCM"},        {2, "MS ADPCM"},   {6, "ALAW"},       {7, "MULAW"},
               {8, "DTS"},        {0x10, "OKI ADPCM"}, {0x11, "IMA ADPCM"}, {0x22, "DSP Group TrueSpeech"},
               {0x31, "GSM 6.10"}, {0x50, "Mpeg L2"}, {0x55, "Mpeg L3"},  {0x161, "WMA"},
               {0x162, "WMA 9 Pro"}, {0x163, "WMA 9 Lossless"}, {0x2000, "AC3 DVM"}, {0x2001, "AC3 DTS"}};
  const char* name = "Audio";
  for (const auto& t : kTags) {
    if (t.tag == tag) name = t.name;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%s (0x%04X)", name, tag);
  return text;
}

std::string QuickTimeAudioText(const uint8_t code[4]) {
  const char* name = "Audio";
  char up[5];
  Upper(code, up);
  // "ms", a zero byte and 0x55: the MP3 format tag written as a code; its
  // text shows what precedes the zero byte.
  if (code[0] == 'm' && code[1] == 's' && code[2] == 0 && code[3] == 0x55) return WithCode("Mpeg L3", code);
  for (const CCode& c : kQuickTimeAudio) {
    if (std::strcmp(up, c.code) == 0) name = c.name;
  }
  if (!Printable(code)) return std::string();
  return WithCode(name, code);
}

void CCodecList::Join(const std::string& part, bool front) {
  if (part.empty()) return;
  if (text_.empty()) {
    text_ = part;
  } else {
    text_ = front ? part + " - " + text_ : text_ + " - " + part;
  }
}
