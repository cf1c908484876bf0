# Cross build for 64-bit Windows with the posix-threads MinGW-w64 compilers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SCRIBBET_MINGW_TRIPLE x86_64-w64-mingw32)
set(SCRIBBET_WINE_DLL_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
set(SCRIBBET_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
