// Locates the version resource of a Windows program (a PE image) by walking
// its headers and resource tree, so that a program without one costs one
// small read instead of the system mapping the whole image.
#pragma once

#include <cstdint>

#include "meta/FileReader.h"

// The resource's file offset and size. 0 found; -1 read failed; -2 a PE image
// without a version resource (or with a resource tree that leads nowhere);
// -3 not a PE image (a 16-bit program, another format), left to the system.
// The resource is that of id 1 in the language-neutral entry, else US
// English, else the first language.
int FindPeVersionResource(FileReader& f, uint32_t* offset, uint32_t* size);
