#include "os/Clipboard.h"

#include <windows.h>

#include <cstring>

namespace {
// The clipboard, open for the lifetime of the object.
class CClipboardOuvert {
 public:
  CClipboardOuvert() : open_(OpenClipboard(nullptr) != FALSE) {}
  ~CClipboardOuvert() {
    if (open_) CloseClipboard();
  }
  CClipboardOuvert(const CClipboardOuvert&) = delete;
  CClipboardOuvert& operator=(const CClipboardOuvert&) = delete;
  bool Ouvert() const { return open_; }

 private:
  bool open_;
};

// A locked global memory block.
class CGlobalVerrou {
 public:
  explicit CGlobalVerrou(HGLOBAL h) : h_(h), p_(h ? GlobalLock(h) : nullptr) {}
  ~CGlobalVerrou() {
    if (p_) GlobalUnlock(h_);
  }
  CGlobalVerrou(const CGlobalVerrou&) = delete;
  CGlobalVerrou& operator=(const CGlobalVerrou&) = delete;
  const char* Data() const { return static_cast<const char*>(p_); }
  size_t Size() const { return p_ ? GlobalSize(h_) : 0; }

 private:
  HGLOBAL h_;
  void* p_;
};
}  // namespace

int LireTextePressePapier(std::string& texte) {
  texte.clear();
  CClipboardOuvert clip;
  if (!clip.Ouvert()) return -1;
  if (!IsClipboardFormatAvailable(CF_TEXT)) return 1;
  CGlobalVerrou bloc(GetClipboardData(CF_TEXT));
  if (!bloc.Data()) return 1;
  // The text ends at its terminating zero, never past the block.
  const size_t size = bloc.Size();
  const void* zero = std::memchr(bloc.Data(), 0, size);
  texte.assign(bloc.Data(), zero ? static_cast<const char*>(zero) - bloc.Data() : size);
  return 0;
}

uint32_t SequencePressePapier() { return GetClipboardSequenceNumber(); }
