// Owners of Win32 handles and COM resources: one class per handle family,
// each with its own invalid value, non-copyable, movable, with Detach() to
// hand the resource on. Win32 side only.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <ole2.h>
#include <propidl.h>

#include <utility>

// A handle of one family: Traits gives its type, invalid value and release.
template <typename Traits>
class CKHandle {
 public:
  using Type = typename Traits::Type;
  CKHandle() = default;
  explicit CKHandle(Type h) : h_(h) {}
  ~CKHandle() { Reset(); }
  CKHandle(const CKHandle&) = delete;
  CKHandle& operator=(const CKHandle&) = delete;
  CKHandle(CKHandle&& other) noexcept : h_(other.Detach()) {}
  CKHandle& operator=(CKHandle&& other) noexcept {
    if (this != &other) Reset(other.Detach());
    return *this;
  }

  bool Valid() const { return h_ != Traits::Invalid(); }
  Type Get() const { return h_; }
  Type Detach() { return std::exchange(h_, Traits::Invalid()); }
  void Reset(Type h = Traits::Invalid()) {
    if (Valid()) Traits::Release(h_);
    h_ = h;
  }

 private:
  Type h_ = Traits::Invalid();
};

struct CKFileTraits {
  using Type = HANDLE;
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Release(HANDLE h) { CloseHandle(h); }
};
struct CKFindTraits {
  using Type = HANDLE;
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Release(HANDLE h) { FindClose(h); }
};
// Threads, events and other kernel objects whose failure value is null.
struct CKKernelTraits {
  using Type = HANDLE;
  static HANDLE Invalid() { return nullptr; }
  static void Release(HANDLE h) { CloseHandle(h); }
};
struct CKChangeTraits {
  using Type = HANDLE;
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Release(HANDLE h) { FindCloseChangeNotification(h); }
};
struct CKRegKeyTraits {
  using Type = HKEY;
  static HKEY Invalid() { return nullptr; }
  static void Release(HKEY h) { RegCloseKey(h); }
};
template <typename T>
struct CKGdiTraits {
  using Type = T;
  static T Invalid() { return nullptr; }
  static void Release(T h) { DeleteObject(h); }
};
// A GDI object the system or another owner frees (stock objects, a window's font).
template <typename T>
struct CKBorrowedGdiTraits {
  using Type = T;
  static T Invalid() { return nullptr; }
  static void Release(T) {}
};

using CKFile = CKHandle<CKFileTraits>;
using CKFind = CKHandle<CKFindTraits>;
using CKThreadHandle = CKHandle<CKKernelTraits>;
using CKEvent = CKHandle<CKKernelTraits>;
using CKChangeNotification = CKHandle<CKChangeTraits>;
using CKRegKey = CKHandle<CKRegKeyTraits>;
template <typename T>
using CKGdi = CKHandle<CKGdiTraits<T>>;
template <typename T>
using CKBorrowedGdi = CKHandle<CKBorrowedGdiTraits<T>>;

// A global memory block, freed unless detached.
struct CKGlobalTraits {
  using Type = HGLOBAL;
  static HGLOBAL Invalid() { return nullptr; }
  static void Release(HGLOBAL h) { GlobalFree(h); }
};
using CKGlobal = CKHandle<CKGlobalTraits>;

// A global memory block locked for the lifetime of the object.
class CKGlobalLock {
 public:
  explicit CKGlobalLock(HGLOBAL h) : h_(h), p_(h ? GlobalLock(h) : nullptr) {}
  ~CKGlobalLock() {
    if (p_) GlobalUnlock(h_);
  }
  CKGlobalLock(const CKGlobalLock&) = delete;
  CKGlobalLock& operator=(const CKGlobalLock&) = delete;
  void* Data() const { return p_; }
  size_t Size() const { return p_ ? GlobalSize(h_) : 0; }

 private:
  HGLOBAL h_;
  void* p_;
};

// The clipboard, open for the lifetime of the object.
class CKClipboard {
 public:
  explicit CKClipboard(HWND owner = nullptr) : open_(OpenClipboard(owner) != FALSE) {}
  ~CKClipboard() {
    if (open_) CloseClipboard();
  }
  CKClipboard(const CKClipboard&) = delete;
  CKClipboard& operator=(const CKClipboard&) = delete;
  bool Open() const { return open_; }

 private:
  bool open_;
};

// The device context of a window, released with it.
class CKWindowDC {
 public:
  explicit CKWindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~CKWindowDC() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  CKWindowDC(const CKWindowDC&) = delete;
  CKWindowDC& operator=(const CKWindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// A GDI object selected into a DC, the previous one selected back at the end.
class CKSelectObject {
 public:
  CKSelectObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(dc && obj ? SelectObject(dc, obj) : nullptr) {}
  ~CKSelectObject() {
    if (old_) SelectObject(dc_, old_);
  }
  CKSelectObject(const CKSelectObject&) = delete;
  CKSelectObject& operator=(const CKSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A COM interface pointer holding one reference.
template <typename T>
class CKComPtr {
 public:
  CKComPtr() = default;
  ~CKComPtr() { Reset(); }
  CKComPtr(const CKComPtr&) = delete;
  CKComPtr& operator=(const CKComPtr&) = delete;
  CKComPtr(CKComPtr&& other) noexcept : p_(other.Detach()) {}
  CKComPtr& operator=(CKComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      p_ = other.Detach();
    }
    return *this;
  }
  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For the out parameter of a call that returns a new reference.
  T** Out() {
    Reset();
    return &p_;
  }
  T* Detach() { return std::exchange(p_, nullptr); }
  void Reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }

 private:
  T* p_ = nullptr;
};

// A PROPVARIANT cleared at the end.
class CKPropVariant {
 public:
  CKPropVariant() { PropVariantInit(&v_); }
  ~CKPropVariant() { PropVariantClear(&v_); }
  CKPropVariant(const CKPropVariant&) = delete;
  CKPropVariant& operator=(const CKPropVariant&) = delete;
  PROPVARIANT* Get() { return &v_; }
  const PROPVARIANT& operator*() const { return v_; }

 private:
  PROPVARIANT v_;
};

// An array of PROPVARIANTs filled by one call, freed together at the end.
template <size_t N>
class CKPropVariantArray {
 public:
  CKPropVariantArray() {
    for (PROPVARIANT& v : v_) PropVariantInit(&v);
  }
  ~CKPropVariantArray() { FreePropVariantArray(N, v_); }
  CKPropVariantArray(const CKPropVariantArray&) = delete;
  CKPropVariantArray& operator=(const CKPropVariantArray&) = delete;
  PROPVARIANT* Get() { return v_; }
  const PROPVARIANT& operator[](size_t i) const { return v_[i]; }

 private:
  PROPVARIANT v_[N];
};

// A storage medium released at the end.
class CKStgMedium {
 public:
  CKStgMedium() = default;
  ~CKStgMedium() {
    if (m_.tymed != TYMED_NULL) ReleaseStgMedium(&m_);
  }
  CKStgMedium(const CKStgMedium&) = delete;
  CKStgMedium& operator=(const CKStgMedium&) = delete;
  STGMEDIUM* Get() { return &m_; }

 private:
  STGMEDIUM m_ = {};
};

