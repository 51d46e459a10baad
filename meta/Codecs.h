// Codec names of the audio and video containers, and the information text
// they are collected into.
#pragma once

#include <cstdint>
#include <string>

// "%s (%.4s)": the name of a video four-character code and the code as
// found; empty when the code holds a non-printable character. *dv is set
// for the DV codes.
std::string VideoCodecText(const uint8_t code[4], bool* dv = nullptr);
// "%s (0x%04X)": the name of a RIFF or ASF audio format tag.
std::string AudioTagText(uint16_t tag);
// "%s (%.4s)" for a QuickTime sound sample description's code.
std::string QuickTimeAudioText(const uint8_t code[4]);

// The information text of a file's streams: video codec texts appended,
// audio codec texts put in front, joined by " - ".
class CCodecList {
 public:
  void Video(const std::string& text) { Join(text, false); }
  void Audio(const std::string& text) { Join(text, true); }
  const std::string& Text() const { return text_; }

 private:
  void Join(const std::string& part, bool front);
  std::string text_;
};
