// Upper and lower casing of single bytes in the system's ANSI code page.
// On Win32 the tables come from the system's own casing (CharUpperBuffA,
// CharLowerBuffA); the native build uses Windows-1252, the code page the
// program runs under in its tests, so both builds give the same results.
#pragma once

#include <cstddef>
#include <string>

unsigned char AnsiUpper(unsigned char c);
unsigned char AnsiLower(unsigned char c);
void AnsiUpperInPlace(std::string& s);
void AnsiLowerInPlace(std::string& s);
// Case-insensitive comparison of two byte strings through AnsiUpper; <0, 0, >0.
int AnsiCompareNoCase(const char* a, size_t na, const char* b, size_t nb);
