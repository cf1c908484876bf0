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

set(SCRIBBET_WINE32_BUILD OFF)
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(SCRIBBET_WINE32_BUILD ON)
endif()
# Every test of the 32-bit build runs 32-bit programs. Where this machine
# cannot run them (the harness's answer, asked as the tests ask it), those
# tests are all declared skips, so the programs only they use (the test
# programs, their helpers, the benchmarks and the setups made for the tests)
# are left out of the build's default target: what ships is built and
# checked as everywhere. SCRIBBET_TEST_PROGRAMS_BUILT says which it is.
set(SCRIBBET_TEST_PROGRAMS_BUILT ON)
if(SCRIBBET_WINE32_BUILD)
  execute_process(
    COMMAND bash -c ". tools/wine-loader.sh && wine32_runs || { echo \"\${SCRIBBET_WINE32#no: }\"; exit 1; }"
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    RESULT_VARIABLE wine32_status OUTPUT_VARIABLE wine32_reason OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT wine32_status EQUAL 0)
    set(SCRIBBET_TEST_PROGRAMS_BUILT OFF)
    message(STATUS "This machine cannot run 32-bit programs (${wine32_reason}): "
                   "the programs only the tests use are left out of the default build")
  endif()
endif()
# main() and the strict run of every test program: a skipped test or a failed
# suite set-up fails the program (tests/support/strict_gtest.h).
add_library(strict_gtest STATIC
  ${PROJECT_SOURCE_DIR}/tests/support/strict_gtest.cpp
  ${PROJECT_SOURCE_DIR}/tests/support/strict_gtest_main.cpp)
target_include_directories(strict_gtest PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(strict_gtest PUBLIC GTest::gtest)
if(NOT SCRIBBET_TEST_PROGRAMS_BUILT)
  set_target_properties(strict_gtest PROPERTIES EXCLUDE_FROM_ALL ON)
endif()

# What nearly every test file includes, GoogleTest and Windows' headers above
# all, is parsed once per build: strict_gtest is built with it precompiled,
# and every test program takes that header (scribbet_test_program). On
# Windows it begins with the Notification GoogleTest is given there
# (tests/CMakeLists.txt), which must come before GoogleTest's headers.
target_precompile_headers(strict_gtest PRIVATE
  $<$<BOOL:${WIN32}>:${PROJECT_SOURCE_DIR}/tests/support/gtest_notification.h>
  $<$<BOOL:${WIN32}>:<objbase.h$<ANGLE-R>> $<$<BOOL:${WIN32}>:<olectl.h$<ANGLE-R>>
  <gtest/gtest.h> <string> <vector> <functional> <memory> <optional> <sstream>
  <cstdio> <cstdlib> <cstring>)
# The Windows builds are release builds, but their test programs, the
# programs those start and GoogleTest itself are checks, not what ships:
# their own code is optimised less, which halves the time its optimiser
# takes; the product libraries they link keep the release's.
set(SCRIBBET_TEST_OPTIMIZATION $<$<BOOL:${WIN32}>:-O1>)
target_compile_options(strict_gtest PUBLIC ${SCRIBBET_TEST_OPTIMIZATION})
# scribbet_test_helper(NAME): a program a test starts, built as tests are.
function(scribbet_test_helper name)
  target_compile_options(${name} PRIVATE ${SCRIBBET_TEST_OPTIMIZATION})
endfunction()
function(scribbet_test_program name)
  target_link_libraries(${name} PRIVATE strict_gtest)
  target_precompile_headers(${name} REUSE_FROM strict_gtest)
endfunction()

# Tests that run 32-bit Windows programs. Where the machine cannot run them,
# the harness prints why and ends with status 77, which CTest then reports as
# skipped; for every other test, and on machines that can, 77 is a failure.
function(scribbet_needs_wine32)
  set_tests_properties(${ARGN} PROPERTIES SKIP_RETURN_CODE 77)
  # Their scripts declare the skip before looking for a program
  # (tests/wine/wine-test-lib.sh).
  if(NOT SCRIBBET_TEST_PROGRAMS_BUILT)
    set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT SCRIBBET_TEST_PROGRAMS=left-out)
  endif()
endfunction()
# Every test of the 32-bit build that runs under Wine.
function(scribbet_wine_test)
  if(SCRIBBET_WINE32_BUILD)
    scribbet_needs_wine32(${ARGN})
  endif()
endfunction()

# A GoogleTest program run as one CTest test: a Wine start costs seconds, so
# the whole program is one test rather than one start per case. Its pass is
# read from its own XML report as well as its exit status (run-gtest), so a
# program that crashed cannot pass.
#
# Under Wine each such test has a prefix of its own (a copy of the pristine
# one costs a second), so the test run can run them side by side: no program
# meets another's registry or files.
set(SCRIBBET_RUN_GTEST ${PROJECT_SOURCE_DIR}/tests/support/run-gtest)
function(scribbet_gtest test program)
  add_test(NAME ${test}
    COMMAND ${SCRIBBET_RUN_GTEST} ${CMAKE_CURRENT_BINARY_DIR}/reports/${test}.xml
            $<TARGET_FILE:${program}> --gtest_color=no ${ARGN})
  if(WIN32)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
      "SCRIBBET_WINE_PREFIX=${CMAKE_BINARY_DIR}/wine-prefixes/${test}")
  endif()
endfunction()

# scribbet_takes_seconds(TEST SECONDS): about how long TEST takes alone on
# two cores. CTest starts the longest tests of a run first when it has no
# times of its own yet, as on a fresh checkout, so a long one does not start
# last and hold the run's end.
function(scribbet_takes_seconds test seconds)
  set_tests_properties(${test} PROPERTIES COST ${seconds})
endfunction()

# Tests that show windows on the run's display and read them back take turns
# with one another; everything else may run beside them.
function(scribbet_uses_display)
  set_tests_properties(${ARGN} PROPERTIES RESOURCE_LOCK display)
endfunction()
# Its files are compiled a few at a time as one (a unity build): GoogleTest's
# templates and the system's headers are then instantiated and read once a
# batch, not once a file. A file's own names live in a namespace of its own.
function(scribbet_add_test name)
  add_executable(${name} ${ARGN})
  set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  # GCC takes a file included into a batch for a header, and warns of every
  # fixture in its anonymous namespace; the batch is one file, as the linker
  # sees it, so nothing is wrong.
  target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>)
  scribbet_test_program(${name})
  scribbet_gtest(${name} ${name})
  scribbet_wine_test(${name})
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
    scribbet_gtest(${name}_cp${page} ${name} ${ARGN})
    set_property(TEST ${name}_cp${page} APPEND PROPERTY
      ENVIRONMENT "LC_ALL=${locale}" "SCRIBBET_EXPECTED_CODE_PAGE=${page}")
    scribbet_wine_test(${name}_cp${page})
  endforeach()
endfunction()
