#include "bench/settings.h"

#include <cstdlib>
#include <cstring>
#include <iostream>

namespace bench {

namespace {

[[noreturn]] void Usage() {
  std::cerr << "usage: write_event_bench|com_bench [--rounds=N] [--batch-ms=N] [--lengths=N,N,...]"
               " [--script-rounds=N] [--script-ms=N]\n";
  std::exit(2);
}

int ParseCount(const char* text) {
  char* end = nullptr;
  const long count = std::strtol(text, &end, 10);
  if (end == text || *end || count < 1 || count > 100'000) Usage();
  return static_cast<int>(count);
}

std::vector<int> ParseLengths(const char* list) {
  std::vector<int> lengths;
  for (char* end = nullptr;; list = end + 1) {
    const long length = std::strtol(list, &end, 10);
    if (end == list || length < 1 || length > 10'000'000 ||
        (!lengths.empty() && length <= lengths.back()))
      Usage();
    lengths.push_back(static_cast<int>(length));
    if (*end == '\0') return lengths;
    if (*end != ',') Usage();
  }
}

bool Option(const char* arg, const char* name, const char*& value) {
  const std::size_t length = std::strlen(name);
  if (std::strncmp(arg, name, length)) return false;
  value = arg + length;
  return true;
}

}  // namespace

Settings ParseArguments(int argc, char** argv) {
  Settings settings;
  for (int i = 1; i < argc; ++i) {
    const char* value = nullptr;
    if (Option(argv[i], "--rounds=", value))
      settings.rounds = ParseCount(value);
    else if (Option(argv[i], "--batch-ms=", value))
      settings.batchMs = ParseCount(value);
    else if (Option(argv[i], "--lengths=", value))
      settings.lengths = ParseLengths(value);
    else if (Option(argv[i], "--script-rounds=", value))
      settings.scriptRounds = ParseCount(value);
    else if (Option(argv[i], "--script-ms=", value))
      settings.scriptMs = ParseCount(value);
    else
      Usage();
  }
  return settings;
}

}  // namespace bench
