// The file-filter matcher: one pattern language for the loading filter and
// the select, unselect, highlight and search commands.
//
// A filter is a list of specs separated by ';', each matched against the whole
// name, case-insensitively (AnsiUpper). '*' matches any run of characters
// (backslashes included, so a file spec covers a relative path), '?' one
// character, [abc] [a-z] [!x] a class of one character, '\' takes the next
// character literally. "*." matches names without a dot, "*.*" every name,
// and "name.*" also matches "name".
#pragma once

// Callers pass nested = false; nested = true is the matcher's own recursion
// after a star, where a ';' ends the pattern and no further file spec is tried.
bool match(const char* filter, const char* name, bool nested);
