// Texts of the base items that do not need the system: attribute letters
// and the dates (the size column's text is made with the other sizes).
#pragma once

#include <cstdint>
#include <string>

#include "files/CDonnees.h"

// One letter per attribute flag, in the fixed order D A C E H N O R P s S T.
// Made once per process for every combination of the flags: an entry keeps
// its attributes and no text of its own.
const std::string& AttributeText(uint32_t attributes);

// The list's text of a date: "%c" in local time, by the user's regional settings.
std::string StandardDateText(FileTime ft);
