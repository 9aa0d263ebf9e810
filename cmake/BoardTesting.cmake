# Test helpers shared by every folder.
#
# board_native_test: Windows-free code, built and run on Linux under ASan + UBSan.
# board_wine_test:   Windows code, cross-built and run through Wine on the virtual display.
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
  # A window test that waits for a message must fail, not hang the run.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES TIMEOUT 120 LABELS wine)
endfunction()
