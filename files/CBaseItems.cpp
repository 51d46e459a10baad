#include "files/CBaseItems.h"

#include <shellapi.h>

#include "files/CBaseTexts.h"
#include "files/Formats.h"
#include "os/AnsiCase.h"
#include "os/CNoms.h"

FileTime ToFileTime(const FILETIME& ft) {
  return (static_cast<FileTime>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

bool CTypeCache::TypeName(const std::string& path, bool isDir, std::string& out) {
  return TypeName(std::string(), path, isDir, out);
}

bool CTypeCache::TypeName(const std::string& dir, const std::string& name, bool isDir, std::string& out) {
  // Keyed by the extension, the one thing of a name the shell's type depends on.
  const std::string ext = NomExtension(name);
  std::string key = (isDir ? "D" : "F") + (ext.empty() ? ext : "." + ext);
  AnsiUpperInPlace(key);
  auto it = cache_.find(key);
  if (it == cache_.end()) {
    SHFILEINFOA info = {};
    const DWORD attrs = isDir ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    const DWORD_PTR ok = SHGetFileInfoA((dir + name).c_str(), attrs, &info, sizeof info,
                                        SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES);
    it = cache_.emplace(key, Cached{ok != 0, ok ? std::string(info.szTypeName) : std::string()}).first;
  }
  if (!it->second.ok) return false;
  out = it->second.name;
  return true;
}

void FillBaseItems(CFichier& entry, const std::string& absDir, const std::string& relPath,
                   const WIN32_FIND_DATAA& fd, const CBaseOptions& options, CTypeCache& types) {
  entry.name = relPath + fd.cFileName;
  entry.isParent = entry.name == "..";
  entry.isDir = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;

  // Room for the texts and dates set below, made once.
  entry.items.text.Reserve(5);
  entry.items.dates.Reserve(3);
  entry.items.text.Set(kItemAttributs, AttributeLetters(fd.dwFileAttributes));

  if (entry.isDir) {
    entry.size = 0;
  } else {
    entry.size = (static_cast<uint64_t>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow;
    entry.items.text.Set(kItemTaille, FormatTaille(entry.size, options.sizeInBytes ? 'b' : 0, options.units));
  }

  entry.items.text.Set(kItemNomDos, fd.cAlternateFileName[0] ? fd.cAlternateFileName : fd.cFileName);

  const FILETIME* times[] = {&fd.ftCreationTime, &fd.ftLastAccessTime, &fd.ftLastWriteTime};
  const int dateItems[] = {kItemDateCrea, kItemDateAcces, kItemDateModif};
  for (int i = 0; i < 3; ++i) {
    const FileTime ft = ToFileTime(*times[i]);
    if (ft == 0) continue;
    entry.items.dates.Set(dateItems[i], ft);
  }

  std::string type;
  // The full path is only made when the shell is asked, once per extension.
  const bool found = entry.isParent ? types.TypeName(absDir + relPath, true, type)
                                    : types.TypeName(absDir, entry.name, entry.isDir, type);
  if (found) entry.items.text.Set(kItemType, type);
}
