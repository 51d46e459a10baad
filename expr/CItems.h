// Looking up the values of a file entry's data items.
#pragma once

#include <cstdint>
#include <string>

#include "files/CFichier.h"

struct ExprOptions;

// Text of an item: the current name for 0, the future name for 1, the text
// map for 2..215, empty for an absent item or any other number.
const std::string& ItemText(const CFichier& e, int item);

// The first item's text; when it is empty and id3v1aud_nvl is on, the second's.
const std::string& ItemTextFallback(const CFichier& e, int first, int second, const ExprOptions& o);

// The item's text, falling back on its Id3v1 / audio tag twin (if any) as
// the option says.
const std::string& ItemTextWithTwin(const CFichier& e, int item, const ExprOptions& o);

// Typed lookups: false when the entry holds no such value (dates: 0).
bool ItemInt(const CFichier& e, int item, int64_t* value);
bool ItemDec(const CFichier& e, int item, double* value);
FileTime ItemDate(const CFichier& e, int item);
