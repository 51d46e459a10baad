#include "meta/CBloc.h"

#include <cstring>

int CBloc::Read(uint32_t off, void* out, uint32_t n) const {
  if (!Contains(off, n)) return -1;
  if (n == 0) return 0;
  if (data_) {
    std::memcpy(out, data_ + off, n);
    return 0;
  }
  if (file_->Seek(base_ + off) != 0) return -2;
  const int r = file_->ReadExact(out, n);
  return r == 0 ? 0 : r == -1 ? -2 : -3;
}

int CBloc::ReadCapped(uint32_t off, uint32_t n, uint32_t cap, std::string* out) const {
  const uint32_t take = n < cap ? n : cap;
  out->assign(take, '\0');
  const int r = Read(off, take ? &(*out)[0] : nullptr, take);
  if (r != 0) out->clear();
  return r == -3 ? -2 : r;
}

namespace {

template <class T>
int Decode(const CBloc& b, uint32_t off, bool bigEndian, T* v) {
  uint8_t raw[sizeof(T)];
  *v = 0;
  if (int r = b.Read(off, raw, sizeof(T))) return r;
  CBufReader br(raw, sizeof(T));
  if constexpr (sizeof(T) == 2) return bigEndian ? br.U16BE(v) : br.U16LE(v);
  else return bigEndian ? br.U32BE(v) : br.U32LE(v);
}

}  // namespace

int CBloc::U16(uint32_t off, bool bigEndian, uint16_t* v) const { return Decode(*this, off, bigEndian, v); }
int CBloc::U32(uint32_t off, bool bigEndian, uint32_t* v) const { return Decode(*this, off, bigEndian, v); }
