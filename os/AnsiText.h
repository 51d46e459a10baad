// UTF-16 text to the ANSI code page. The Win32 side asks WideCharToMultiByte
// (CP_ACP); the native side maps to Windows-1252, the code page of the tests,
// with '?' for what it cannot hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// `units` UTF-16 code units in the given byte order (little-endian when
// `bigEndian` is false), read from `bytes` (2 x units bytes).
std::string Utf16VersAnsi(const unsigned char* bytes, size_t units, bool bigEndian);
