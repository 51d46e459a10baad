#include "os/WideFind.h"

#include <cwchar>

namespace {

std::wstring ToWide(const std::string& ansi) {
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &w[0], n);
  return w;
}

// An ASCII name is the same in every ANSI code page: it is narrowed as it
// stands, sparing the two conversions of most names of a listing. False (out
// then undefined) when the name holds anything else or does not fit.
bool NarrowAscii(const wchar_t* wide, char* out, int size) {
  int i = 0;
  for (; wide[i] != 0; ++i) {
    if (wide[i] >= 0x80 || i >= size - 1) return false;
    out[i] = static_cast<char>(wide[i]);
  }
  out[i] = 0;
  return true;
}

// Converts a NUL-terminated wide name into out (of size `size`, always
// terminated); false when the code page cannot hold it exactly or it does not
// fit.
bool ToAnsi(const wchar_t* wide, char* out, int size) {
  if (NarrowAscii(wide, out, size)) return true;
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, out, size, nullptr, &usedDefault);
  if (n <= 0) {
    out[0] = 0;
    return false;
  }
  return !usedDefault && AnsiNameIsExact(wide, out);
}

}  // namespace

// On the stack: this runs for every entry of a listing, where a string made
// per name cost as much as the rest of the conversion.
bool AnsiNameIsExact(const wchar_t* wide, const char* ansi) {
  wchar_t back[MAX_PATH + 1];
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi, -1, back, MAX_PATH + 1);
  return n > 0 && wcscmp(back, wide) == 0;
}

CWideFind::CWideFind(const std::string& pattern) {
  WIN32_FIND_DATAW w;
  h_ = FindFirstFileW(ToWide(pattern).c_str(), &w);
  if (h_ != INVALID_HANDLE_VALUE) Convert(w);
}

CWideFind::~CWideFind() {
  if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
}

bool CWideFind::Next() {
  WIN32_FIND_DATAW w;
  if (h_ == INVALID_HANDLE_VALUE || !FindNextFileW(h_, &w)) return false;
  Convert(w);
  return true;
}

void CWideFind::Convert(const WIN32_FIND_DATAW& w) {
  fd_.dwFileAttributes = w.dwFileAttributes;
  fd_.ftCreationTime = w.ftCreationTime;
  fd_.ftLastAccessTime = w.ftLastAccessTime;
  fd_.ftLastWriteTime = w.ftLastWriteTime;
  fd_.nFileSizeHigh = w.nFileSizeHigh;
  fd_.nFileSizeLow = w.nFileSizeLow;
  fd_.dwReserved0 = w.dwReserved0;
  fd_.dwReserved1 = w.dwReserved1;
  exact_ = ToAnsi(w.cFileName, fd_.cFileName, sizeof fd_.cFileName);
  // A short name that does not convert is left out rather than given wrong.
  if (!ToAnsi(w.cAlternateFileName, fd_.cAlternateFileName, sizeof fd_.cAlternateFileName))
    fd_.cAlternateFileName[0] = 0;
}
