#include "os/Clipboard.h"

#include <windows.h>

#include <cstring>

#include "os/CKGuards.h"


int LireTextePressePapier(std::string& texte) {
  texte.clear();
  CKClipboard clip;
  if (!clip.Open()) return -1;
  if (!IsClipboardFormatAvailable(CF_TEXT)) return -2;
  CKGlobalLock bloc(GetClipboardData(CF_TEXT));
  const char* data = static_cast<const char*>(bloc.Data());
  if (!data) return -2;
  // The text ends at its terminating zero, never past the block.
  const size_t size = bloc.Size();
  texte.assign(data, strnlen(data, size));
  return 0;
}

uint32_t SequencePressePapier() { return GetClipboardSequenceNumber(); }
