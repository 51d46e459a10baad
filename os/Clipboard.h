// The system clipboard's text. The Win32 side reads CF_TEXT (the ANSI code
// page; the system converts Unicode text). The native build has no
// clipboard: it cannot be opened.
#pragma once

#include <cstdint>
#include <string>

// 0 with the text; -1 when the clipboard cannot be opened; -2 when it holds
// no text.
int LireTextePressePapier(std::string& texte);

// A number that changes with every change of the clipboard; 0 where the
// system gives none.
uint32_t SequencePressePapier();
