# The cross build compiles GoogleTest from Debian's source package; its targets carry the names
# the host's find_package(GTest) gives.
set(VARNWICK_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
if(NOT EXISTS ${VARNWICK_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "${VARNWICK_GOOGLETEST_SOURCE} is missing: run scripts/deps")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VARNWICK_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
if(NOT TARGET GTest::gtest_main)
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()
