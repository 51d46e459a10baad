// The system clipboard's text. The Win32 side reads CF_TEXT (the ANSI code
// page; the system converts Unicode text). The native build has no
// clipboard: it cannot be opened.
#pragma once

#include <cstdint>
#include <string>

// 0 with the text; 1 when the clipboard holds no text; -1 when it cannot be
// opened.
int LireTextePressePapier(std::string& texte);

// A number that changes with every change of the clipboard; 0 where the
// system gives none.
uint32_t SequencePressePapier();
