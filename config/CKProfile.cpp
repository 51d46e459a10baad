#include "config/CKProfile.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <locale>
#include <sstream>
#include <unordered_map>

#include "os/AnsiCase.h"

namespace {

// Values are read into a buffer of 1025 bytes: at most 1024 characters count.
constexpr DWORD kValueBuffer = 1025;
// Returned by the reader only when the key is absent: no INI value can hold
// these control bytes because every value is one line of text.
const char kAbsent[] = "\x01\x02velto-absent\x02\x01";

bool OnlyBlanksFrom(std::istringstream& in) {
  in >> std::ws;
  return in.eof();
}

// One NUL-separated list of the private-profile functions, asked with
// bigger buffers until it fits (a full buffer comes back as size - 2).
template <class Ask>
std::vector<std::string> ReadList(Ask ask) {
  std::vector<std::string> items;
  for (DWORD size = 4096; size <= (1u << 24); size *= 4) {
    std::vector<char> buf(size);
    const DWORD n = ask(buf.data(), size);
    if (n + 2 >= size) continue;
    for (DWORD pos = 0; pos < n;) {
      const size_t len = std::strlen(buf.data() + pos);
      if (len == 0) break;
      items.emplace_back(buf.data() + pos, len);
      pos += static_cast<DWORD>(len) + 1;
    }
    break;
  }
  return items;
}

// Sections and keys are found without regard to case, as the
// private-profile functions find them.
std::string SnapshotKey(const char* section, const char* key) {
  std::string k = section;
  k += '\0';
  k += key;
  AnsiUpperInPlace(k);
  return k;
}

const std::unordered_map<std::string, std::string>*& Snapshot() {
  static const std::unordered_map<std::string, std::string>* values = nullptr;
  return values;
}

}  // namespace

std::string& ProfilePath() {
  static std::string path;
  return path;
}

std::vector<std::string> ProfileSectionNames() {
  const std::string& path = ProfilePath();
  return ReadList([&path](char* buf, DWORD size) { return GetPrivateProfileSectionNamesA(buf, size, path.c_str()); });
}

CKProfileSnapshot::CKProfileSnapshot() {
  const std::string& path = ProfilePath();
  if (path.empty()) return;
  for (const std::string& section : ProfileSectionNames()) {
    const std::vector<std::string> lines = ReadList([&](char* buf, DWORD size) {
      return GetPrivateProfileSectionA(section.c_str(), buf, size, path.c_str());
    });
    for (const std::string& line : lines) {
      // A line without '=' has no value: the key reads as absent.
      const size_t eq = line.find('=');
      if (eq == std::string::npos) continue;
      // The first of two equal keys (or sections) is the one read.
      values_.emplace(SnapshotKey(section.c_str(), line.substr(0, eq).c_str()), line.substr(eq + 1));
    }
  }
  Snapshot() = &values_;
}

CKProfileSnapshot::~CKProfileSnapshot() {
  if (Snapshot() == &values_) Snapshot() = nullptr;
}

bool ProfileRead(const char* section, const char* key, std::string* out) {
  const std::string& path = ProfilePath();
  if (path.empty()) return false;
  // Section lists leave out comment lines, which a key beginning with ';'
  // still finds: such keys go to the reader.
  const auto* values = key[0] != ';' ? Snapshot() : nullptr;
  if (values) {
    const auto it = values->find(SnapshotKey(section, key));
    if (it == values->end()) return false;
    // The reader drops one pair of quotes around a value.
    const std::string& v = it->second;
    const bool quoted = v.size() > 1 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
    const size_t from = quoted ? 1 : 0, len = v.size() - (quoted ? 2 : 0);
    // A value longer than the reader's buffer is left to the reader itself.
    if (len < kValueBuffer) {
      out->assign(v, from, len);
      return true;
    }
  }
  char buf[kValueBuffer];
  DWORD n = GetPrivateProfileStringA(section, key, kAbsent, buf, kValueBuffer, path.c_str());
  if (n >= kValueBuffer) n = kValueBuffer - 1;
  buf[n] = '\0';
  if (std::strcmp(buf, kAbsent) == 0) return false;
  out->assign(buf, n);
  return true;
}

int ProfileWrite(const char* section, const char* key, const char* value) {
  const std::string& path = ProfilePath();
  if (path.empty()) return 0;
  Snapshot() = nullptr;  // the file no longer holds what was read
  return WritePrivateProfileStringA(section, key, value, path.c_str()) ? 0 : -1;
}

void ProfileFlush() {
  const std::string& path = ProfilePath();
  if (!path.empty()) WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

std::string ProfileFormat(int v) { return std::to_string(v); }

std::string ProfileFormat(bool v) { return v ? "1" : "0"; }

std::string ProfileFormat(double v) {
  // The classic locale keeps the decimal point a point even when the program
  // runs under a regional numeric locale with a comma.
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out.precision(6);
  out << v;
  return out.str();
}

std::string ProfileFormat(const RECT& v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%ld %ld %ld %ld", static_cast<long>(v.left), static_cast<long>(v.top),
                static_cast<long>(v.right), static_cast<long>(v.bottom));
  return buf;
}

std::string ProfileFormat(const std::string& v) {
  // An INI value is one line: a line break would end it and start a forged
  // key or section, so line breaks are written as blanks.
  std::string text = v;
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  if (text.empty()) return text;
  const char first = text.front();
  const char last = text.back();
  const bool blankEdge = first == ' ' || last == ' ' || first == '\t' || last == '\t';
  const bool quoted = text.size() >= 1 && ((first == '"' && last == '"') || (first == '\'' && last == '\''));
  if (blankEdge || quoted) return "\"" + text + "\"";
  return text;
}

bool ProfileParseInts(const std::string& text, int* values, int count) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  for (int i = 0; i < count; ++i) {
    long long v = 0;
    if (!(in >> v) || v < INT_MIN || v > INT_MAX) return false;
    // "12abc" stops the extraction at "abc": the next field must then be
    // separated by white space, which the check below enforces.
    const int next = in.peek();
    if (next != std::char_traits<char>::eof() && next != ' ' && next != '\t') return false;
    values[i] = static_cast<int>(v);
  }
  return OnlyBlanksFrom(in);
}

bool ProfileParse(const std::string& text, int* v) { return ProfileParseInts(text, v, 1); }

bool ProfileParse(const std::string& text, bool* v) {
  int i = 0;
  if (!ProfileParseInts(text, &i, 1)) return false;
  *v = i != 0;
  return true;
}

bool ProfileParse(const std::string& text, double* v) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  double d = 0;
  if (!(in >> d) || !std::isfinite(d) || !OnlyBlanksFrom(in)) return false;
  *v = d;
  return true;
}

bool ProfileParse(const std::string& text, RECT* v) {
  int r[4];
  if (!ProfileParseInts(text, r, 4)) return false;
  *v = RECT{r[0], r[1], r[2], r[3]};
  return true;
}

bool ProfileParse(const std::string& text, std::string* v) {
  *v = text;
  return true;
}

CKProfileList::CKProfileList(const char* section, const char* prefix, int maxCount, bool stopOnEmpty)
    : section_(section), prefix_(prefix), max_(maxCount), stopOnEmpty_(stopOnEmpty) {}

std::string CKProfileList::KeyOf(int i) const {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%s_%0*d", prefix_, 2, i + 1);
  return buf;
}

void CKProfileList::Load() {
  keys_.clear();
  entries_.clear();
  count_ = 0;
  fileCount_ = 0;
  const int limit = Limit();
  std::string text;
  for (int i = 0; i < limit; ++i) {
    const std::string key = KeyOf(i);
    const bool present = ProfileRead(section_, key.c_str(), &text);
    if (stopOnEmpty_ && (!present || text.empty())) break;
    if (present) fileCount_ = i + 1;
    keys_.push_back(std::make_unique<std::string>(key));
    entries_.push_back(std::make_unique<CKProfileString>(section_, keys_.back()->c_str(), ""));
    entries_.back()->Read("");
    ++count_;
  }
  // Keys past the maximum count (a file edited by hand or by another
  // program) are never read; remember them so that the save removes them.
  if (stopOnEmpty_ && count_ == limit) {
    while (fileCount_ < kHardLimit && ProfileRead(section_, KeyOf(fileCount_).c_str(), &text) && !text.empty())
      ++fileCount_;
  }
}

int CKProfileList::Save() {
  int rc = 0;
  for (int i = 0; i < count_; ++i)
    if (entries_[i]->Modified() && entries_[i]->Write() != 0) rc = -1;
  const int stale = std::max(static_cast<int>(entries_.size()), fileCount_);
  for (int i = count_; i < stale; ++i)
    if (ProfileWrite(section_, KeyOf(i).c_str(), nullptr) != 0) rc = -2;
  entries_.resize(count_);
  keys_.resize(count_);
  fileCount_ = count_;
  return rc;
}

int CKProfileList::Set(int i, const std::string& text) {
  if (i < 0 || i > count_) return -1;
  if (max_ >= 0 && i >= max_) return -1;
  if (i >= kHardLimit) return -1;
  if (i < static_cast<int>(entries_.size())) {
    entries_[i]->Set(text);
    // An entry that was past the live count may differ from its key in the
    // file: it is written whatever its text.
    if (i == count_) entries_[i]->Touch();
  } else {
    keys_.push_back(std::make_unique<std::string>(KeyOf(i)));
    entries_.push_back(std::make_unique<CKProfileString>(section_, keys_.back()->c_str(), text));
    entries_.back()->Touch();
  }
  if (i == count_) ++count_;
  return 0;
}

int CKProfileList::Erase(int i) {
  if (i < 0 || i >= count_) return -1;
  for (int j = i; j + 1 < count_; ++j) entries_[j]->Set(entries_[j + 1]->Get());
  --count_;
  return 0;
}

void CKProfileList::SetCount(int n) {
  if (n >= 0 && n < count_) count_ = n;
}

void CKProfileList::Assign(const std::vector<std::string>& texts) {
  int n = 0;
  for (const std::string& t : texts) {
    if (stopOnEmpty_ && t.empty()) continue;
    if (Set(n, t) != 0) break;
    ++n;
  }
  SetCount(n);
}

bool CKProfileList::Modified() const {
  for (int i = 0; i < count_; ++i)
    if (entries_[i]->Modified()) return true;
  return count_ < static_cast<int>(entries_.size()) || count_ < fileCount_;
}

int CKProfileList::Delete(int i) {
  if (i < 0 || i >= count_) return -1;
  const int rc = ProfileWrite(section_, entries_[i]->Key(), nullptr);
  entries_[i]->Read("");
  return rc;
}
