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
