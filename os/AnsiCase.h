// Upper and lower casing, and letters, of single bytes in the system's ANSI
// code page. Bytes below 128 follow the C library rule (only a-z and A-Z
// change). Bytes from 128 come, on Win32, from the system's own casing (the
// same answers as CharUpperBuffA, CharLowerBuffA and IsCharAlphaA, asked of
// the kernel); the native build uses the Windows-1252 table, the code page
// the program runs under in its tests, so both builds give the same results.
// A test under Wine checks the three against each other on every byte.
#pragma once

#include <cstddef>
#include <string>

// <windows.h> defines AnsiUpper and AnsiLower as macros for CharUpperA and
// CharLowerA; they would rename these functions. Include <windows.h> before
// this header in a Win32 source.
#ifdef AnsiUpper
#undef AnsiUpper
#endif
#ifdef AnsiLower
#undef AnsiLower
#endif

unsigned char AnsiUpper(unsigned char c);
unsigned char AnsiLower(unsigned char c);
// A letter of the code page (bytes below 128: a-z and A-Z only).
bool AnsiIsLetter(unsigned char c);
void AnsiUpperInPlace(std::string& s);
// An upper-cased copy: the key of names compared without regard to case.
std::string AnsiUpperCopy(std::string s);
void AnsiLowerInPlace(std::string& s);
// Case-insensitive comparison of two byte strings through AnsiUpper; <0, 0, >0.
int AnsiCompareNoCase(const char* a, size_t na, const char* b, size_t nb);
// Equality without regard to case, as the file system matches names.
inline bool AnsiEqualNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && AnsiCompareNoCase(a.data(), a.size(), b.data(), b.size()) == 0;
}

// The Windows-1252 casing table, available on every platform.
unsigned char Cp1252Upper(unsigned char c);
unsigned char Cp1252Lower(unsigned char c);
bool Cp1252IsLetter(unsigned char c);
