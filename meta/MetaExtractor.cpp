#include "meta/MetaExtractor.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "files/CBaseTexts.h"
#include "os/AnsiText.h"

namespace {

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
std::string Format(const char* format, ...) {
  char buf[128];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  return n < 0 ? std::string() : std::string(buf);
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

void TrimRight(std::string& s) {
  while (!s.empty() && IsBlank(s.back())) s.pop_back();
}

std::string ChannelsText(int channels) {
  if (channels == 1) return "mono";
  if (channels == 2) return "stereo";
  return Format("%d channels", channels);
}

}  // namespace

bool MetaExtractor::Claim(int item) {
  if (item < 0 || item >= kItemCount || claimed_[static_cast<size_t>(item)]) return false;
  claimed_[static_cast<size_t>(item)] = true;
  return true;
}

bool MetaExtractor::IsClaimed(int item) const {
  return item >= 0 && item < kItemCount && claimed_[static_cast<size_t>(item)];
}

void MetaExtractor::SetText(int item, const std::string& raw) {
  if (Claim(item)) OverwriteText(item, raw);
}

void MetaExtractor::SetInt(int item, int64_t value, const std::string& text) {
  if (Claim(item)) OverwriteInt(item, value, text);
}

void MetaExtractor::SetDecimal(int item, double value, const std::string& text) {
  if (Claim(item)) OverwriteDecimal(item, value, text);
}

void MetaExtractor::SetDate(int item, FileTime ft) {
  if (Claim(item)) OverwriteDate(item, ft, std::string());
}

void MetaExtractor::OverwriteText(int item, const std::string& raw) {
  if (item < 0 || item >= kItemCount) return;
  std::string text = Clean(raw);
  if (!text.empty()) entry_.items.text.Set(item, std::move(text));
}

void MetaExtractor::OverwriteInt(int item, int64_t value, const std::string& text) {
  if (item < 0 || item >= kItemCount) return;
  entry_.items.ints.Set(item, value);
  if (!text.empty()) entry_.items.text.Set(item, text);
}

void MetaExtractor::OverwriteDecimal(int item, double value, const std::string& text) {
  if (item < 0 || item >= kItemCount) return;
  entry_.items.decs.Set(item, value);
  if (!text.empty()) entry_.items.text.Set(item, text);
}

void MetaExtractor::OverwriteDate(int item, FileTime ft, const std::string& text) {
  if (item < 0 || item >= kItemCount || ft == 0) return;
  entry_.items.dates.Set(item, ft);
  const std::string shown = text.empty() ? StandardDateText(ft) : text;
  if (!shown.empty()) entry_.items.text.Set(item, shown);
}

void MetaExtractor::SetTextIfUnclaimed(int item, const std::string& raw) {
  if (!IsClaimed(item)) OverwriteText(item, raw);
}

void MetaExtractor::SetAudioBitrate(int variant, int kbps) {
  const bool vbr = variant >= 2 && variant <= 4;
  SetInt(kItemAb, kbps, Format("%s%d", vbr ? "VBR" : "", kbps));
}

void MetaExtractor::SetAudioSampling(int hz) { SetInt(kItemAs, hz, Format("%d", hz)); }

void MetaExtractor::SetAudioDuration(int64_t seconds) {
  SetInt(kItemAd, seconds,
         Format("%02lldm%02llds", static_cast<long long>(seconds / 60), static_cast<long long>(seconds % 60)));
}

void MetaExtractor::SetAudioChannels(int channels) { SetText(kItemAM, ChannelsText(channels)); }

void MetaExtractor::SetAudioMpegMode(int modeIndex) {
  static const char* const kModes[] = {"stereo", "stereo (joint)", "stereo (dual channel)", "mono"};
  if (!Claim(kItemAM)) return;
  if (modeIndex >= 0 && modeIndex < 4) OverwriteText(kItemAM, kModes[modeIndex]);
}

void MetaExtractor::SetVideoSize(int width, int height) {
  SetInt(kItemVx, width, Format("%d", width));
  SetInt(kItemVy, height, Format("%d", height));
}

void MetaExtractor::SetVideoSampling(int hz) { SetInt(kItemVs, hz, Format("%d", hz)); }

void MetaExtractor::SetVideoChannels(int channels) { SetText(kItemVM, ChannelsText(channels)); }

void MetaExtractor::SetVideoDuration(int64_t seconds) {
  SetInt(kItemVd, seconds,
         Format("%lldh%02lldm%02llds", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60)));
}

void MetaExtractor::SetFrameRate(double fps) { SetDecimal(kItemVf, fps, Format("%.3lf", fps)); }

void MetaExtractor::SetImageSize(int width, int height) {
  SetInt(kItemIx, width, Format("%d", width));
  SetInt(kItemIy, height, Format("%d", height));
}

void MetaExtractor::SetImageBits(int bits) { SetInt(kItemIb, bits, Format("%d", bits)); }

void MetaExtractor::SetShutterSpeed(double seconds) {
  if (!(seconds > 0) || std::isinf(seconds)) return;
  const double inverse = 1.0 / seconds;
  // Rounded by adding a half and truncating; an inverse too large for an int
  // is a speed no camera has, shown as its own fraction anyway.
  const int rounded = inverse < 2147483647.0 ? static_cast<int>(inverse + 0.5) : 2147483647;
  SetDecimal(kItemXss, seconds,
             rounded < 2 ? Format("%0.2lfs", seconds) : Format("1%s%ds", options_.divSymbol.c_str(), rounded));
}

void MetaExtractor::SetFocalLength(double mm) {
  entry_.items.decs.Set(kItemXfl, mm);
  entry_.items.text.Set(kItemXfl, Format("%0.2lfmm", mm));
}

namespace {

// Reads a decimal integer (blanks and a sign allowed before it) at *p and
// moves past it; false when no digit comes.
bool ParseInt(const char*& p, int64_t* v) {
  while (*p == ' ' || *p == '\t') ++p;
  const char* q = p;
  const bool negative = *q == '-';
  if (*q == '-' || *q == '+') ++q;
  if (*q < '0' || *q > '9') return false;
  int64_t n = 0;
  for (; *q >= '0' && *q <= '9'; ++q)
    if (n < 1000000000) n = n * 10 + (*q - '0');
  p = q;
  *v = negative ? -n : n;
  return true;
}

}  // namespace

void MetaExtractor::SetTrackNumbers(const std::string& text) {
  const char* p = text.c_str();
  int64_t n = 0;
  if (!ParseInt(p, &n) || (*p != '\0' && *p != '/')) return;
  SetInt(kItemAT, n, Format("%lld", static_cast<long long>(n)));
  if (*p != '/') return;
  ++p;
  if (ParseInt(p, &n)) SetInt(kItemAn, n, Format("%lld", static_cast<long long>(n)));
}

std::string MetaExtractor::CleanAs(const std::string& bytes, CTextEncoding from) const {
  std::string s = from == CTextEncoding::Utf8  ? Utf8VersAnsi(bytes)
                  : from == CTextEncoding::Mac ? MacVersAnsi(bytes)
                                               : bytes;
  const size_t nul = s.find('\0');
  if (nul != std::string::npos) s.resize(nul);
  TrimRight(s);
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c >= 0x20 && c != 0x7F) {
      out += s[i];
    } else {
      out += ' ';
      if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;  // CR LF is one space
    }
  }
  TrimRight(out);
  return out;
}

std::string MetaExtractor::Utf16ToAnsi(const std::string& utf16le) const {
  const size_t units = utf16le.size() / 2;
  std::string ansi = Utf16VersAnsi(reinterpret_cast<const unsigned char*>(utf16le.data()), units, false);
  if (ansi.size() > kTextMax) ansi.resize(kTextMax);
  return ansi;
}

int MetaExtractor::ReadText(uint64_t n, std::string* out) {
  std::string bytes;
  const int r = file_.ReadCapped(&bytes, n, kTextMax);
  *out = Clean(bytes);
  return r;
}

int MetaExtractor::ReadUtf16Text(uint64_t n, std::string* out) {
  std::string bytes;
  const int r = file_.ReadCapped(&bytes, n, kTextMax);
  // The converted text is already ANSI: only the cleaning applies.
  *out = CleanAs(Utf16ToAnsi(bytes), CTextEncoding::Ansi);
  return r;
}
