// Makes a key under HKEY_LOCAL_MACHINE refuse writing (see
// tests/support/refuse_writing.h); the installer tests use it for a source's
// key that a setup cannot write into.
//
//   lock_key SUBKEY
#include <cstdio>
#include <string>

#include "tests/support/refuse_writing.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lock_key SUBKEY\n");
    return 2;
  }
  std::wstring path(::MultiByteToWideChar(CP_ACP, 0, argv[1], -1, nullptr, 0), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, argv[1], -1, path.data(), static_cast<int>(path.size()));
  const DWORD status = testing_support::RefuseWriting(HKEY_LOCAL_MACHINE, path.c_str());
  if (status != ERROR_SUCCESS) std::fprintf(stderr, "lock_key: error %lu\n", status);
  return status == ERROR_SUCCESS ? 0 : 1;
}
