# Test helpers shared by every folder.
#
# board_native_test: Windows-free code, built and run on Linux under ASan + UBSan.
# board_wine_test:   Windows code, cross-built and run through Wine on the virtual display.
#                    Each test program is one ctest test (see board_wine_program_test).
include(GoogleTest)

function(board_native_test name)
  if(BOARD_WINDOWS)
    return()
  endif()
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gmock_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 120 LABELS native)
endfunction()

function(board_wine_test name)
  if(NOT BOARD_WINDOWS)
    return()
  endif()
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gmock_main)
  board_wine_program_test(${name} ${name})
endfunction()

# Registers a Windows test program as one ctest test, run through Wine in one process: starting
# a Wine process costs seconds, most tests milliseconds. GoogleTest's own output names the case
# that failed. A program that hangs fails at the timeout instead of stopping the run.
function(board_wine_program_test test_name target)
  cmake_parse_arguments(arg "" "" "ENVIRONMENT" ${ARGN})
  add_test(NAME ${test_name} COMMAND ${target} --gtest_brief=1)
  set_tests_properties(${test_name} PROPERTIES TIMEOUT 600 LABELS wine)
  if(arg_ENVIRONMENT)
    set_tests_properties(${test_name} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
  endif()
endfunction()
