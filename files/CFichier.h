// One listed file or directory of the current directory. The list model owns
// the entries in one contiguous array; entries are moved, never shared.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "files/CBaseTexts.h"
#include "files/CDonnees.h"
#include "files/CTypeNames.h"
#include "files/ItemIds.h"

// The base items, taken from the directory listing, by their roles.
enum BaseItem {
  kItemNom = kItemf,         // current name
  kItemSel = kItemn,         // "Sel"
  kItemNomDos = kItemfd,     // DOS name
  kItemType = kItemy,        // shell type name
  kItemTaille = kItems,      // size text
  kItemDateCrea = kItemdc,
  kItemDateAcces = kItemda,
  kItemDateModif = kItemdm,
  kItemAttributs = kItema,
};

// What one operation step did to one entry. `applied` tells whether the step
// is in effect for this entry: undo acts only on applied records and redo only
// on the others, so a replay never deletes or moves a file the step did not
// produce (a redo that failed leaves its record unapplied). `order` is the
// entry's rank within its step: undo replays a step backwards and redo forwards,
// so chains (b->c then a->b) come back in an order in which every name is free.
// One file or directory a copy created, with the size and write time it had
// then: undoing the copy removes only what still holds what the copy wrote.
struct CCopie {
  std::string path;
  bool isDir = false;
  uint64_t size = 0;
  uint64_t writeTime = 0;
};

struct CHistRecord {
  std::string before;
  std::string after;
  bool applied = true;
  int order = 0;
  std::vector<CCopie> copied;  // a copy step's creations, in the order made
};

// The standard texts of the listing's three dates, made when first asked
// for: most entries of a large directory are never shown, and formatting
// three local times per entry was a large part of a load. Each text is kept
// with the date it was made from, so a changed date gets a new text. Copies
// start empty and make their own.
class CTextesDates {
 public:
  CTextesDates() = default;
  CTextesDates(const CTextesDates&) {}
  CTextesDates& operator=(const CTextesDates&) {
    slots_.reset();
    return *this;
  }
  CTextesDates(CTextesDates&&) noexcept = default;
  CTextesDates& operator=(CTextesDates&&) noexcept = default;
  // The text of date `ft` in slot 0, 1 or 2.
  const std::string& Texte(int slot, FileTime ft) const;

 private:
  struct Slot {
    FileTime ft = 0;
    std::string text;
  };
  mutable std::unique_ptr<Slot[]> slots_;
};

struct CFichier {
  // The fields go by size so that none is padded: a large directory holds
  // hundreds of thousands of entries, and their memory, touched for the
  // first time at load, is a good part of its cost.
  int selOrder = -1;       // position in the selection, -1 when not selected
  uint32_t lastError = 0;  // Win32 code of the last failed operation, 0 = none
  std::string name;        // relative to the current directory ("SUB\\a.jpg", "..")
  uint64_t size = 0;       // 0 for directories
  std::string futureName;  // empty when none
  // Undo records by step number (steps count from 1).
  std::map<int, CHistRecord> history;
  CDonnees items;

  // Where the image preview finds a picture or an embedded thumbnail.
  int64_t pictureOffset = -1;
  int64_t thumbOffset = -1;
  int32_t pictureSize = -1;
  int32_t thumbSize = -1;
  // The listing's attribute flags (every flag with a letter is below
  // 0x10000); their letters are made when asked for.
  uint16_t attributes = 0;
  int8_t rotation = 0;  // 0..7, from an Exif or CIFF orientation

  bool isParent = false;  // the ".." entry
  bool isDir = false;
  // The name holds characters the ANSI code page cannot: the ANSI name may
  // be another file's, so the entry is never selected or operated on.
  bool badName = false;
  // The shell's type name is asked when first needed (ItemText), not at
  // load: set by the loader, cleared once the text is stored.
  bool typePending = false;
  // After a rename only the name is known to be current: the rest of the
  // listing's data (the DOS name above all) is read again when the entry is
  // next shown, sorted or evaluated, with every item when the extension
  // changed. An unattended run that ends after its operation reads nothing.
  enum class Reread : uint8_t { None, Listing, All };
  Reread reread = Reread::None;

  CTextesDates dateTexts;

  // Text of an item: the entry's own names for items 0 and 1; the listing's
  // attributes, a listing date and a pending type without a stored text get
  // their standard texts.
  const std::string& ItemText(int item) const {
    if (item == kItemNom) return name;
    if (item == kItemNomFutur) return futureName;
    if (item == kItemAttributs && !items.text.Find(item)) return AttributeText(attributes);
    if (item == kItemType && typePending && !items.text.Find(item)) return ShellTypeName(name, isDir);
    const int slot = item == kItemDateCrea ? 0 : item == kItemDateAcces ? 1 : item == kItemDateModif ? 2 : -1;
    if (slot >= 0 && !items.text.Find(item)) {
      if (const FileTime* ft = items.dates.Find(item)) return dateTexts.Texte(slot, *ft);
    }
    return items.Text(item);
  }
  // Stores a pending type's text among the items, where a loop over them
  // (or a comparison repeated many times) finds it.
  void StoreType() {
    if (!typePending) return;
    typePending = false;
    if (items.text.Find(kItemType)) return;
    const std::string& type = ShellTypeName(name, isDir);
    if (!type.empty()) items.text.Set(kItemType, type);
  }
};
