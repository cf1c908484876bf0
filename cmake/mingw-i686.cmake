# Cross build for 32-bit Windows with the posix-threads MinGW-w64 compilers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(SCRIBBET_MINGW_TRIPLE i686-w64-mingw32)
set(SCRIBBET_WINE_DLL_DIR /usr/lib/i386-linux-gnu/wine/i386-windows)
set(SCRIBBET_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
