// The web-page reader's expressions and text decoding on a page's start.
#include <string>

#include "meta/Html.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CFichier entry;
  CMetaOptions options;
  MetaExtractor x(entry, options);
  const size_t n = size < 10240 ? size : 10240;
  ReadHtmlBytes(x, std::string(reinterpret_cast<const char*>(data), n));
  return 0;
}
