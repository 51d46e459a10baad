#include "meta/Html.h"

#include <cstdint>
#include <cstring>

#include "expr/CAnsiRegex.h"
#include "os/AnsiCase.h"
#include "os/AnsiText.h"
#include "os/LocalTime.h"

namespace {

constexpr uint32_t kPageBytes = 10240;

// The entities of the Latin-1 characters 160 to 255, in code order.
const char* const kLatin1Entities[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",
    "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",
    "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12",
    "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde",
    "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",
    "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",
    "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

bool IsAsciiAlnum(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// The ANSI form of one Unicode code point (empty when the code page has no
// character for it).
std::string CodePointText(uint32_t cp) {
  unsigned char units[4];
  size_t n = 0;
  if (cp >= 0x10000 && cp <= 0x10FFFF) {
    const uint32_t v = cp - 0x10000;
    const uint16_t hi = static_cast<uint16_t>(0xD800 + (v >> 10));
    const uint16_t lo = static_cast<uint16_t>(0xDC00 + (v & 0x3FF));
    units[0] = static_cast<unsigned char>(hi & 0xFF);
    units[1] = static_cast<unsigned char>(hi >> 8);
    units[2] = static_cast<unsigned char>(lo & 0xFF);
    units[3] = static_cast<unsigned char>(lo >> 8);
    n = 2;
  } else if (cp > 0 && cp < 0x10000) {
    units[0] = static_cast<unsigned char>(cp & 0xFF);
    units[1] = static_cast<unsigned char>(cp >> 8);
    n = 1;
  }
  return n ? Utf16VersAnsi(units, n, false) : std::string();
}

// The code point a reference names ("#233", "#xE9", "eacute"); 0 when none.
uint32_t Reference(const std::string& name) {
  if (name.size() > 1 && name[0] == '#') {
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const size_t from = hex ? 2 : 1;
    if (from >= name.size()) return 0;
    uint32_t v = 0;
    for (size_t i = from; i < name.size(); ++i) {
      const char c = name[i];
      int digit = -1;
      if (c >= '0' && c <= '9') digit = c - '0';
      if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      if (digit < 0) return 0;
      v = v * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
      if (v > 0x10FFFF) return 0;
    }
    return v;
  }
  for (uint32_t i = 0; i < 96; ++i) {
    if (name == kLatin1Entities[i]) return 160 + i;
  }
  if (name == "quot") return '"';
  if (name == "amp") return '&';
  if (name == "lt") return '<';
  if (name == "gt") return '>';
  if (name == "euro") return 0x20AC;
  return 0;
}

// The value after "name=" or "content=" inside a meta tag: quoted up to the
// matching quote, else a run of letters, digits, '-', '.' and '_'.
bool AttributeValue(const std::string& tag, const CAnsiRegex& re, std::string* value) {
  boost::match_results<std::string::const_iterator> m;
  if (!boost::regex_search(tag.begin(), tag.end(), m, re)) return false;
  size_t p = static_cast<size_t>(m[0].second - tag.begin());
  while (p < tag.size() && IsHtmlSpace(tag[p])) ++p;
  if (p < tag.size() && (tag[p] == '"' || tag[p] == '\'')) {
    const size_t end = tag.find(tag[p], p + 1);
    *value = tag.substr(p + 1, end == std::string::npos ? std::string::npos : end - p - 1);
    return true;
  }
  size_t end = p;
  while (end < tag.size() && (IsAsciiAlnum(tag[end]) || tag[end] == '-' ||
                              tag[end] == '.' || tag[end] == '_')) {
    ++end;
  }
  *value = tag.substr(p, end - p);
  return true;
}

int MetaItem(std::string name) {
  name = AnsiUpperCopy(name);
  if (name.compare(0, 3, "DC.") == 0) name.erase(0, 3);
  static const struct {
    const char* name;
    int item;
  } kNames[] = {{"KEYWORDS", kItemOk},
                {"DESCRIPTION", kItemOc},
                {"SUBJECT", kItemOs},
                {"AUTHOR", kItemOa},
                {"CREATOR", kItemOa},
                {"DATE-CREATION-YYYYMMDD", kItemOn},
                {"DATE-REVISION-YYYYMMDD", kItemOb},
                {"GENERATOR", kItemON}};
  for (const auto& n : kNames) {
    if (name == n.name) return n.item;
  }
  return -1;
}

// "yyyymmdd" in local time; false when it is not a valid date.
bool LocalDate(const std::string& text, uint64_t* ft) {
  if (text.size() < 8) return false;
  int v[3] = {0, 0, 0};
  const int widths[3] = {4, 2, 2};
  size_t p = 0;
  for (int f = 0; f < 3; ++f) {
    for (int i = 0; i < widths[f]; ++i, ++p) {
      if (text[p] < '0' || text[p] > '9') return false;
      v[f] = v[f] * 10 + (text[p] - '0');
    }
  }
  CTempsLocal t;
  t.year = v[0];
  t.month = v[1];
  t.day = v[2];
  return LocalTimeToFileTime(t, ft) == 0;
}

std::string Capped(std::string s) {
  if (s.size() > MetaExtractor::kTextMax) s.resize(MetaExtractor::kTextMax);
  return s;
}

}  // namespace

std::string DecodeHtmlText(const std::string& text) {
  std::string spaced;
  bool space = false;
  for (const char c : text) {
    if (IsHtmlSpace(c)) {
      space = !spaced.empty();
      continue;
    }
    if (space) spaced += ' ';
    space = false;
    spaced += c;
  }
  if (space) spaced += ' ';
  std::string out;
  for (size_t i = 0; i < spaced.size(); ++i) {
    const size_t semi = spaced[i] == '&' ? spaced.find(';', i + 1) : std::string::npos;
    if (semi != std::string::npos && semi - i <= 10) {
      const uint32_t cp = Reference(spaced.substr(i + 1, semi - i - 1));
      if (cp) {
        out += CodePointText(cp);
        i = semi;
        continue;
      }
    }
    out += spaced[i];
  }
  return out;
}

int ReadHtmlBytes(MetaExtractor& x, const std::string& page) {
  using It = std::string::const_iterator;
  const auto flags = boost::regex_constants::perl | boost::regex_constants::icase;
  // The text is bounded, and Boost ends a match whose cost passes its own
  // limit with an exception: the reader then stops as a failure.
  try {
    static const CAnsiRegex title("<\\s*title(?:\\s*>|\\W.*?>)\\s*(.*?)\\s*<\\s*/\\s*title\\s*>", flags);
    static const CAnsiRegex base("<\\s*base\\s[^<]*?href\\s*=\\s*\"(.*?)\"[^<]*?>", flags);
    static const CAnsiRegex meta("<\\s*meta\\W.*?>", flags);
    static const CAnsiRegex nameIs("\\Wname\\s*=\\s*", flags);
    static const CAnsiRegex contentIs("\\Wcontent\\s*=\\s*", flags);
    static const CAnsiRegex titleEnd("<\\s*/\\s*title\\s*>", flags);
    boost::match_results<It> m;
    // A lazy match from a start with no end after it scans the rest of the
    // text, and a page of such starts would cost the square of its length:
    // each expression sees the text only up to the last place it can end.
    It lastTitleEnd = page.begin();
    for (boost::regex_iterator<It, char, CAnsiRegexTraits> it(page.begin(), page.end(), titleEnd), end; it != end;
         ++it) {
      lastTitleEnd = (*it)[0].second;
    }
    const size_t lastGt = page.rfind('>');
    const It lastTagEnd = lastGt == std::string::npos ? page.begin() : page.begin() + static_cast<std::ptrdiff_t>(lastGt + 1);
    if (boost::regex_search(page.begin(), lastTitleEnd, m, title)) x.SetText(kItemOt, Capped(DecodeHtmlText(m.str(1))));
    if (boost::regex_search(page.begin(), page.end(), m, base)) x.SetText(kItemOu, Capped(DecodeHtmlText(m.str(1))));
    for (boost::regex_iterator<It, char, CAnsiRegexTraits> it(page.begin(), lastTagEnd, meta), end; it != end; ++it) {
      const std::string tag = it->str(0);
      std::string name;
      std::string content;
      if (!AttributeValue(tag, nameIs, &name) || !AttributeValue(tag, contentIs, &content)) continue;
      const int item = MetaItem(name);
      if (item < 0 || !x.Claim(item)) continue;
      const std::string text = Capped(DecodeHtmlText(content));
      uint64_t ft = 0;
      if ((item == kItemOn || item == kItemOb) && LocalDate(text, &ft)) {
        x.OverwriteDate(item, ft, std::string());
      } else {
        x.OverwriteText(item, text);
      }
    }
  } catch (const std::exception&) {
    return -1;
  }
  return 0;
}

int ReadHtmlFile(MetaExtractor& x, const std::string& path) {
  FileReader& f = x.File();
  std::string page;
  page.resize(kPageBytes);
  uint32_t n = kPageBytes;
  const bool ok = f.OpenRead(path) == 0 && f.ReadUpTo(&page[0], &n) == 0;
  f.Close();
  if (!ok) return -5;
  page.resize(n);
  return ReadHtmlBytes(x, page);
}
