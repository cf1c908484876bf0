# Cross build for 32-bit Windows, loadable from Windows NT 4.0 on.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(SCRIBBET_MINGW_TRIPLE i686-w64-mingw32)
set(SCRIBBET_WINE_ARCH win32)
set(SCRIBBET_WINDOWS_SYSTEM nt40-x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
