# Shared part of the two MinGW-w64 toolchain files; the caller sets the triple.
set(CMAKE_C_COMPILER   ${SCRIBBET_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SCRIBBET_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${SCRIBBET_MINGW_TRIPLE}-windres)
set(SCRIBBET_WINDMC    ${SCRIBBET_MINGW_TRIPLE}-windmc)
set(SCRIBBET_WIDL      ${SCRIBBET_MINGW_TRIPLE}-widl)
set(CMAKE_FIND_ROOT_PATH /usr/${SCRIBBET_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Windows binaries run under Wine, each in the build folder's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
