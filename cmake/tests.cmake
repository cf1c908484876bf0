# GoogleTest: the system's package on Linux; built from Debian's sources for
# the Windows targets.
if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()

# A GoogleTest program run as one CTest test: a Wine start costs seconds, so
# the whole program is one test rather than one start per case.
function(scribbet_add_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
endfunction()

# Runs a test program again under other ANSI code pages: a double-byte one
# (932, Japanese) and a Cyrillic one (1251). Wine takes the code page from the
# locale of the process, and so does the simulated machine; no system locale
# has to be installed for it. The program is told which page to expect, so a
# run that silently kept the usual one fails. Extra arguments go to the program.
set(SCRIBBET_CODE_PAGE_LOCALES "932=ja_JP.UTF-8" "1251=ru_RU.UTF-8")
function(scribbet_add_code_page_runs name)
  foreach(entry ${SCRIBBET_CODE_PAGE_LOCALES})
    string(REPLACE "=" ";" pair "${entry}")
    list(GET pair 0 page)
    list(GET pair 1 locale)
    add_test(NAME ${name}_cp${page} COMMAND ${name} --gtest_color=no ${ARGN})
    set_tests_properties(${name}_cp${page} PROPERTIES
      ENVIRONMENT "LC_ALL=${locale};SCRIBBET_EXPECTED_CODE_PAGE=${page}")
  endforeach()
endfunction()
