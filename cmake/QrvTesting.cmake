# GoogleTest is built from the Debian source package so that it gets the same
# flags as our code: the sanitizers natively, the static runtime for Windows.
if(QRV_TESTS OR QRV_BENCH)
  enable_testing()
  set(QRV_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  add_subdirectory(${QRV_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  include(GoogleTest)
endif()

# qrv_add_gtest(name SOURCES... LIBS ...)
# One test program; each of its tests becomes a ctest test. Windows programs are
# listed at test time (under Wine), never while building.
function(qrv_add_gtest name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  if(WIN32)
    set(prefix "win.")
  else()
    set(prefix "native.")
  endif()
  gtest_discover_tests(${name}
    TEST_PREFIX "${prefix}"
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 120 ${arg_PROPERTIES})
endfunction()
