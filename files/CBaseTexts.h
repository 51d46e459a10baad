// Texts of the base items that do not need the system: attribute letters,
// the size column and the dates.
#pragma once

#include <cstdint>
#include <string>

#include "files/CDonnees.h"

// One letter per attribute flag, in the fixed order D A C E H N O R P s S T.
std::string AttributeLetters(uint32_t attributes);

// The size of a file as the list shows it: the plain number of bytes when
// inBytes is set or below 1024, else "%.2lf %s" in KB, MB or GB.
std::string SizeText(uint64_t size, bool inBytes, const char* kb, const char* mb, const char* gb);

// The list's text of a date: "%c" in local time, by the user's regional settings.
std::string StandardDateText(FileTime ft);
