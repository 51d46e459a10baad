#include <windows.h>

#include <objbase.h>
#include <propidl.h>

#include <cstdio>

#include "files/Formats.h"
#include "meta/CompoundFile.h"
#include "meta/SystemDocuments.h"
#include "os/AnsiText.h"
#include "os/CKGuards.h"

namespace {

// Summary information property ids and the items they fill.
const struct {
  PROPID id;
  int item;
} kProperties[] = {{2, kItemOt},  {3, kItemOs},  {4, kItemOa},  {5, kItemOk},  {6, kItemOc},  {7, kItemOT},
                   {8, kItemOA},  {9, kItemOr},  {10, kItemOe}, {11, kItemOp}, {12, kItemOn}, {13, kItemOb},
                   {14, kItemOP}, {15, kItemOW}, {16, kItemOC}, {18, kItemON}, {19, kItemOS}};
constexpr size_t kCount = sizeof kProperties / sizeof kProperties[0];

void Store(MetaExtractor& x, int item, const PROPVARIANT& v) {
  char text[64];
  switch (v.vt) {
    case VT_I2:
      std::snprintf(text, sizeof text, "%d", v.iVal);
      x.OverwriteInt(item, v.iVal, text);
      break;
    case VT_I4:
      std::snprintf(text, sizeof text, "%ld", static_cast<long>(v.lVal));
      x.OverwriteInt(item, v.lVal, text);
      break;
    case VT_R4:
      x.OverwriteDecimal(item, v.fltVal, FormatDeuxDecimales(v.fltVal));
      break;
    case VT_R8:
      x.OverwriteDecimal(item, v.dblVal, FormatDeuxDecimales(v.dblVal));
      break;
    case VT_LPWSTR:
      if (v.pwszVal) {
        size_t units = 0;
        while (units < MetaExtractor::kTextMax && v.pwszVal[units]) ++units;
        x.OverwriteText(item, Utf16VersAnsi(reinterpret_cast<const unsigned char*>(v.pwszVal), units, false));
      }
      break;
    case VT_LPSTR:
      if (v.pszVal) x.OverwriteText(item, std::string(v.pszVal, strnlen(v.pszVal, MetaExtractor::kTextMax - 1)));
      break;
    case VT_BOOL:
      x.OverwriteText(item, v.boolVal ? "True" : "False");
      break;
    case VT_FILETIME: {
      const uint64_t ft = (static_cast<uint64_t>(v.filetime.dwHighDateTime) << 32) | v.filetime.dwLowDateTime;
      if (ft == 0) break;
      x.OverwriteDate(item, ft, item == kItemOe ? EditTimeText(ft) : std::string());
      break;
    }
    default:
      break;
  }
}

// The file as the structured storage sees it: reads go through the entry's
// file reader, so the bytes already read for the structural check are not
// read again, and the system neither opens the file a second time nor
// locks ranges of it. Read-only; lives on the stack and outlives every
// storage object opened on it.
class CReaderLockBytes final : public ILockBytes {
 public:
  CReaderLockBytes(FileReader& f, int64_t size) : f_(f), size_(size) {}
  CReaderLockBytes(const CReaderLockBytes&) = delete;
  CReaderLockBytes& operator=(const CReaderLockBytes&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ILockBytes)) {
      *out = static_cast<ILockBytes*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs_; }

  HRESULT STDMETHODCALLTYPE ReadAt(ULARGE_INTEGER at, void* buf, ULONG n, ULONG* got) override {
    ULONG dummy = 0;
    if (!got) got = &dummy;
    *got = 0;
    if (at.QuadPart >= static_cast<uint64_t>(size_)) return S_OK;
    if (f_.Seek(static_cast<int64_t>(at.QuadPart)) != 0) return STG_E_READFAULT;
    uint32_t read = n;
    if (f_.ReadUpTo(buf, &read) != 0) return STG_E_READFAULT;
    *got = read;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE WriteAt(ULARGE_INTEGER, const void*, ULONG, ULONG* written) override {
    if (written) *written = 0;
    return STG_E_ACCESSDENIED;
  }
  HRESULT STDMETHODCALLTYPE Flush() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return STG_E_ACCESSDENIED; }
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD) override {
    if (!stat) return STG_E_INVALIDPOINTER;
    *stat = STATSTG{};
    stat->type = STGTY_LOCKBYTES;
    stat->cbSize.QuadPart = static_cast<uint64_t>(size_);
    stat->grfMode = STGM_READ | STGM_SHARE_EXCLUSIVE;
    return S_OK;
  }

 private:
  FileReader& f_;
  int64_t size_;
  ULONG refs_ = 1;
};

}  // namespace

std::string EditTimeText(uint64_t duration) {
  const long long minutes = static_cast<long long>(duration / 600000000ULL);
  char text[64];
  std::snprintf(text, sizeof text, "%lldh%02lldm", minutes / 60, minutes % 60);
  return text;
}

int ReadOleFile(MetaExtractor& x, const std::string& path) {
  FileReader& f = x.File();
  if (f.OpenRead(path) != 0) return -5;
  int64_t size = 0;
  if (f.Size(&size) != 0) return -5;
  if (CheckCompoundFile(f) != 0) return -2;
  CReaderLockBytes bytes(f, size);
  CKComPtr<IStorage> storage;
  if (FAILED(StgOpenStorageOnILockBytes(&bytes, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, nullptr, 0,
                                        storage.Out()))) {
    return -2;
  }
  CKComPtr<IPropertySetStorage> sets;
  if (FAILED(storage->QueryInterface(IID_IPropertySetStorage, reinterpret_cast<void**>(sets.Out())))) return -2;
  CKComPtr<IPropertyStorage> summary;
  if (FAILED(sets->Open(FMTID_SummaryInformation, STGM_READ | STGM_SHARE_EXCLUSIVE, summary.Out()))) return -2;
  PROPSPEC specs[kCount];
  for (size_t i = 0; i < kCount; ++i) {
    specs[i].ulKind = PRSPEC_PROPID;
    specs[i].propid = kProperties[i].id;
  }
  CKPropVariantArray<kCount> values;
  if (FAILED(summary->ReadMultiple(kCount, specs, values.Get()))) return -2;
  for (size_t i = 0; i < kCount; ++i) Store(x, kProperties[i].item, values[i]);
  return 0;
}
