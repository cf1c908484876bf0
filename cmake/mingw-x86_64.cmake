# Cross build for 64-bit Windows, loadable from Windows XP x64 / Server 2003 x64 on.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SCRIBBET_MINGW_TRIPLE x86_64-w64-mingw32)
set(SCRIBBET_WINE_ARCH win64)
set(SCRIBBET_WINDOWS_SYSTEM xp64-x64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
