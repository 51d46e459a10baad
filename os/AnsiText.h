// UTF-16, UTF-8 and Macintosh (Roman) text to the ANSI code page. The Win32
// side asks MultiByteToWideChar and WideCharToMultiByte (CP_ACP); the native
// side maps to Windows-1252, the code page of the tests, with '?' for what it
// cannot hold. None of the results is longer than its input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// `units` UTF-16 code units in the given byte order (little-endian when
// `bigEndian` is false), read from `bytes` (2 x units bytes).
std::string Utf16VersAnsi(const unsigned char* bytes, size_t units, bool bigEndian);

// UTF-8 bytes; a byte that starts no valid sequence stands for one unknown
// character.
std::string Utf8VersAnsi(const std::string& utf8);
// Bytes of the Macintosh Roman code page.
std::string MacVersAnsi(const std::string& mac);
