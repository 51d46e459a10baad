// PDF documents: the Info dictionary (title, author, subject, keywords,
// creator and producer, creation and modification dates) and the page count,
// reached through the classic cross-reference tables named at the end of the
// file and their chain of earlier sections.
#pragma once

#include <string>

#include "meta/MetaExtractor.h"

// 0 read; -1 read failed; -2 not a PDF (no "%PDF-" first line, no "%%EOF"
// last line, no classic cross-reference table where the file says);
// -5 the file cannot be opened.
int ReadPdfFile(MetaExtractor& x, const std::string& path);
