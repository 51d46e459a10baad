// The column table: the 216 data items, in item-number order. It drives the
// list columns, the values the metadata readers store and the variables of
// the expression language. Read-only; built at compile time.
#pragma once

#include <cstddef>

#include "files/CDonnees.h"
#include "files/ItemIds.h"

enum ItemKind { kKindText = 0, kKindInt = 1, kKindDec = 2, kKindDate = 3 };

enum ItemGroup {
  kGroupAlways = 0,
  kGroupBase,
  kGroupAudio,
  kGroupId3v1,
  kGroupAudioTag,
  kGroupVideo,
  kGroupVideoTag,
  kGroupImage,
  kGroupExif,
  kGroupIptc,
  kGroupDocument,
  kGroupExe,
  kGroupCount
};

struct CColonne {
  int item;
  int group;           // ItemGroup
  int kind;            // ItemKind
  const char* variable;  // "%Xdo"; nullptr for the future name
  int titleId;         // id of the column title in the text table
  int width;           // default width in pixels
  bool alignRight;
};

// The entry of an item 0..215; nullptr for any other number.
const CColonne* Colonne(int item);

// Item number of a variable name given without its '%' ("Xdo"), or kNoItem.
int ItemOfVariable(const char* name, size_t len);

// Whether a date item is read through the date path in expressions (all date
// items except the document edit time, which reads as its text).
bool IsDateVariable(int item);

// The Id3v1 / audio tag twin of an item (%mt <-> %At ...), or kNoItem.
int FallbackTwin(int item);
