#include "files/CBaseItems.h"

#include "files/CBaseTexts.h"
#include "files/Formats.h"

FileTime ToFileTime(const FILETIME& ft) {
  return (static_cast<FileTime>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

void FillBaseItems(CFichier& entry, const std::string& relPath,
                   const WIN32_FIND_DATAA& fd, const CBaseOptions& options) {
  entry.name = relPath + fd.cFileName;
  entry.isParent = entry.name == "..";
  entry.isDir = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;

  // Room for the texts and dates set below and the selection number, made
  // once: each entry's memory is touched for the first time here, and a
  // large directory spends much of its load on that.
  entry.items.text.Reserve(3);
  entry.items.dates.Reserve(3);
  entry.attributes = static_cast<uint16_t>(fd.dwFileAttributes);
  entry.items.text.Erase(kItemAttributs);

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

  // The shell is asked for the type only when it is first needed.
  entry.items.text.Erase(kItemType);
  entry.typePending = true;
}
