#include <windows.h>

#include "meta/SystemDocuments.h"

namespace {

// Larger files are not shortcuts; the system would read them whole.
constexpr int64_t kMaxShortcut = 51200;

}  // namespace

int ReadUrlFile(MetaExtractor& x, const std::string& path) {
  FileReader& f = x.File();
  int64_t size = 0;
  const bool sized = f.OpenRead(path) == 0 && f.Size(&size) == 0;
  f.Close();
  if (!sized) return -5;
  if (size > kMaxShortcut) return -2;
  char url[MetaExtractor::kTextMax + 1] = {};
  GetPrivateProfileStringA("InternetShortcut", "URL", "", url, sizeof url, path.c_str());
  x.SetText(kItemOu, url);
  return 0;
}
