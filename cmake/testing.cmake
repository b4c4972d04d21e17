# GoogleTest for both trees and the two kinds of test executables.
if(WIN32)
  # Debian ships GoogleTest's sources; build them with the cross compiler.
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Tests of the portable code. Natively each test case is its own ctest entry; under Wine one
# entry per executable, since every Wine start costs far more than a test case.
function(pelmo_unit_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE pelmo_core GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE PELMO_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
  pelmo_warnings(${name})
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# Window tests: in-process, under Wine, on the shared private display. They take the one
# display lock because windows steal each other's focus and the clipboard is display-wide.
function(pelmo_win32_test name)
  add_executable(${name} ${ARGN} $<TARGET_OBJECTS:pelmo_resources>)
  target_link_libraries(${name} PRIVATE pelmo_ui GTest::gtest_main)
  pelmo_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display TIMEOUT 300)
endfunction()

# End-to-end tests: a bash script under tests/e2e drives the real Pelmo.exe in the tree's Wine
# environment (see tests/e2e/lib.sh). It shares the display, and with it the clipboard.
# Further arguments follow the three exes.
function(pelmo_e2e_test name script)
  add_test(NAME ${name}
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${script} $<TARGET_FILE:Pelmo>
                   $<TARGET_FILE:pelmo-cli> $<TARGET_FILE:pelmo-driver> ${ARGN})
  set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display TIMEOUT 300)
endfunction()
