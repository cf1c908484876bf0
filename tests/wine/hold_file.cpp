// Holds a file the way a running program holds its own image: open for
// reading, shared for reading only, so nobody may write or delete it; or,
// with --share-writing, as a viewer holds a file it reads: shared for
// reading and writing, so it may be written but not deleted. The installer
// tests use it to put Scribbet's files in use.
//
//   hold_file [--share-writing] FILE HOLDING-MARKER RELEASE-MARKER
//
// Creates HOLDING-MARKER once the file is held and lets go when
// RELEASE-MARKER appears (or after ten minutes, so a broken test cannot
// leave it behind).
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  DWORD share = FILE_SHARE_READ;
  if (argc == 5 && std::strcmp(argv[1], "--share-writing") == 0) {
    share |= FILE_SHARE_WRITE;
    ++argv;
    --argc;
  }
  if (argc != 4) {
    std::fprintf(stderr, "usage: hold_file [--share-writing] FILE HOLDING-MARKER RELEASE-MARKER\n");
    return 2;
  }
  HANDLE held = ::CreateFileA(argv[1], GENERIC_READ, share, nullptr, OPEN_EXISTING,
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
