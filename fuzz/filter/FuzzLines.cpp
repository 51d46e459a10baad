// Writes the input to a scratch file and reads it by lines forwards and then
// backwards from the end: both directions must give the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "meta/FileReader.h"

namespace {

const std::string& ScratchFile() {
  static const std::string path = [] {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir ? dir : "/tmp") + "/velto_fuzz_lines_" + std::to_string(getpid());
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > FileReader::kMaxLine) return 0;  // capped lines differ by design
  {
    FileReader w;
    if (w.OpenWrite(ScratchFile(), true) != 0) std::abort();
    if (size && w.WriteExact(data, static_cast<uint32_t>(size)) != 0) std::abort();
  }
  FileReader r;
  if (r.OpenRead(ScratchFile()) != 0) std::abort();
  std::vector<std::string> forward;
  std::string line;
  while (r.ReadLine(&line) == 0) forward.push_back(line);
  if (r.Tell() != static_cast<int64_t>(size)) std::abort();
  std::vector<std::string> backward;
  while (r.ReadLineBack(&line) == 0) backward.push_back(line);
  if (r.Tell() != 0) std::abort();
  if (forward.size() != backward.size()) std::abort();
  for (size_t i = 0; i < forward.size(); ++i)
    if (forward[i] != backward[backward.size() - 1 - i]) std::abort();
  return 0;
}
