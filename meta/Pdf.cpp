#include "meta/Pdf.h"

#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "os/AnsiText.h"
#include "os/AsciiText.h"
#include "os/LocalTime.h"

namespace {

// Bytes of an object or trailer dictionary read at once; a dictionary
// longer than that is read as far as it goes.
constexpr uint32_t kDictBytes = 64 * 1024;
// Limits against crafted files: cross-reference sections in one Prev chain,
// subsections in all, nesting of arrays and dictionaries inside a value, and
// objects followed to resolve one reference.
constexpr int kMaxSections = 256;
constexpr size_t kMaxSubsections = 65536;
constexpr int kMaxDepth = 32;
constexpr int kMaxHops = 16;
constexpr uint32_t kEntryBytes = 20;

bool IsPdfSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\0'; }
bool IsDelimiter(char c) {
  return IsPdfSpace(c) || c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' ||
         c == '}' || c == '/' || c == '%';
}

std::string Trimmed(const std::string& s) {
  size_t b = 0;
  size_t e = s.size();
  while (b < e && IsPdfSpace(s[b])) ++b;
  while (e > b && IsPdfSpace(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// Non-negative decimal, all of s; -1 otherwise (or past 2^62).
int64_t Decimal(const std::string& s) {
  if (s.empty()) return -1;
  int64_t v = 0;
  for (const char c : s) {
    if (c < '0' || c > '9' || v > (int64_t{1} << 58)) return -1;
    v = v * 10 + (c - '0');
  }
  return v;
}

// A value of a dictionary as far as this reader needs it.
struct CPdfValue {
  enum Kind { None, String, Integer, Reference } kind = None;
  std::string text;  // decoded string
  int64_t number = 0;  // integer, or the object number of a reference
};
using CPdfDict = std::map<std::string, CPdfValue>;

// A cursor over the text of one object or trailer.
class CPdfLexer {
 public:
  explicit CPdfLexer(const std::string& s) : s_(s) {}

  void SkipSpace() {
    while (pos_ < s_.size()) {
      if (IsPdfSpace(s_[pos_])) {
        ++pos_;
      } else if (s_[pos_] == '%') {
        while (pos_ < s_.size() && s_[pos_] != '\r' && s_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }
  bool Take(const char* token) {
    SkipSpace();
    const std::string t(token);
    if (s_.compare(pos_, t.size(), t) != 0) return false;
    pos_ += t.size();
    return true;
  }
  // A run of regular characters (a number, a keyword, a name's body).
  std::string Word() {
    SkipSpace();
    const size_t b = pos_;
    while (pos_ < s_.size() && !IsDelimiter(s_[pos_])) ++pos_;
    return s_.substr(b, pos_ - b);
  }

  // Reads "<<" ... ">>" into dict. false when malformed or nested too deep.
  bool Dictionary(CPdfDict* dict) {
    if (!Take("<<")) return false;
    for (;;) {
      if (Take(">>")) return true;
      if (!Take("/")) return false;
      const std::string key = Word();
      CPdfValue value;
      if (!Value(&value, 0)) return false;
      (*dict)[AnsiUpperAscii(key)] = value;
    }
  }

  // An integer, or a reference "n g R". false when neither.
  bool NumberOrReference(CPdfValue* v) {
    const size_t start = pos_;
    const int64_t n = Decimal(Word());
    if (n < 0) {
      pos_ = start;
      return false;
    }
    v->kind = CPdfValue::Integer;
    v->number = n;
    const size_t afterNumber = pos_;
    const int64_t generation = Decimal(Word());
    if (generation >= 0 && Word() == "R") {
      v->kind = CPdfValue::Reference;
    } else {
      pos_ = afterNumber;
    }
    return true;
  }

 private:
  static std::string AnsiUpperAscii(std::string s) {
    for (char& c : s) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
  }

  bool Value(CPdfValue* v, int depth) {
    if (depth > kMaxDepth) return false;
    SkipSpace();
    if (pos_ >= s_.size()) return false;
    const char c = s_[pos_];
    if (c == '(') {
      v->kind = CPdfValue::String;
      return Literal(&v->text);
    }
    if (c == '<' && s_.compare(pos_, 2, "<<") == 0) return Skip("<<", ">>", depth);
    if (c == '<') {
      v->kind = CPdfValue::String;
      return Hex(&v->text);
    }
    if (c == '[') return Skip("[", "]", depth);
    if (c == '/') {
      ++pos_;
      Word();
      return true;
    }
    if (NumberOrReference(v)) return true;
    return !Word().empty();  // true, false, null, a real number
  }

  // Skips an array or dictionary whose opening token is next.
  bool Skip(const char* open, const char* close, int depth) {
    Take(open);
    for (;;) {
      if (Take(close)) return true;
      SkipSpace();
      if (pos_ >= s_.size()) return false;
      if (s_[pos_] == '/') {
        ++pos_;
        Word();
        continue;
      }
      CPdfValue unused;
      if (!Value(&unused, depth + 1)) return false;
    }
  }

  // "(...)" with nested parentheses and backslash escapes.
  bool Literal(std::string* out) {
    ++pos_;
    int nesting = 1;
    while (pos_ < s_.size()) {
      char c = s_[pos_++];
      if (c == '\\') {
        if (pos_ >= s_.size()) return false;
        c = s_[pos_++];
        if (c >= '0' && c <= '7') {
          int code = c - '0';
          for (int i = 0; i < 2 && pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '7'; ++i) {
            code = code * 8 + (s_[pos_++] - '0');
          }
          c = static_cast<char>(code & 0xFF);
        } else if (c == 'b') {
          c = '\b';
        } else if (c == 'f') {
          c = '\f';
        } else if (c == 'n') {
          c = '\n';
        } else if (c == 'r') {
          c = '\r';
        } else if (c == 't') {
          c = '\t';
        }
      } else if (c == '(') {
        ++nesting;
      } else if (c == ')' && --nesting == 0) {
        return true;
      }
      if (out->size() < 2 * MetaExtractor::kTextMax) out->push_back(c);
    }
    return false;
  }

  // "<4A6F>": pairs of hexadecimal digits, blanks ignored, an odd last
  // digit followed by 0.
  bool Hex(std::string* out) {
    ++pos_;
    int high = -1;
    while (pos_ < s_.size()) {
      const char c = s_[pos_++];
      if (c == '>') {
        if (high >= 0) out->push_back(static_cast<char>(high << 4));
        return true;
      }
      int digit = -1;
      if (c >= '0' && c <= '9') digit = c - '0';
      if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      if (digit < 0) {
        if (IsPdfSpace(c)) continue;
        return false;
      }
      if (high < 0) {
        high = digit;
      } else {
        if (out->size() < 2 * MetaExtractor::kTextMax) out->push_back(static_cast<char>(high << 4 | digit));
        high = -1;
      }
    }
    return false;
  }

  const std::string& s_;
  size_t pos_ = 0;
};

// One subsection of a cross-reference table: objects first .. first+count-1,
// their 20-byte entries starting at position.
struct CSubsection {
  int64_t first;
  int64_t count;
  int64_t position;
};

class CPdfReader {
 public:
  explicit CPdfReader(MetaExtractor& x) : x_(x), f_(x.File()) {}

  int Read() {
    std::string line;
    if (f_.Seek(0) != 0 || f_.ReadLine(&line) != 0 || line.compare(0, 5, "%PDF-") != 0) return -2;
    if (f_.Size(&size_) != 0 || f_.Seek(size_) != 0) return -1;
    if (LastLine(&line) != 0 || line != "%%EOF" || LastLine(&line) != 0) return -2;
    int64_t offset = Decimal(line);
    if (offset <= 0) return -2;
    std::set<int64_t> visited;
    int sections = 0;
    while (offset > 0 && sections < kMaxSections && visited.insert(offset).second) {
      ++sections;
      CPdfDict trailer;
      if (ReadSection(offset, &trailer) != 0) break;
      Keep(trailer, "INFO", &info_);
      Keep(trailer, "ROOT", &root_);
      if (trailer.count("ENCRYPT")) encrypted_ = true;
      const auto prev = trailer.find("PREV");
      offset = prev != trailer.end() && prev->second.kind == CPdfValue::Integer ? prev->second.number : 0;
    }
    if (sections == 0 || subsections_.empty()) return -2;
    if (encrypted_) {
      x_.SetText(kItemOc, x_.Options().encryptedText);
    } else if (info_.kind == CPdfValue::Reference) {
      ReadInfo();
    }
    ReadPageCount();
    return 0;
  }

 private:
  static void Keep(const CPdfDict& d, const char* key, CPdfValue* out) {
    const auto it = d.find(key);
    if (out->kind == CPdfValue::None && it != d.end() && it->second.kind == CPdfValue::Reference) *out = it->second;
  }

  // The non-empty line before the current position.
  int LastLine(std::string* line) {
    for (;;) {
      const int r = f_.ReadLineBack(line);
      if (r != 0) return r;
      *line = Trimmed(*line);
      if (!line->empty()) return 0;
    }
  }

  // The "xref" table at offset, its subsections, and the trailer after it.
  int ReadSection(int64_t offset, CPdfDict* trailer) {
    std::string line;
    if (offset >= size_ || f_.Seek(offset) != 0 || f_.ReadLine(&line) != 0 || Trimmed(line) != "xref") return -2;
    for (;;) {
      const int64_t lineStart = f_.Tell();
      if (lineStart < 0 || f_.ReadLine(&line) != 0) return -1;
      const std::string t = Trimmed(line);
      if (t.compare(0, 7, "trailer") == 0) return ReadDictAt(lineStart + static_cast<int64_t>(line.find("trailer")) + 7, trailer);
      const size_t space = t.find(' ');
      const int64_t first = space == std::string::npos ? -1 : Decimal(t.substr(0, space));
      const int64_t count = space == std::string::npos ? -1 : Decimal(Trimmed(t.substr(space + 1)));
      const int64_t position = f_.Tell();
      if (first < 0 || count < 0 || position < 0) return -2;
      if (count > (size_ - position) / kEntryBytes) return -2;  // entries past the end of the file
      for (const CSubsection& s : subsections_) {
        if (s.first == first && s.position == position) return -2;  // seen twice
      }
      if (subsections_.size() >= kMaxSubsections) return -2;
      subsections_.push_back({first, count, position});
      if (f_.Seek(position + count * kEntryBytes) != 0) return -1;
    }
  }

  // Reads the dictionary that starts at offset (after blanks).
  int ReadDictAt(int64_t offset, CPdfDict* dict) {
    std::string text;
    if (ReadTextAt(offset, &text) != 0) return -1;
    CPdfLexer lex(text);
    return lex.Dictionary(dict) ? 0 : -2;
  }

  int ReadTextAt(int64_t offset, std::string* text) {
    if (offset < 0 || offset >= size_ || f_.Seek(offset) != 0) return -1;
    const int64_t left = size_ - offset;
    const int r = f_.ReadCapped(text, static_cast<uint64_t>(left), kDictBytes);
    return r == -1 ? -1 : 0;
  }

  // The offset of object n from the subsection that lists it; -1 when none
  // does or its entry is not in use.
  int64_t ObjectOffset(int64_t n) {
    for (const CSubsection& s : subsections_) {
      if (n < s.first || n - s.first >= s.count) continue;
      char entry[kEntryBytes];
      if (f_.Seek(s.position + (n - s.first) * kEntryBytes) != 0 || f_.ReadExact(entry, sizeof entry) != 0) return -1;
      const std::string text(entry, sizeof entry);
      if (text[17] != 'n') return -1;
      return Decimal(text.substr(0, 10));
    }
    return -1;
  }

  // The text of object n after its "n g obj" header.
  bool ObjectText(int64_t n, std::string* text, size_t* start) {
    const int64_t offset = ObjectOffset(n);
    if (offset < 0 || ReadTextAt(offset, text) != 0) return false;
    const size_t obj = text->find("obj");
    if (obj == std::string::npos || obj > 64) return false;
    *start = obj + 3;
    return true;
  }

  bool ObjectDict(int64_t n, CPdfDict* dict) {
    std::string text;
    size_t start = 0;
    if (!ObjectText(n, &text, &start)) return false;
    const std::string body = text.substr(start);
    CPdfLexer lex(body);
    return lex.Dictionary(dict);
  }

  // An integer value, following references (an object that holds only the
  // number) at most kMaxHops objects deep and never the same object twice.
  bool Integer(CPdfValue v, int64_t* out) {
    std::set<int64_t> seen;
    for (int hop = 0; hop < kMaxHops; ++hop) {
      if (v.kind == CPdfValue::Integer) {
        *out = v.number;
        return true;
      }
      if (v.kind != CPdfValue::Reference || !seen.insert(v.number).second) return false;
      std::string text;
      size_t start = 0;
      if (!ObjectText(v.number, &text, &start)) return false;
      const std::string body = text.substr(start);
      CPdfLexer lex(body);
      v = CPdfValue();
      if (!lex.NumberOrReference(&v)) return false;
    }
    return false;
  }

  void ReadPageCount() {
    CPdfDict root;
    CPdfDict pages;
    if (root_.kind != CPdfValue::Reference || !ObjectDict(root_.number, &root)) return;
    const auto ref = root.find("PAGES");
    if (ref == root.end() || ref->second.kind != CPdfValue::Reference) return;
    if (ref->second.number == root_.number || !ObjectDict(ref->second.number, &pages)) return;
    const auto count = pages.find("COUNT");
    int64_t n = 0;
    if (count == pages.end() || !Integer(count->second, &n)) return;
    x_.SetInt(kItemOP, n, std::to_string(n));
  }

  // A string of the Info dictionary as ANSI: UTF-16 with its byte order mark
  // converted, other bytes taken as they are.
  std::string Text(const std::string& raw) const {
    if (raw.size() >= 2 && static_cast<uint8_t>(raw[0]) == 0xFE && static_cast<uint8_t>(raw[1]) == 0xFF) {
      const std::string units = raw.substr(2);
      return Utf16VersAnsi(reinterpret_cast<const unsigned char*>(units.data()), units.size() / 2, true);
    }
    return raw;
  }

  void ReadInfo() {
    CPdfDict info;
    if (!ObjectDict(info_.number, &info)) return;
    static const struct {
      const char* key;
      int item;
    } kKeys[] = {{"TITLE", kItemOt}, {"AUTHOR", kItemOa}, {"SUBJECT", kItemOs}, {"KEYWORDS", kItemOk}};
    for (const auto& k : kKeys) {
      const auto it = info.find(k.key);
      if (it != info.end() && it->second.kind == CPdfValue::String) x_.SetText(k.item, Text(it->second.text));
    }
    for (const auto& k : {std::make_pair("CREATIONDATE", kItemOn), std::make_pair("MODDATE", kItemOb)}) {
      const auto it = info.find(k.first);
      if (it == info.end() || it->second.kind != CPdfValue::String) continue;
      const std::string text = Text(it->second.text);
      uint64_t ft = 0;
      if (PdfDate(text, &ft) == 0) {
        x_.SetDate(k.second, ft);
      } else {
        x_.SetText(k.second, text);
      }
    }
    std::string tool;
    for (const char* key : {"CREATOR", "PRODUCER"}) {
      const auto it = info.find(key);
      if (it == info.end() || it->second.kind != CPdfValue::String) continue;
      const std::string part = x_.Clean(Text(it->second.text));
      if (part.empty()) continue;
      tool += tool.empty() ? part : " - " + part;
    }
    if (!tool.empty()) x_.SetText(kItemON, tool);
  }

 public:
  // "D:YYYYMMDDHHmmSSOHH'mm'" with everything after the year optional;
  // the time is UTC shifted by the offset. -1 when no year is there or a
  // field is out of range.
  static int PdfDate(const std::string& s, uint64_t* ft) {
    size_t p = s.compare(0, 2, "D:") == 0 ? 2 : 0;
    auto field = [&](int width, int* out) {
      if (s.size() - p < static_cast<size_t>(width) || p > s.size()) return false;
      int v = 0;
      for (int i = 0; i < width; ++i) {
        const char c = s[p + static_cast<size_t>(i)];
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
      }
      p += static_cast<size_t>(width);
      *out = v;
      return true;
    };
    CTempsLocal t;
    t.month = 1;
    t.day = 1;
    if (!field(4, &t.year)) return -1;
    if (field(2, &t.month) && field(2, &t.day) && field(2, &t.hour) && field(2, &t.minute)) field(2, &t.second);
    int64_t shift = 0;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
      const int sign = s[p] == '+' ? -1 : 1;  // a zone ahead of UTC is behind it in UTC
      ++p;
      int hours = 0;
      int minutes = 0;
      if (field(2, &hours)) {
        if (p < s.size() && s[p] == '\'') ++p;
        field(2, &minutes);
        shift = sign * (static_cast<int64_t>(hours) * 3600 + minutes * 60);
      }
    }
    uint64_t utc = 0;
    if (UtcTimeToFileTime(t, &utc) != 0) return -1;
    const int64_t ticks = shift * kFileTimeTicksPerSecond;
    if (ticks < 0 && utc < static_cast<uint64_t>(-ticks)) return -1;
    *ft = utc + static_cast<uint64_t>(ticks);
    return 0;
  }

 private:
  MetaExtractor& x_;
  FileReader& f_;
  int64_t size_ = 0;
  std::vector<CSubsection> subsections_;
  CPdfValue info_;
  CPdfValue root_;
  bool encrypted_ = false;
};

}  // namespace

int ReadPdfFile(MetaExtractor& x, const std::string& path) {
  return ReadOpenedFile(x, path, [](MetaExtractor& m) { return CPdfReader(m).Read(); });
}
