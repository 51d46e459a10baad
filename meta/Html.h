// Web pages: the title, the base address and the meta names of the page's
// first 10,240 bytes, with white space, character references and the named
// entities of Latin-1 decoded.
#pragma once

#include <string>

#include "meta/MetaExtractor.h"

// Reads the items from the bytes of a page's start. 0 read; -1 the
// expressions gave up on the text (it stays as far as it was read).
int ReadHtmlBytes(MetaExtractor& x, const std::string& bytes);

// -5 when the file cannot be opened or read.
int ReadHtmlFile(MetaExtractor& x, const std::string& path);

// The decoding of a text taken from a page: runs of white space become one
// space (leading ones dropped), numeric references and the named entities
// their ANSI characters.
std::string DecodeHtmlText(const std::string& text);
