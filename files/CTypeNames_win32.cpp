#include <windows.h>

#include <shellapi.h>

#include <map>
#include <mutex>

#include "files/CTypeNames.h"
#include "os/AnsiCase.h"
#include "os/CNoms.h"

namespace {

// Entries are added, never changed or removed: a text handed out stays valid
// and unchanged once the lock is released.
struct CTypeStore {
  std::mutex lock;
  std::map<std::string, std::string> names;  // key: "D" or "F" + upper-cased ".extension"
};

CTypeStore& Store() {
  static CTypeStore store;
  return store;
}

}  // namespace

const std::string& ShellTypeName(const std::string& name, bool isDir) {
  const std::string ext = NomExtension(name);
  std::string key = (isDir ? "D" : "F") + (ext.empty() ? ext : "." + ext);
  AnsiUpperInPlace(key);
  CTypeStore& store = Store();
  std::lock_guard<std::mutex> hold(store.lock);
  auto it = store.names.find(key);
  if (it == store.names.end()) {
    // The bare name is enough: by attributes the shell reads no file.
    SHFILEINFOA info = {};
    const DWORD attrs = isDir ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    const DWORD_PTR ok = SHGetFileInfoA(NomSansChemin(name).c_str(), attrs, &info, sizeof info,
                                        SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES);
    it = store.names.emplace(key, ok ? std::string(info.szTypeName) : std::string()).first;
  }
  return it->second;
}
