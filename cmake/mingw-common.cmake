# Shared part of the two MinGW-w64 toolchain files; the caller sets the triple
# and the oldest Windows the files must load on (SCRIBBET_WINDOWS_SYSTEM, a
# system of the import check, tools/pe-imports/exports/SYSTEM, whose
# system.json gives its version).
#
# The win32 thread-model compilers, not the posix ones: those link the POSIX
# thread library, which imports GetTickCount64 (Vista) and the vectored
# exception handler functions (XP) from kernel32, and Windows' loader refuses
# a file whose imports it cannot resolve. What these compilers lack is
# std::thread and std::mutex; threads are Windows' own where we need them.
set(CMAKE_C_COMPILER   ${SCRIBBET_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${SCRIBBET_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER  ${SCRIBBET_MINGW_TRIPLE}-windres)
set(SCRIBBET_WINDMC    ${SCRIBBET_MINGW_TRIPLE}-windmc)
set(SCRIBBET_WIDL      ${SCRIBBET_MINGW_TRIPLE}-widl)
# Where widl finds stdole2.tlb, which the type library imports: 64-bit Wine's,
# for both targets. The 32-bit copy gives the same type library byte for
# byte, and 32-bit Wine may be missing from a machine that builds the x86
# files all the same.
set(SCRIBBET_STDOLE_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
set(CMAKE_FIND_ROOT_PATH /usr/${SCRIBBET_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Windows binaries run under Wine, each in the build folder's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)

file(READ ${CMAKE_CURRENT_LIST_DIR}/../tools/pe-imports/exports/${SCRIBBET_WINDOWS_SYSTEM}/system.json
     _scribbet_system)
string(JSON SCRIBBET_WINDOWS_VERSION GET "${_scribbet_system}" version)
string(REPLACE "." ";" _scribbet_version "${SCRIBBET_WINDOWS_VERSION}")
list(GET _scribbet_version 0 _scribbet_major)
list(GET _scribbet_version 1 _scribbet_minor)
# What Windows' headers declare: that version's functions and records.
math(EXPR SCRIBBET_WIN32_WINNT "${_scribbet_major} * 256 + ${_scribbet_minor}" OUTPUT_FORMAT HEXADECIMAL)
# The PE header names the oldest Windows the file is made for; a loader older
# than that refuses it. Every program and DLL says the oldest one we run on.
set(_scribbet_pe_versions
    "-Wl,--major-os-version,${_scribbet_major},--minor-os-version,${_scribbet_minor},--major-subsystem-version,${_scribbet_major},--minor-subsystem-version,${_scribbet_minor}")
set(CMAKE_EXE_LINKER_FLAGS_INIT    "${_scribbet_pe_versions}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${_scribbet_pe_versions}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${_scribbet_pe_versions}")
