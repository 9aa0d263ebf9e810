# GoogleTest is built from the sources Debian ships, inside each build tree, so the native
# tree gets it with sanitizers and the Windows tree gets it from MinGW.
set(googletest_src /usr/src/googletest)
if(NOT EXISTS ${googletest_src}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources missing: run scripts/install-deps.sh")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${googletest_src} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
foreach(lib gtest gtest_main gmock gmock_main)
  if(NOT TARGET GTest::${lib})
    add_library(GTest::${lib} ALIAS ${lib})
  endif()
endforeach()
