// Makes a key under HKEY_LOCAL_MACHINE refuse writing (see
// tests/support/refuse_writing.h), or with --unlock take that back; the
// installer tests use it for keys that a setup cannot write into.
//
//   lock_key [--unlock] SUBKEY
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/support/refuse_writing.h"

int main(int argc, char** argv) {
  const bool unlock = argc == 3 && std::strcmp(argv[1], "--unlock") == 0;
  if (unlock) ++argv;
  if (argc != (unlock ? 3 : 2)) {
    std::fprintf(stderr, "usage: lock_key [--unlock] SUBKEY\n");
    return 2;
  }
  std::wstring path(::MultiByteToWideChar(CP_ACP, 0, argv[1], -1, nullptr, 0), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, argv[1], -1, path.data(), static_cast<int>(path.size()));
  const DWORD status = unlock ? testing_support::SetEveryonesRights(HKEY_LOCAL_MACHINE, path.c_str(), KEY_ALL_ACCESS)
                              : testing_support::RefuseWriting(HKEY_LOCAL_MACHINE, path.c_str());
  if (status != ERROR_SUCCESS) std::fprintf(stderr, "lock_key: error %lu\n", status);
  return status == ERROR_SUCCESS ? 0 : 1;
}
