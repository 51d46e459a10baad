// A setting bound to one INI section and key, with a modified flag: only
// settings whose value changed are written back.
#pragma once

#include <windows.h>

#include <string>

template <class T>
class CKProfile {
 public:
  CKProfile(const char* section, const char* key, const T& def)
      : section_(section), key_(key), value_(def) {}
  virtual ~CKProfile() = default;
  CKProfile(const CKProfile&) = delete;
  CKProfile& operator=(const CKProfile&) = delete;

  const T& Get() const { return value_; }
  operator const T&() const { return value_; }
  // Stores v; marks the setting modified only when the value changes.
  void Set(const T& v) {
    if (!Equal(value_, v)) {
      value_ = v;
      modified_ = true;
    }
  }
  bool Modified() const { return modified_; }
  const char* Section() const { return section_; }
  const char* Key() const { return key_; }

 protected:
  static bool Equal(const T& a, const T& b) { return a == b; }
  const char* section_;
  const char* key_;
  bool modified_ = false;
  T value_;
};

template <>
inline bool CKProfile<RECT>::Equal(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class CKProfileString : public CKProfile<std::string> {
 public:
  using CKProfile<std::string>::CKProfile;
};
