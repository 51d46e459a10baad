// Typed settings bound to one INI section and key, read and written through
// the private-profile functions. A modified flag records that the program
// stored a value different from the current one; only modified settings are
// written back. Every read and every write clears the flag.
//
// Text forms: int as a decimal number; bool as "1" or "0"; double with up to
// six significant digits, always with a decimal point whatever the C locale;
// RECT as left, top, width, height (the RECT's right and bottom members hold
// the width and the height); strings as the text itself, enclosed in one pair
// of double quotes when the private-profile reader would otherwise alter it.
//
// All files go through one INI path (ProfilePath()); when it is empty nothing
// is read or written and settings keep their defaults.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// The INI file in use; "" means none.
std::string& ProfilePath();

// Raw access to the INI file in use. ProfileRead returns false when the key
// is absent (or when no file is in use); at most 1024 bytes of a value come
// back. ProfileWrite with a null value deletes the key.
bool ProfileRead(const char* section, const char* key, std::string* out);
int ProfileWrite(const char* section, const char* key, const char* value);
// Writes the private-profile cache of the file in use to disk.
void ProfileFlush();
// Every section name of the file in use, the whole list however long.
std::vector<std::string> ProfileSectionNames();

// The whole file in use read once, by sections: while the snapshot lives,
// ProfileRead answers from it with the values the reader gives key by key
// (hundreds of settings are read at start-up, and each private-profile call
// goes through the file). A write ends it.
class CKProfileSnapshot {
 public:
  CKProfileSnapshot();
  ~CKProfileSnapshot();
  CKProfileSnapshot(const CKProfileSnapshot&) = delete;
  CKProfileSnapshot& operator=(const CKProfileSnapshot&) = delete;

 private:
  std::unordered_map<std::string, std::string> values_;
};

// Text forms of the setting types; the parsers return false when the text
// does not hold a value of the type (the setting then keeps its default).
std::string ProfileFormat(int v);
std::string ProfileFormat(bool v);
std::string ProfileFormat(double v);
std::string ProfileFormat(const RECT& v);
std::string ProfileFormat(const std::string& v);
bool ProfileParse(const std::string& text, int* v);
bool ProfileParse(const std::string& text, bool* v);
bool ProfileParse(const std::string& text, double* v);
bool ProfileParse(const std::string& text, RECT* v);
bool ProfileParse(const std::string& text, std::string* v);
// Parses exactly count blank-separated integers from text.
bool ProfileParseInts(const std::string& text, int* values, int count);

// The part of a setting that needs no value type: what the loader and the
// saver walk over.
class CKProfileItem {
 public:
  CKProfileItem(const char* section, const char* key) : section_(section), key_(key) {}
  virtual ~CKProfileItem() = default;
  CKProfileItem(const CKProfileItem&) = delete;
  CKProfileItem& operator=(const CKProfileItem&) = delete;

  // Writes the value to the file and clears the modified flag.
  virtual int Write() = 0;
  // Reads the value with the setting's own default.
  virtual void Load() = 0;
  // The value in its text form, as Write puts it in the file.
  virtual std::string Text() const = 0;

  bool Modified() const { return modified_; }
  const char* Section() const { return section_; }
  const char* Key() const { return key_; }

 protected:
  const char* section_;
  const char* key_;
  bool modified_ = false;
};

// Settings that register themselves with a set, in declaration order, so
// that loading and saving walk every one of them.
class CKProfileSet {
 public:
  void Add(CKProfileItem* item) { items_.push_back(item); }
  const std::vector<CKProfileItem*>& Items() const { return items_; }

 private:
  std::vector<CKProfileItem*> items_;
};

template <class T>
class CKProfile : public CKProfileItem {
 public:
  CKProfile(const char* section, const char* key, const T& def)
      : CKProfileItem(section, key), default_(def), value_(def) {}
  CKProfile(CKProfileSet& set, const char* section, const char* key, const T& def)
      : CKProfile(section, key, def) {
    set.Add(this);
  }

  int Write() override {
    modified_ = false;
    return ProfileWrite(section_, key_, ProfileFormat(value_).c_str());
  }
  // Reads the value; an absent key or a text that does not parse as T gives
  // def.
  virtual void Read(const T& def) {
    modified_ = false;
    std::string text;
    T v = def;
    if (!ProfileRead(section_, key_, &text) || !ProfileParse(text, &v)) v = def;
    value_ = v;
  }
  void Load() override { Read(default_); }
  std::string Text() const override { return ProfileFormat(value_); }

  const T& Get() const { return value_; }
  operator const T&() const { return value_; }
  const T& Default() const { return default_; }
  // Stores v; marks the setting modified only when the value changes.
  void Set(const T& v) {
    if (!Equal(value_, v)) {
      value_ = v;
      modified_ = true;
    }
  }

 protected:
  static bool Equal(const T& a, const T& b) { return a == b; }
  T default_;
  T value_;
};

template <>
inline bool CKProfile<RECT>::Equal(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class CKProfileString : public CKProfile<std::string> {
 public:
  using CKProfile<std::string>::CKProfile;
  // Marks the setting modified whatever its value: used for list entries
  // whose key may still hold an older text in the file.
  void Touch() { modified_ = true; }
};

// A numbered list of strings: keys "<prefix>_01", "<prefix>_02" ... ("%s_%0*d"
// with a width of 2, so entry 100 is "<prefix>_100"). The live count is the
// number of entries in use; entries past it are deleted from the file at save.
class CKProfileList {
 public:
  // maxCount -1: no limit. stopOnEmpty: loading ends at the first absent or
  // empty entry.
  CKProfileList(const char* section, const char* prefix, int maxCount, bool stopOnEmpty);
  CKProfileList(const CKProfileList&) = delete;
  CKProfileList& operator=(const CKProfileList&) = delete;

  // Reads entries 1, 2 ... until the maximum count or, with stop-on-empty,
  // until an entry is absent or empty.
  void Load();
  // Writes the modified entries 1..Count(), then deletes every key past the
  // live count that the list or the file still holds.
  int Save();

  int Count() const { return count_; }
  const std::string& At(int i) const { return entries_[i]->Get(); }
  // Sets entry i (from 0); i == Count() appends. Returns -1 when i is out of
  // range or past the maximum count.
  int Set(int i, const std::string& text);
  int Add(const std::string& text) { return Set(count_, text); }
  // Removes entry i, moving the later ones up.
  int Erase(int i);
  // The live count becomes n (n <= Count()); the surplus keys go at save.
  void SetCount(int n);
  // Replaces the whole list with texts, in order: with stop-on-empty the
  // empty texts are skipped, and never more than the maximum count are kept.
  void Assign(const std::vector<std::string>& texts);
  bool Modified() const;
  // Deletes the key of entry i from the file; the entry reads as empty and
  // is not modified.
  int Delete(int i);

  // Iteration over the live entries, in order.
  class ConstIterator {
   public:
    ConstIterator(const CKProfileList* list, int i) : list_(list), i_(i) {}
    const std::string& operator*() const { return list_->At(i_); }
    ConstIterator& operator++() {
      ++i_;
      return *this;
    }
    bool operator!=(const ConstIterator& o) const { return i_ != o.i_; }

   private:
    const CKProfileList* list_;
    int i_;
  };
  ConstIterator begin() const { return ConstIterator(this, 0); }
  ConstIterator end() const { return ConstIterator(this, count_); }

  int MaxCount() const { return max_; }
  void SetMaxCount(int n) { max_ = n; }
  const char* Section() const { return section_; }
  std::string KeyOf(int i) const;  // key of entry i (from 0)

 private:
  // Lists without a maximum still stop here: a file can hold any number of
  // keys, and each read goes through the private-profile functions.
  static constexpr int kHardLimit = 10000;
  int Limit() const { return max_ < 0 || max_ > kHardLimit ? kHardLimit : max_; }

  const char* section_;
  const char* prefix_;
  int max_;
  bool stopOnEmpty_;
  std::vector<std::unique_ptr<std::string>> keys_;  // keys of entries_, which point into them
  std::vector<std::unique_ptr<CKProfileString>> entries_;
  int count_ = 0;
  int fileCount_ = 0;  // consecutive keys found in the file at load
};
