// Holds a file the way a running program holds its own image: open for
// reading, shared for reading only, so nobody may write or delete it. The
// installer tests use it to put Scribbet's files in use.
//
//   hold_file FILE HOLDING-MARKER RELEASE-MARKER
//
// Creates HOLDING-MARKER once the file is held and lets go when
// RELEASE-MARKER appears (or after ten minutes, so a broken test cannot
// leave it behind).
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: hold_file FILE HOLDING-MARKER RELEASE-MARKER\n");
    return 2;
  }
  HANDLE held = ::CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (held == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "hold_file: cannot open %s (error %lu)\n", argv[1], ::GetLastError());
    return 1;
  }
  HANDLE marker = ::CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  ::CloseHandle(marker);
  for (int waited = 0; waited < 6000; ++waited) {
    if (::GetFileAttributesA(argv[3]) != INVALID_FILE_ATTRIBUTES) break;
    ::Sleep(100);
  }
  ::CloseHandle(held);
  return 0;
}
