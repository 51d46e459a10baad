// Mutation run of the readers that go through system services (OLE property
// sets, version resources): each seed file is copied with a few bytes
// changed, then read, again and again. A crash ends the program, which the
// caller sees as a failure. Usage: system_mutation COUNT SCRATCH_DIR SEED...
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "meta/SystemDocuments.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Changes 1 to 8 bytes, sometimes to the values that stress sizes and counts.
void Mutate(std::string& bytes, std::mt19937& rng) {
  if (bytes.empty()) return;
  std::uniform_int_distribution<size_t> at(0, bytes.size() - 1);
  const int changes = 1 + static_cast<int>(rng() % 8);
  for (int i = 0; i < changes; ++i) {
    const uint32_t kind = rng() % 4;
    const char value = kind == 0 ? '\xFF' : kind == 1 ? '\0' : static_cast<char>(rng());
    bytes[at(rng)] = value;
  }
  if (rng() % 16 == 0) bytes.resize(at(rng));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: system_mutation COUNT SCRATCH_DIR SEED...\n");
    return 2;
  }
  const long count = std::strtol(argv[1], nullptr, 10);
  const std::string scratch = argv[2];
  std::mt19937 rng(20261210);
  long read = 0;
  for (int s = 3; s < argc; ++s) {
    const std::string seed = ReadAll(argv[s]);
    if (seed.empty()) {
      std::fprintf(stderr, "cannot read %s\n", argv[s]);
      return 2;
    }
    const std::string name = argv[s];
    const std::string ext = name.substr(name.rfind('.'));
    const std::string path = scratch + "/mutated" + ext;
    const bool isExe = ext == ".exe" || ext == ".dll";
    for (long i = 0; i < count; ++i) {
      std::string bytes = seed;
      Mutate(bytes, rng);
      WriteAll(path, bytes);
      CFichier entry;
      CMetaOptions options;
      MetaExtractor x(entry, options);
      isExe ? ReadVersionFile(x, path) : ReadOleFile(x, path);
      ++read;
    }
    std::remove(path.c_str());
  }
  std::printf("%ld mutated files read without a crash\n", read);
  return 0;
}
