// Structural check of an OLE compound file before it is handed to the
// system's structured storage: the header, the sector allocation table, the
// directory and the summary information stream must be sound. A crafted or
// damaged file whose directory tree or sector chains loop can otherwise keep
// the system's reader busy for ever, and the load with it.
#pragma once

#include "meta/FileReader.h"

// Checks the open file. 0 sound; -1 read failed; -2 not a compound file;
// -3 a chain or the directory tree points outside the file or loops;
// -4 no summary information stream; -5 its property set is malformed (a
// property outside its section, of an unknown, array or vector type, or a
// string longer than what holds it).
int CheckCompoundFile(FileReader& f);
